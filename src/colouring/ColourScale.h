#pragma once

#include <QColor>
#include <optional>

struct PropertyValues;

// The colours of a property's values: viridis, which keeps equal steps of value equal steps
// of lightness and stays readable to the common forms of colour blindness and in grey.
// Logarithmic where the values span more than two decades, so that a few large values do
// not crush the rest into one colour.
class ColourScale {
public:
    enum class Kind {
        Empty,   // no element has a value
        Single,  // one element only, or all values equal: the middle colour
        Linear,
        Logarithmic,  // only for positive values
    };
    // The largest ratio of maximum to minimum still shown on a linear scale.
    static constexpr double kLinearSpan = 100;

    ColourScale() = default;
    explicit ColourScale(const PropertyValues &values);

    Kind kind() const { return m_kind; }
    bool isLogarithmic() const { return m_kind == Kind::Logarithmic; }
    double minimum() const { return m_min; }
    double maximum() const { return m_max; }

    // Where `value` lies from the minimum (0) to the maximum (1), clamped.
    double position(double value) const;
    // The value at `position`, the inverse of position(); the minimum for a single value.
    double valueAt(double position) const;
    // The value's colour; invalid for a missing value, which the table hatches instead.
    QColor colour(std::optional<double> value) const;

    // The colour map itself, 0 (dark violet) to 1 (yellow), clamped.
    static QColor viridis(double position);

private:
    Kind m_kind = Kind::Empty;
    double m_min = 0;
    double m_max = 0;
};

// Which symbol colour reads on a cell: the colour contrast of the Web Content Accessibility
// Guidelines 2.x, from the relative luminance of sRGB colours.
namespace Contrast {

// The text the guidelines ask for: at least 4.5 to 1.
constexpr double kMinimumRatio = 4.5;

double relativeLuminance(const QColor &colour);
// From 1 (the same luminance) to 21 (black on white), either order.
double ratio(const QColor &a, const QColor &b);
// Black or white, whichever contrasts more with `background`: one of them always reaches
// 4.5 to 1, since their ratios multiply to 21.
QColor symbolColour(const QColor &background);

}  // namespace Contrast
