#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "elements/ChartProperties.h"

// The catalogue's chartable properties as chart properties, numbered from kFirst on in
// catalogue order, beside the nine of the element file (0 to 8): the chart, its exports
// and the command line take either kind of number.
namespace PropertyCharts {

constexpr int kFirst = 100;

bool isCatalogue(int chartProperty);
// Heading name, unit and key as the chart shows them; its `field` is null (the value is
// not in the element record) and a missing value is 0. A temperature comes in °C for
// TemperatureUnit::Celsius. nullptr for any other number.
const PropertyInfo *find(int chartProperty, ChartProperties::TemperatureUnit unit =
                                                ChartProperties::TemperatureUnit::Kelvin);
// Whether its values span so many decades that a chart draws them on powers of ten.
bool logScale(int chartProperty);
// Whether the property is a temperature in K that may be shown in °C too.
bool isTemperature(int chartProperty);
// The number for a command-line key ("electronegativity"); nullopt for none.
std::optional<int> byKey(const QString &key);
QStringList keys();
// The chart titles ("电负性（鲍林）", "热导率（25 °C） (W/(m·K))") in number order.
QStringList titles();

// The element's value as charted, 0 where no source gives one (Data/Properties.csv is
// read when first asked; DataError).
float value(int atomicNumber, int chartProperty);
// A bar's tooltip lines: sources and notes.
QString describe(int atomicNumber, int chartProperty);
// The line under the chart's heading.
QString summary(int chartProperty, const QList<int> &atomicNumbers);

}  // namespace PropertyCharts
