#pragma once

#include <QRect>
#include <QtGlobal>

// Layout is given in twips; at 96 dpi a pixel is 15 twips. Qt scales these
// device-independent pixels on high-DPI screens by itself.
namespace Twips {

constexpr double kPerPixel = 15.0;

inline int toPx(double twips)
{
    return qRound(twips / kPerPixel);
}
inline double fromPx(int px)
{
    return px * kPerPixel;
}
inline QRect rect(double left, double top, double width, double height)
{
    return QRect(toPx(left), toPx(top), toPx(width), toPx(height));
}

}  // namespace Twips
