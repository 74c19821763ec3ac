#include "ChartProperties.h"

#include "ElementCard.h"
#include "files/NumberText.h"

using mod_Vantrel::ElementRecordType;
using ValueSources::Field;

namespace ChartProperties {

namespace {

// Only electron affinity can be 0 in nature (the anion is not bound); every other
// property of a real element is positive, so a 0 in the file is a gap in the data.
const PropertyInfo kProperties[kCount] = {
    {&ElementRecordType::AtomicWeight, "原子量", "", true, Field::AtomicWeight, "weight"},
    {&ElementRecordType::MeltingPoint, "熔点", "K", true, Field::MeltingPoint, "melting"},
    {&ElementRecordType::BoilingPoint, "沸点", "K", true, Field::BoilingPoint, "boiling"},
    {&ElementRecordType::Density, "密度", "g/cm³", true, Field::Density, "density"},
    {&ElementRecordType::AtomicRadius, "原子半径", "Å", true, Field::AtomicRadius, "atomic-radius"},
    {&ElementRecordType::CovalentRadius, "共价半径", "Å", true, Field::CovalentRadius,
     "covalent-radius"},
    {&ElementRecordType::ElectronAffinity, "电子亲和能", "kJ/mol", false, Field::ElectronAffinity,
     "affinity"},
    {&ElementRecordType::FusionEnthalpy, "熔化焓", "kJ/mol", true, Field::FusionEnthalpy, "fusion"},
    {&ElementRecordType::VaporisationEnthalpy, "汽化焓", "kJ/mol", true,
     Field::VaporisationEnthalpy, "vaporisation"},
};

constexpr int kMeltingPoint = 1;
constexpr int kBoilingPoint = 2;
const PropertyInfo kInCelsius[] = {
    {&ElementRecordType::MeltingPoint, "熔点", "°C", true, Field::MeltingPoint, "melting", true},
    {&ElementRecordType::BoilingPoint, "沸点", "°C", true, Field::BoilingPoint, "boiling", true},
};

const QString kNoData = QStringLiteral("无数据");

}  // namespace

bool isMissing(const PropertyInfo *property, double value)
{
    return property && value == 0 && property->zeroMeansNoData;
}

const PropertyInfo *find(int chartProperty, TemperatureUnit unit)
{
    if (chartProperty < 0 || chartProperty >= kCount) return nullptr;
    if (unit == TemperatureUnit::Celsius && isTemperature(chartProperty))
        return &kInCelsius[chartProperty - kMeltingPoint];
    return &kProperties[chartProperty];
}

bool isTemperature(int chartProperty)
{
    return chartProperty == kMeltingPoint || chartProperty == kBoilingPoint;
}

std::optional<int> byKey(const QString &key)
{
    for (int n = 0; n < kCount; ++n)
        if (key == QLatin1String(kProperties[n].key)) return n;
    return std::nullopt;
}

QStringList keys()
{
    QStringList words;
    for (const PropertyInfo &property : kProperties) words.append(QLatin1String(property.key));
    return words;
}

QString title(const PropertyInfo &property)
{
    const QString name = QString::fromUtf8(property.name);
    if (*property.unit == '\0') return name;
    return QStringLiteral("%1 (%2)").arg(name, QString::fromUtf8(property.unit));
}

double shownValue(const PropertyInfo *property, double value)
{
    if (!property) return value;
    if (isMissing(property, value)) return 0;
    return property->celsius ? double(ElementCard::celsius(float(value))) : value;
}

QString numberText(const PropertyInfo *property, float value)
{
    if (isMissing(property, value)) return kNoData;
    return singleText(float(shownValue(property, value)));
}

QString valueText(const PropertyInfo *property, float value)
{
    const QString number = numberText(property, value);
    if (!property || isMissing(property, value) || *property->unit == '\0') return number;
    return number + QLatin1Char(' ') + QString::fromUtf8(property->unit);
}

}  // namespace ChartProperties
