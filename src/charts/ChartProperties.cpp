#include "ChartProperties.h"

#include "data/NumberText.h"

using mod_Vantrel::ElementRecordType;
using ValueSources::Field;

namespace ChartProperties {

namespace {

// Only electron affinity can be 0 in nature (the anion is not bound); every other
// property of a real element is positive, so a 0 in the file is a gap in the data.
const PropertyInfo kProperties[kCount] = {
    {&ElementRecordType::AtomicWeight, "原子量", "", true, Field::AtomicWeight},
    {&ElementRecordType::MeltingPoint, "熔点", "K", true, Field::MeltingPoint},
    {&ElementRecordType::BoilingPoint, "沸点", "K", true, Field::BoilingPoint},
    {&ElementRecordType::Density, "密度", "g/cm³", true, Field::Density},
    {&ElementRecordType::AtomicRadius, "原子半径", "Å", true, Field::AtomicRadius},
    {&ElementRecordType::CovalentRadius, "共价半径", "Å", true, Field::CovalentRadius},
    {&ElementRecordType::ElectronAffinity, "电子亲和能", "kJ/mol", false, Field::ElectronAffinity},
    {&ElementRecordType::FusionEnthalpy, "熔化焓", "kJ/mol", true, Field::FusionEnthalpy},
    {&ElementRecordType::VaporisationEnthalpy, "汽化焓", "kJ/mol", true,
     Field::VaporisationEnthalpy},
};

}  // namespace

const PropertyInfo *find(int chartProperty)
{
    return chartProperty >= 0 && chartProperty < kCount ? &kProperties[chartProperty] : nullptr;
}

QString title(const PropertyInfo &property)
{
    const QString name = QString::fromUtf8(property.name);
    if (*property.unit == '\0') return name;
    return QStringLiteral("%1 (%2)").arg(name, QString::fromUtf8(property.unit));
}

QString valueText(const PropertyInfo *property, float value)
{
    if (!property) return singleText(value);
    if (value == 0 && property->zeroMeansNoData) return QStringLiteral("无数据");
    if (*property->unit == '\0') return singleText(value);
    return singleText(value) + QLatin1Char(' ') + QString::fromUtf8(property->unit);
}

}  // namespace ChartProperties
