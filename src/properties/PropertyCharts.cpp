#include "PropertyCharts.h"

#include "PropertyCatalogue.h"

namespace PropertyCharts {

namespace {

// The catalogue's chartable properties, in order; built once, never changed.
const QList<const Property *> &charted()
{
    static const QList<const Property *> list = [] {
        QList<const Property *> found;
        for (const Property &property : PropertyCatalogue::all())
            if (property.chartable) found.append(&property);
        return found;
    }();
    return list;
}

const QList<PropertyInfo> &infos()
{
    static const QList<PropertyInfo> list = [] {
        QList<PropertyInfo> made;
        // Every charted property is positive where known, so 0 stands for no value; the
        // source field is unused, sources come from the property file.
        for (const Property *p : charted())
            made.append(
                {nullptr, p->label, p->unit, true, ValueSources::Field::AtomicWeight, p->key});
        return made;
    }();
    return list;
}

// The same, every temperature in °C.
const QList<PropertyInfo> &infosInCelsius()
{
    static const QList<PropertyInfo> list = [] {
        QList<PropertyInfo> made = infos();
        for (PropertyInfo &info : made)
            if (QByteArray(info.unit) == "K") {
                info.unit = "°C";
                info.celsius = true;
            }
        return made;
    }();
    return list;
}

const Property *propertyOf(int chartProperty)
{
    return isCatalogue(chartProperty) ? charted().at(chartProperty - kFirst) : nullptr;
}

}  // namespace

bool isCatalogue(int chartProperty)
{
    return chartProperty >= kFirst && chartProperty < kFirst + charted().size();
}

const PropertyInfo *find(int chartProperty, ChartProperties::TemperatureUnit unit)
{
    if (!isCatalogue(chartProperty)) return nullptr;
    const bool celsius = unit == ChartProperties::TemperatureUnit::Celsius;
    return &(celsius ? infosInCelsius() : infos()).at(chartProperty - kFirst);
}

bool logScale(int chartProperty)
{
    const Property *p = propertyOf(chartProperty);
    return p && p->scale == Property::Scale::Log;
}

bool isTemperature(int chartProperty)
{
    const PropertyInfo *info = find(chartProperty);
    return info && QByteArray(info->unit) == "K";
}

std::optional<int> byKey(const QString &key)
{
    for (int i = 0; i < charted().size(); ++i)
        if (key == QLatin1String(charted().at(i)->key)) return kFirst + i;
    return std::nullopt;
}

QStringList keys()
{
    QStringList words;
    for (const Property *p : charted()) words.append(QLatin1String(p->key));
    return words;
}

QStringList titles()
{
    QStringList names;
    for (const Property *p : charted()) names.append(PropertyCatalogue::title(*p));
    return names;
}

float value(int atomicNumber, int chartProperty)
{
    const Property *p = propertyOf(chartProperty);
    if (!p) return 0;
    return float(PropertyCatalogue::value(atomicNumber, QLatin1String(p->key)).value_or(0));
}

QString describe(int atomicNumber, int chartProperty)
{
    const Property *p = propertyOf(chartProperty);
    return p ? PropertyCatalogue::describe(atomicNumber, *p) : QString();
}

QString summary(int chartProperty, const QList<int> &atomicNumbers)
{
    const Property *p = propertyOf(chartProperty);
    return p ? PropertyCatalogue::summary(*p, atomicNumbers) : QString();
}

}  // namespace PropertyCharts
