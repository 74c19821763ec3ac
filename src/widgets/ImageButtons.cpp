#include "ImageButtons.h"

#include "ButtonPictures.h"
#include "Twips.h"

#include <QMouseEvent>
#include <QPainter>

ImageButton::ImageButton(int index, QWidget *parent) : QAbstractButton(parent), m_index(index)
{
    setObjectName(QStringLiteral("img_Btns%1").arg(index));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);  // the toolbar's keyboard decides which one takes focus
    connect(this, &QAbstractButton::clicked, this, &ImageButton::onClicked);
}

void ImageButton::paintEvent(QPaintEvent *)
{
    // Drawn at the screen's pixel ratio each time, so that it stays crisp when the window
    // moves to a high-DPI screen.
    const qreal ratio = devicePixelRatioF();
    if (m_picture.isNull() || !qFuzzyCompare(m_picture.devicePixelRatio(), ratio))
        m_picture = ButtonPictures::picture(m_index, ratio);
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
}

// Moves are taken here, so the window's own mouse-move step never sees them.
void ImageButton::mouseMoveEvent(QMouseEvent *event)
{
    QAbstractButton::mouseMoveEvent(event);
    event->accept();
    emit mouseMoved(m_index);
}

void ImageButton::mouseReleaseEvent(QMouseEvent *event)
{
    m_byMouse = true;
    QAbstractButton::mouseReleaseEvent(event);
    m_byMouse = false;
    event->accept();
}

// A double-click arrives as press, release, double-click, release: the first press and
// release were the click. The toolkit would take the double-click for a second press (and
// its release for a second click); here nothing handles it, so the command runs once.
void ImageButton::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void ImageButton::onClicked()
{
    if (m_byMouse)
        emit mouseClicked(m_index);
    else
        emit invoked(m_index);
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
        connect(image, &ImageButton::mouseClicked, this, &ImageButtonArray::clicked);
        connect(image, &ImageButton::invoked, this, &ImageButtonArray::invoked);
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

int ImageButtonArray::hover(int index, int shownBefore)
{
    if (index > ButtonPictures::kHighlight) return shownBefore;
    const int highlight = index + ButtonPictures::kHighlight;
    if (ImageButton *shown = image(highlight)) {
        shown->show();
        shown->raise();
        shown->setEnabled(true);
    }
    if (shownBefore != highlight) hideAndDisable(shownBefore);
    return highlight;
}
