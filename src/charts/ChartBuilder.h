#pragma once

#include <QVector>
#include <QtGlobal>
#include <functional>
#include <optional>

#include "files/ModVantrel.h"

class ChartControl;

// Charting one property across all elements, row n for the element with atomic number n.
namespace ChartBuilder {

// The value of `record` that `chartProperty` (0 to 8) selects; none outside 0..8.
std::optional<float> propertyValue(const mod_Vantrel::ElementRecordType &record,
                                   qint16 chartProperty);

// Called for each record once its row is set up, before its value goes in.
using RowStep = std::function<void(const mod_Vantrel::ElementRecordType &record)>;

// Reads the element data file from its start and fills `chart`: per element one data
// column, the row label, 109 rows, the element's row made current and given the element's
// name, then (after `afterRowSetUp`, which draws the radius circles in the main window) the
// value. Of several records with one atomic number only the last counts; a record with
// atomic number 0 has no row and is passed by. The chart is headed with the property's
// name and unit. Rows that no record reaches keep their content. Throws DataError on a bad
// file (or an atomic number outside 0..109) before the chart is touched.
void fill(ChartControl &chart, qint16 chartProperty, const RowStep &afterRowSetUp = {});

}  // namespace ChartBuilder
