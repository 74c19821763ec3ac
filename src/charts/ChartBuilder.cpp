#include "ChartBuilder.h"

#include "ChartControl.h"
#include "ChartProperties.h"
#include "data/DataError.h"
#include "data/DataFiles.h"
#include "data/ModVantrel.h"
#include "data/NumberText.h"

#include <QVector>

using namespace mod_Vantrel;

namespace ChartBuilder {

std::optional<float> propertyValue(const ElementRecordType &record, qint16 chartProperty)
{
    const PropertyInfo *property = ChartProperties::find(chartProperty);
    if (!property) return std::nullopt;
    return record.*(property->field);
}

namespace {

// The whole file, read before anything is shown: a file that breaks half-way must not leave
// a chart (or circles) half of the new property and half of the old one.
QVector<ElementRecordType> readAllRecords()
{
    state.DataFilePath = DataFiles::dataPath(QStringLiteral("Elements.PRN"));
    InputFile fileNumber1(state.DataFilePath);
    QVector<ElementRecordType> records;
    while (!fileNumber1.atEnd()) {
        ReadElementRecord(fileNumber1.input());
        if (state.ElementRecord.AtomicNumber < 1 ||
            state.ElementRecord.AtomicNumber > kElementCount)
            throw DataError(DataError::Kind::NoSuchElement, state.DataFilePath,
                            fileNumber1.input().itemLine(),
                            QStringLiteral("原子序数 %1 不在 1 到 %2 之间")
                                .arg(state.ElementRecord.AtomicNumber)
                                .arg(kElementCount));
        records.append(state.ElementRecord);
    }
    return records;
}

}  // namespace

void fill(ChartControl &chart, qint16 chartProperty, const RowStep &afterRowSetUp)
{
    const QVector<ElementRecordType> records = readAllRecords();
    ChartControl::UpdateBatch batch(chart);
    // A property outside 0..8 hands over no values, so the chart keeps its old heading too.
    if (ChartProperties::find(chartProperty)) chart.setChartProperty(chartProperty);
    for (const ElementRecordType &record : records) {
        state.ElementRecord = record;  // the current record, as each read leaves it
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
