#pragma once

#include <QString>
#include <QVector>
#include <array>
#include <optional>

#include "files/ModVantrel.h"

// One numeric property of every element, as the table is coloured by it.
struct PropertyValues {
    QString key;    // the word the command line names it by: "melting"
    QString label;  // what the table says of it: "熔点"
    QString unit;   // "K"; empty for a property without a unit
    // Best seen on a logarithmic scale whatever its span (an abundance, say).
    bool logScale = false;
    // By atomic number - 1; nullopt where nobody knows the value.
    std::array<std::optional<double>, mod_Vantrel::kElementCount> values;

    // nullopt outside 1..109 as well.
    std::optional<double> value(int atomicNumber) const;
    void setValue(int atomicNumber, std::optional<double> value);
    // The value as the table writes it: "1811 K", "1.83", "无数据".
    QString valueText(int atomicNumber) const;
    // What a cell adds to its name and tooltip: "熔点 1811 K".
    QString said(int atomicNumber) const;
};

// A property the table can be coloured by, as a list offers it.
struct PropertyChoice {
    QString key;
    QString label;
};

// Where the values come from. The only place that knows: the rest of the colouring sees
// PropertyValues alone.
namespace PropertySource {

// Every property that can colour the table, in the order a list offers them; nothing is
// read for this.
QVector<PropertyChoice> choices();
// Every element's value of the property `key` names; nullopt for a key not among choices().
// Reads the element data file; throws DataError when it cannot be read.
std::optional<PropertyValues> load(const QString &key);

}  // namespace PropertySource
