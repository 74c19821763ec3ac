#pragma once

#include <QtGlobal>
#include <functional>
#include <optional>

class ChartControl;

// Charting one property across all elements, row n for the element with atomic number n.
namespace ChartBuilder {

constexpr int kRows = 109;

// The value of the current record that `chartProperty` (0 to 8) selects; none outside 0..8.
std::optional<float> propertyValue(qint16 chartProperty);

// Reads <program>/Data/Elements.PRN from its start and fills `chart`: per record one data
// column, the row label, 109 rows, the record's row made current, then (after
// `afterRowSetUp`, which draws the radius circles in the main window) the value.
// Rows that no record reaches keep their content. Throws DataError on a bad file (or an
// atomic number outside 1..109) before the chart is touched.
void fill(ChartControl &chart, qint16 chartProperty,
          const std::function<void()> &afterRowSetUp = {});

}  // namespace ChartBuilder
