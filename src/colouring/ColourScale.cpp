#include "ColourScale.h"

#include "PropertyValues.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace {

// Viridis (Smith, van der Walt and Firing, matplotlib's colour maps, CC0): entries 0, 16,
// 32, ... 240 and 255 of its 256, in 8-bit sRGB. Between them the map is close to straight
// in sRGB, so linear interpolation stays within one step of the full table.
struct Stop {
    int entry;
    int red, green, blue;
};
constexpr Stop kViridis[] = {
    {0, 68, 1, 84},      {16, 72, 24, 106},   {32, 71, 45, 123},   {48, 66, 64, 134},
    {64, 59, 82, 139},   {80, 51, 99, 141},   {96, 44, 114, 142},  {112, 38, 130, 142},
    {128, 33, 145, 140}, {144, 31, 160, 136}, {160, 40, 174, 128}, {176, 63, 188, 115},
    {192, 94, 201, 98},  {208, 132, 212, 75}, {224, 173, 220, 48}, {240, 216, 226, 25},
    {255, 253, 231, 37},
};
constexpr double kLastEntry = 255;
constexpr double kMiddle = 0.5;

// The WCAG 2.x luminance: sRGB decoded to linear light, weighted by the eye's response.
double linear(double channel)
{
    constexpr double kKnee = 0.04045;
    return channel <= kKnee ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

}  // namespace

ColourScale::ColourScale(const PropertyValues &values)
{
    bool any = false;
    for (const std::optional<double> &value : values.values) {
        if (!value) continue;
        m_min = any ? std::min(m_min, *value) : *value;
        m_max = any ? std::max(m_max, *value) : *value;
        any = true;
    }
    if (!any)
        m_kind = Kind::Empty;
    else if (m_min == m_max)
        m_kind = Kind::Single;
    else if (m_min > 0 && (values.logScale || m_max / m_min > kLinearSpan))
        m_kind = Kind::Logarithmic;
    else
        m_kind = Kind::Linear;
}

double ColourScale::position(double value) const
{
    switch (m_kind) {
        case Kind::Empty:
        case Kind::Single: return kMiddle;
        case Kind::Linear: return std::clamp((value - m_min) / (m_max - m_min), 0.0, 1.0);
        case Kind::Logarithmic:
            if (value <= m_min) return 0;
            return std::clamp(std::log(value / m_min) / std::log(m_max / m_min), 0.0, 1.0);
    }
    return kMiddle;
}

double ColourScale::valueAt(double position) const
{
    position = std::clamp(position, 0.0, 1.0);
    switch (m_kind) {
        case Kind::Empty:
        case Kind::Single: return m_min;
        case Kind::Linear: return m_min + position * (m_max - m_min);
        case Kind::Logarithmic: return m_min * std::pow(m_max / m_min, position);
    }
    return m_min;
}

QColor ColourScale::colour(std::optional<double> value) const
{
    if (!value || m_kind == Kind::Empty) return QColor();
    return viridis(position(*value));
}

QColor ColourScale::viridis(double position)
{
    const double entry = std::clamp(position, 0.0, 1.0) * kLastEntry;
    const Stop *upper = std::lower_bound(std::begin(kViridis), std::end(kViridis), entry,
                                         [](const Stop &stop, double e) { return stop.entry < e; });
    if (upper == std::begin(kViridis)) return QColor(upper->red, upper->green, upper->blue);
    const Stop *lower = upper - 1;
    const double f = (entry - lower->entry) / (upper->entry - lower->entry);
    const auto mix = [f](int a, int b) { return int(std::lround(a + f * (b - a))); };
    return QColor(mix(lower->red, upper->red), mix(lower->green, upper->green),
                  mix(lower->blue, upper->blue));
}

namespace Contrast {

double relativeLuminance(const QColor &colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

double ratio(const QColor &a, const QColor &b)
{
    // The guidelines' flare term: 0.05 of white's luminance on both sides.
    constexpr double kFlare = 0.05;
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + kFlare) / (std::min(la, lb) + kFlare);
}

QColor symbolColour(const QColor &background)
{
    const QColor dark(Qt::black);
    const QColor light(Qt::white);
    return ratio(background, dark) >= ratio(background, light) ? dark : light;
}

}  // namespace Contrast
