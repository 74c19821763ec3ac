#include "ElementCell.h"

#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/Twips.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

namespace {

// A cell as screen readers see it: a button named "铁 Fe 26" that can be pressed like a
// click, where a plain label would read as static text.
class AccessibleCell : public QAccessibleWidget {
public:
    explicit AccessibleCell(QWidget *cell) : QAccessibleWidget(cell, QAccessible::Button) {}

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction()) static_cast<ElementCell *>(widget())->press();
    }
};

QAccessibleInterface *cellFactory(const QString &className, QObject *object)
{
    if (className == QLatin1String("ElementCell") && object && object->isWidgetType())
        return new AccessibleCell(static_cast<QWidget *>(object));
    return nullptr;
}

}  // namespace

ElementCell::ElementCell(int index, QWidget *parent) : IndexedLabel(index, parent)
{
    setObjectName(QStringLiteral("lbl_Elements%1").arg(index));
    setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    setFont(Fonts::arial(12, true));
    setBorder(true);
    // Black on white, set in one go: 119 cells are made before the window first shows.
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    colours.setColor(QPalette::WindowText, Qt::black);
    setPalette(colours);
    setTransparent(false);
    static const bool factoryInstalled = (QAccessible::installFactory(cellFactory), true);
    Q_UNUSED(factoryInstalled);
}

void ElementCell::contextMenuEvent(QContextMenuEvent *event)
{
    if (actions().isEmpty()) return QLabel::contextMenuEvent(event);
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("cellMenu"));
    menu.addActions(actions());
    // Opened from the keyboard, the first command is at hand for Enter, and a screen reader
    // names it at once; it can be set only once the menu is up.
    if (event->reason() == QContextMenuEvent::Keyboard)
        QTimer::singleShot(0, &menu, [&menu] { menu.setActiveAction(menu.actions().value(0)); });
    menu.exec(event->globalPos());
}

void ElementCell::press()
{
    emit clicked(index());
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
    QPainter painter(this);
    if (m_marked) {
        // Inside the border, in no colour the cells' text, hover or phases use.
        constexpr int kMarkWidth = 3;
        painter.setPen(QPen(QColor(0, 70, 200), kMarkWidth));
        painter.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
    }
    if (!m_border) {
        // Without its border (the radius view) the keyboard position shows as a focus frame.
        if (!hasFocus()) return;
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        return;
    }
    painter.setPen(Qt::black);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void ElementCell::setMarked(bool marked)
{
    if (marked == m_marked) return;
    m_marked = marked;
    update();
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
