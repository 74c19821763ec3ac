#include "ChartBuilder.h"

#include "ChartControl.h"
#include "data/DataError.h"
#include "data/DataFiles.h"
#include "data/ModVantrel.h"
#include "data/NumberText.h"

#include <QVector>

using namespace mod_Vantrel;

namespace ChartBuilder {

std::optional<float> propertyValue(const ElementRecordType &r, qint16 chartProperty)
{
    switch (chartProperty) {
        case 0: return r.AtomicWeight;
        case 1: return r.MeltingPoint;
        case 2: return r.BoilingPoint;
        case 3: return r.Density;
        case 4: return r.AtomicRadius;
        case 5: return r.CovalentRadius;
        case 6: return r.ElectronAffinity;
        case 7: return r.FusionEnthalpy;
        case 8: return r.VaporisationEnthalpy;
        default: return std::nullopt;
    }
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
    for (const ElementRecordType &record : records) {
        state.ElementRecord = record;  // the current record, as each read leaves it
        chart.setColumnCount(1);
        chart.setRowLabel(record.Symbol);
        chart.setRowCount(kElementCount);
        chart.setRow(record.AtomicNumber);
        if (afterRowSetUp) afterRowSetUp(record);
        if (const std::optional<float> value = propertyValue(record, chartProperty))
            chart.setData(singleText(*value));
    }
}

}  // namespace ChartBuilder
