#include "ChartBuilder.h"

#include "ChartControl.h"
#include "elements/ChartProperties.h"
#include "files/ElementFile.h"
#include "files/ModVantrel.h"
#include "files/NumberText.h"
#include "properties/PropertyCharts.h"
#include "properties/PropertyFile.h"

#include <QVector>

using namespace mod_Vantrel;

namespace ChartBuilder {

std::optional<float> propertyValue(const ElementRecordType &record, qint16 chartProperty)
{
    if (PropertyCharts::isCatalogue(chartProperty))
        return PropertyCharts::value(record.AtomicNumber, chartProperty);
    const PropertyInfo *property = ChartProperties::find(chartProperty);
    if (!property) return std::nullopt;
    return record.*(property->field);
}

// The record each row shows is the last one in the file with that atomic number, so at most
// one per row whatever the file's size. All of them are read before anything is shown: a
// file that breaks half-way must not leave a chart (or circles) half of the new property
// and half of the old one. They come in the order of those last records in the file, which
// leaves the chart and the circles as one pass over the file would.
void fill(ChartControl &chart, qint16 chartProperty, const RowStep &afterRowSetUp)
{
    const QVector<ElementRecordType> records = ElementFile::latestRecords();
    const bool catalogue = PropertyCharts::isCatalogue(chartProperty);
    if (catalogue) PropertyFile::shipped();  // a broken file stops here, the chart untouched
    ChartControl::UpdateBatch batch(chart);
    // Any other number hands over no values, so the chart keeps its old heading too.
    if (catalogue || ChartProperties::find(chartProperty)) chart.setChartProperty(chartProperty);
    for (const ElementRecordType &record : records) {
        chart.setColumnCount(1);
        chart.setRowLabel(record.Symbol);
        chart.setRowCount(kElementCount);
        chart.setRow(record.AtomicNumber);
        chart.setRowName(record.ElementName);
        if (afterRowSetUp) afterRowSetUp(record);
        if (const std::optional<float> value = propertyValue(record, chartProperty))
            chart.setData(singleText(*value));
    }
}

}  // namespace ChartBuilder
