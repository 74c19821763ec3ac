#include "ElementCell.h"

#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/Twips.h"

#include <QMouseEvent>
#include <QPainter>

ElementCell::ElementCell(int index, QWidget *parent) : IndexedLabel(index, parent)
{
    setObjectName(QStringLiteral("lbl_Elements%1").arg(index));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setFont(Fonts::arial(12, true));
    setBorder(true);
    setBackColour(Qt::white);
    setTextColour(Qt::black);
    setTransparent(false);
}

void ElementCell::setTransparent(bool transparent)
{
    setAutoFillBackground(!transparent);
}

void ElementCell::setBackColour(const QColor &colour)
{
    Palette::setColour(this, QPalette::Window, colour);
}

QColor ElementCell::backColour() const
{
    return palette().color(QPalette::Window);
}

void ElementCell::setTextColour(const QColor &colour)
{
    Palette::setColour(this, QPalette::WindowText, colour);
}

QColor ElementCell::textColour() const
{
    return palette().color(QPalette::WindowText);
}

void ElementCell::setBorder(bool single)
{
    // Drawn by paintEvent: a frame in the text colour would turn red for the gases.
    m_border = single;
    setContentsMargins(single ? QMargins(1, 1, 1, 1) : QMargins());
    update();
}

void ElementCell::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!m_border) return;
    QPainter painter(this);
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ElementCell::setFontPoints(double points)
{
    QFont f = font();
    f.setPointSizeF(points);
    setFont(f);
}

ShapeWidget::ShapeWidget(const QColor &fill, QWidget *parent) : QWidget(parent), m_fill(fill)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), m_fill);
    painter.setPen(Qt::white);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

LineWidget::LineWidget(const QLineF &twips, const QColor &colour, int width, QWidget *parent)
    : QWidget(parent), m_colour(colour), m_width(width)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const QLineF px(twips.p1() / Twips::kPerPixel, twips.p2() / Twips::kPerPixel);
    const QRectF bounds =
        QRectF(px.p1(), px.p2()).normalized().adjusted(-width, -width, width, width);
    setGeometry(bounds.toAlignedRect());
    m_line = px.translated(-geometry().topLeft());
}

void LineWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(QPen(m_colour, m_width, Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(m_line);
}
