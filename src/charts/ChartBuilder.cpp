#include "ChartBuilder.h"

#include "ChartControl.h"
#include "data/DataFiles.h"
#include "data/ModVantrel.h"
#include "data/NumberText.h"

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

void fill(ChartControl &chart, qint16 chartProperty, const std::function<void()> &afterRowSetUp)
{
    DataFilePath = DataFiles::DataPath(QStringLiteral("Elements.PRN"));
    InputFile fileNumber1(DataFilePath);
    ChartControl::UpdateBatch batch(chart);
    while (!fileNumber1.atEnd()) {
        ReadElementRecord(fileNumber1.input());
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
