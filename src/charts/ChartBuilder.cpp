#include "ChartBuilder.h"

#include "ChartControl.h"
#include "data/DataError.h"
#include "data/DataFiles.h"
#include "data/ModVantrel.h"
#include "data/NumberText.h"

#include <QVector>

using namespace mod_Vantrel;

namespace ChartBuilder {

std::optional<float> propertyValue(qint16 chartProperty)
{
    const ElementRecordType &r = ElementRecord;
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
    DataFilePath = DataFiles::DataPath(QStringLiteral("Elements.PRN"));
    InputFile fileNumber1(DataFilePath);
    QVector<ElementRecordType> records;
    while (!fileNumber1.atEnd()) {
        ReadElementRecord(fileNumber1.input());
        if (ElementRecord.AtomicNumber < 1 || ElementRecord.AtomicNumber > kRows)
            throw DataError(DataError::Kind::NoSuchElement, DataFilePath,
                            fileNumber1.input().itemLine(),
                            QStringLiteral("原子序数 %1 不在 1 到 %2 之间")
                                .arg(ElementRecord.AtomicNumber)
                                .arg(kRows));
        records.append(ElementRecord);
    }
    return records;
}

}  // namespace

void fill(ChartControl &chart, qint16 chartProperty, const std::function<void()> &afterRowSetUp)
{
    const QVector<ElementRecordType> records = readAllRecords();
    ChartControl::UpdateBatch batch(chart);
    for (const ElementRecordType &record : records) {
        ElementRecord = record;  // the current record, as each read leaves it
        chart.setColumnCount(1);
        chart.setRowLabel(ElementRecord.Symbol);
        chart.setRowCount(kRows);
        chart.setRow(ElementRecord.AtomicNumber);
        if (afterRowSetUp) afterRowSetUp();
        if (const std::optional<float> value = propertyValue(chartProperty))
            chart.setData(SingleText(*value));
    }
}

}  // namespace ChartBuilder
