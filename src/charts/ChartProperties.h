#pragma once

#include <QString>

#include "data/ModVantrel.h"
#include "data/ValueSources.h"

// The nine properties a chart can show, by chart property number 0 to 8: which record field
// holds it, what a Chinese chemistry textbook calls it, its unit as the element data file
// holds it (data/SOURCES.md), and whether the file's 0 means "no value known".
struct PropertyInfo {
    float mod_Vantrel::ElementRecordType::*field;
    const char *name;  // UTF-8
    const char *unit;  // UTF-8; empty for a property without a unit
    bool zeroMeansNoData;
    ValueSources::Field source;  // where each element's value comes from
};

namespace ChartProperties {

constexpr int kCount = 9;

// The property charted for `chartProperty`; nullptr outside 0..8.
const PropertyInfo *find(int chartProperty);

// Name and unit as the chart's heading shows them: "熔点 (K)", or the name alone.
QString title(const PropertyInfo &property);

// A charted value as its tooltip shows it: the number by singleText() and the unit
// ("1811 K"), or "无数据" for a 0 that stands for a missing value. Without a property,
// the bare number.
QString valueText(const PropertyInfo *property, float value);

}  // namespace ChartProperties
