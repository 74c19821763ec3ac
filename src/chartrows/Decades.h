#pragma once

#include <QList>
#include <optional>

// Bars of a property whose values span many powers of ten (abundances, conductivities) are
// drawn as their decades above the lowest one: plain arithmetic, apart from the chart's axes.
namespace Decades {

struct Range {
    int lowest;   // the power of ten the scale starts at
    int highest;  // the power of ten it ends at, at least lowest + 1
};

// The decades `bars` cover; nullopt when none is above 0 or one is below it (a linear scale
// has to do then). The smallest value keeps a bar of its own: the scale starts a decade
// below it when it is a power of ten itself.
std::optional<Range> rangeOf(const QList<double> &bars);
// Each bar as its power of ten above range.lowest; a bar without value stays 0.
void toDecades(QList<double> &bars, Range range);

}  // namespace Decades
