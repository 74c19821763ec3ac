#pragma once

#include <QColor>
#include <QtGlobal>

// A colour number is red + 256 * green + 65536 * blue.
namespace ColourNumber {

inline QColor toColor(quint32 number)
{
    return QColor(int(number & 0xFF), int((number >> 8) & 0xFF), int((number >> 16) & 0xFF));
}

inline quint32 fromColor(const QColor &color)
{
    return quint32(color.red()) | quint32(color.green()) << 8 | quint32(color.blue()) << 16;
}

}  // namespace ColourNumber
