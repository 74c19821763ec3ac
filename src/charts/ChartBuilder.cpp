#include "ChartBuilder.h"

#include "ChartControl.h"
#include "ChartProperties.h"
#include "data/DataError.h"
#include "data/DataFiles.h"
#include "data/ModVantrel.h"
#include "data/NumberText.h"

#include <QVector>
#include <algorithm>
#include <array>
#include <vector>

using namespace mod_Vantrel;

namespace ChartBuilder {

std::optional<float> propertyValue(const ElementRecordType &record, qint16 chartProperty)
{
    const PropertyInfo *property = ChartProperties::find(chartProperty);
    if (!property) return std::nullopt;
    return record.*(property->field);
}

namespace {

// The record each row shows: the last one in the file with that atomic number, so at most
// one per row whatever the file's size. All of them are read before anything is shown: a
// file that breaks half-way must not leave a chart (or circles) half of the new property
// and half of the old one. They come in the order of those last records in the file, which
// leaves the chart, the circles and the current record as one pass over the file would.
QVector<ElementRecordType> readLatestRecords()
{
    state.DataFilePath = DataFiles::dataPath(QStringLiteral("Elements.PRN"));
    InputFile fileNumber1(state.DataFilePath);
    std::vector<ElementRecordType> latest(kElementCount + 1);
    std::array<qint64, kElementCount + 1> lastSeen{};  // 0: no record with that number
    qint64 count = 0;
    while (!fileNumber1.atEnd()) {
        ReadElementRecord(fileNumber1.input());
        const int number = state.ElementRecord.AtomicNumber;
        if (number == 0) continue;  // start-up's hidden cell 0; the chart has no row for it
        if (number < 1 || number > kElementCount)
            throw DataError(
                DataError::Kind::NoSuchElement, state.DataFilePath, fileNumber1.input().itemLine(),
                QStringLiteral("原子序数 %1 不在 1 到 %2 之间").arg(number).arg(kElementCount));
        latest[number] = state.ElementRecord;
        lastSeen[number] = ++count;
    }
    QVector<int> numbers;
    for (int number = 1; number <= kElementCount; ++number)
        if (lastSeen[number] > 0) numbers.append(number);
    std::sort(numbers.begin(), numbers.end(),
              [&lastSeen](int a, int b) { return lastSeen[a] < lastSeen[b]; });
    QVector<ElementRecordType> records;
    records.reserve(numbers.size());
    for (const int number : qAsConst(numbers)) records.append(std::move(latest[number]));
    return records;
}

}  // namespace

void fill(ChartControl &chart, qint16 chartProperty, const RowStep &afterRowSetUp)
{
    const QVector<ElementRecordType> records = readLatestRecords();
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
