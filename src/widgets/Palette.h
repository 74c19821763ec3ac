#pragma once

#include <QColor>
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

// The widget paints its whole background in `colour`.
inline void fillBackground(QWidget *widget, const QColor &colour)
{
    widget->setAutoFillBackground(true);
    setColour(widget, QPalette::Window, colour);
}

}  // namespace Palette
