#include "ImageButtons.h"

#include "ButtonPictures.h"
#include "Twips.h"
#include "data/ModVantrel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace mod_Vantrel;

ImageButton::ImageButton(int index, QWidget *parent) : IndexedLabel(index, parent)
{
    setObjectName(QStringLiteral("img_Btns%1").arg(index));
}

void ImageButton::paintEvent(QPaintEvent *)
{
    // Drawn at the screen's pixel ratio each time, so that it stays crisp when the window
    // moves to a high-DPI screen.
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || !qFuzzyCompare(m_picture.devicePixelRatio(), ratio))
        m_picture = ButtonPictures::picture(index(), ratio);
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

ImageButtonArray::ImageButtonArray(QObject *parent) : QObject(parent) {}

void ImageButtonArray::add(int normalIndex, QWidget *container, const QRectF &twips,
                           const QString &tooltip)
{
    for (int index : {normalIndex, normalIndex + ButtonPictures::kHighlight}) {
        auto *image = new ImageButton(index, container);
        image->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
        image->setAccessibleName(tooltip);
        if (index > ButtonPictures::kHighlight) {
            image->setToolTip(tooltip);
            image->setAccessibleDescription(tooltip);
            image->hide();
            image->setEnabled(false);
        }
        connect(image, &ImageButton::clicked, this, &ImageButtonArray::clicked);
        connect(image, &ImageButton::mouseMoved, this, &ImageButtonArray::mouseMoved);
        m_images.insert(index, image);
    }
}

bool ImageButtonArray::hideAndDisable(int index)
{
    ImageButton *target = image(index);
    if (!target) return false;
    target->hide();
    target->setEnabled(false);
    return true;
}

void ImageButtonArray::hover(int index)
{
    if (index > ButtonPictures::kHighlight) return;
    if (ImageButton *highlight = image(index + ButtonPictures::kHighlight)) {
        highlight->show();
        highlight->raise();
        highlight->setEnabled(true);
    }
    if (state.HighlightedButton != index + ButtonPictures::kHighlight)
        hideAndDisable(state.HighlightedButton);
    state.HighlightedButton = static_cast<qint16>(index + ButtonPictures::kHighlight);
}

void ImageButtonArray::reset()
{
    hideAndDisable(state.HighlightedButton);
}
