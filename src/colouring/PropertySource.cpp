#include "PropertyValues.h"

#include "elements/ChartProperties.h"
#include "files/ElementFile.h"
#include "properties/PropertyCatalogue.h"

// The nine properties of the chart toolbar, read the way the chart reads them (the last
// record of each element in the data file, a 0 that stands for no value left out), then
// the numbers of the element sheet's catalogue.

namespace PropertySource {

QVector<PropertyChoice> choices()
{
    QVector<PropertyChoice> list;
    for (int n = 0; n < ChartProperties::kCount; ++n) {
        const PropertyInfo *property = ChartProperties::find(n);
        list.append({QString::fromLatin1(property->key), QString::fromUtf8(property->name)});
    }
    for (const QString &key : PropertyCatalogue::numericKeys())
        list.append({key, PropertyCatalogue::label(key)});
    return list;
}

namespace {

std::optional<PropertyValues> loadFromCatalogue(const QString &key)
{
    if (!PropertyCatalogue::numericKeys().contains(key)) return std::nullopt;
    PropertyValues values;
    values.key = key;
    values.label = PropertyCatalogue::label(key);
    values.unit = PropertyCatalogue::unit(key);
    values.logScale = PropertyCatalogue::logScale(key);
    for (int n = 1; n <= mod_Vantrel::kElementCount; ++n)
        values.setValue(n, PropertyCatalogue::value(n, key));
    return values;
}

}  // namespace

std::optional<PropertyValues> load(const QString &key)
{
    const std::optional<int> number = ChartProperties::byKey(key);
    if (!number) return loadFromCatalogue(key);
    const PropertyInfo *property = ChartProperties::find(*number);
    PropertyValues values;
    values.key = key;
    values.label = QString::fromUtf8(property->name);
    values.unit = QString::fromUtf8(property->unit);
    for (const mod_Vantrel::ElementRecordType &record : ElementFile::latestRecords()) {
        const double value = record.*(property->field);
        if (!ChartProperties::isMissing(property, value))
            values.setValue(record.AtomicNumber, value);
    }
    return values;
}

}  // namespace PropertySource
