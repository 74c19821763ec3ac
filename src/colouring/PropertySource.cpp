#include "PropertyValues.h"

#include "data/ChartProperties.h"
#include "data/ElementFile.h"

// Today the nine properties of the chart toolbar, read the way the chart reads them: the
// last record of each element in the data file, a 0 that stands for no value left out.

namespace PropertySource {

QVector<PropertyChoice> choices()
{
    QVector<PropertyChoice> list;
    for (int n = 0; n < ChartProperties::kCount; ++n) {
        const PropertyInfo *property = ChartProperties::find(n);
        list.append({QString::fromLatin1(property->key), QString::fromUtf8(property->name)});
    }
    return list;
}

std::optional<PropertyValues> load(const QString &key)
{
    const std::optional<int> number = ChartProperties::byKey(key);
    if (!number) return std::nullopt;
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
