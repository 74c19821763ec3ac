#pragma once

#include <QColor>
#include <QPaintEvent>
#include <QPainter>
#include <QPalette>
#include <QWidget>
#include <initializer_list>

// Colours set on a widget's own palette, the way the window designs give them.
namespace Palette {

inline void setColour(QWidget *widget, std::initializer_list<QPalette::ColorRole> roles,
                      const QColor &colour)
{
    QPalette p = widget->palette();
    for (QPalette::ColorRole role : roles) p.setColor(role, colour);
    widget->setPalette(p);
}

inline void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    setColour(widget, {role}, colour);
}

// The widget paints its whole background in `colour`. For a widget made once: a window made
// anew at each opening takes paintGround below.
inline void fillBackground(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    setColour(widget, QPalette::Window, colour);
}

// Paints the ground of a widget before the widget paints itself.
class GroundPainter : public QObject {
public:
    GroundPainter(QWidget *widget, const QColor &colour) : QObject(widget), m_colour(colour)
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            QPainter(static_cast<QWidget *>(watched))
                .fillRect(static_cast<QPaintEvent *>(event)->rect(), m_colour);
        return false;
    }

private:
    QColor m_colour;
};

// The widget's ground in `colour` with its palette left alone: for a window made anew at
// each opening and the frames in it. A palette set on a window reaches every control in it
// as a new copy, and the style caches the controls' pictures (frames, arrows, grooves) under
// that copy: each opening would add another set of pictures to the cache until it is full.
inline void paintGround(QWidget *widget, const QColor &colour)
{
    new GroundPainter(widget, colour);
}

}  // namespace Palette
