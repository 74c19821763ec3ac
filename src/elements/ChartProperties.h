#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "ValueSources.h"
#include "files/ModVantrel.h"

// The nine properties a chart can show, by chart property number 0 to 8: which record field
// holds it, what a Chinese chemistry textbook calls it, its unit as the element data file
// holds it (data/SOURCES.md), whether the file's 0 means "no value known", and the word
// that names it on the command line. The two temperatures can also be shown in °C.
struct PropertyInfo {
    float mod_Vantrel::ElementRecordType::*field;
    const char *name;  // UTF-8
    const char *unit;  // UTF-8; empty for a property without a unit
    bool zeroMeansNoData;
    ValueSources::Field source;  // where each element's value comes from
    const char *key;             // e.g. "melting"
    bool celsius = false;        // the file's kelvin shown in degrees Celsius
};

namespace ChartProperties {

constexpr int kCount = 9;

enum class TemperatureUnit { Kelvin, Celsius };

// The property charted for `chartProperty`; nullptr outside 0..8. The melting and boiling
// points come in °C for TemperatureUnit::Celsius, every other property as the file has it.
const PropertyInfo *find(int chartProperty, TemperatureUnit unit = TemperatureUnit::Kelvin);
// Whether the property may be shown in either temperature unit.
bool isTemperature(int chartProperty);

// The chart property a command-line word names ("melting": 1); nullopt for none.
std::optional<int> byKey(const QString &key);
// The nine words in chart property order.
QStringList keys();

// Name and unit as the chart's heading shows them: "熔点 (K)", or the name alone.
QString title(const PropertyInfo &property);

// Whether the file's `value` is a 0 that stands for a value nobody knows.
bool isMissing(const PropertyInfo *property, double value);
// A value from the file as the chart draws it: in °C where the property says so, 0 for a
// missing value. Without a property, the value itself.
double shownValue(const PropertyInfo *property, double value);
// The number as text ("1538"), or "无数据" for a 0 that stands for a missing value.
QString numberText(const PropertyInfo *property, float value);
// A charted value as its tooltip shows it: numberText() and the unit ("1811 K"), or
// "无数据". Without a property, the bare number.
QString valueText(const PropertyInfo *property, float value);

}  // namespace ChartProperties
