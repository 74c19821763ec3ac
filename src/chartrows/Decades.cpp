#include "Decades.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace Decades {

std::optional<Range> rangeOf(const QList<double> &bars)
{
    double smallest = std::numeric_limits<double>::infinity();
    double highest = 0;
    for (double bar : bars) {
        if (bar < 0) return std::nullopt;
        if (bar > 0) smallest = std::min(smallest, bar);
        highest = std::max(highest, bar);
    }
    if (!std::isfinite(smallest)) return std::nullopt;
    // A hair below the logarithm, so that 0.001 starts the scale at 10⁻⁴, not at itself.
    constexpr double kBelow = 1e-9;
    const int low = int(std::floor(std::log10(smallest) - kBelow));
    return Range{low, std::max(low + 1, int(std::ceil(std::log10(highest))))};
}

void toDecades(QList<double> &bars, Range range)
{
    for (double &bar : bars) bar = bar > 0 ? std::log10(bar) - range.lowest : 0;
}

}  // namespace Decades
