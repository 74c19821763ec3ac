#pragma once

#include <QList>
#include <QString>
#include <optional>

// What the program knows about each property of Data/Properties.csv: one entry per
// property, so adding a property is one entry here plus its column in data/.
struct Property {
    enum class Kind { Number, Text, List };
    enum class Scale { Linear, Log };
    // The groups of the element sheet, in the order it shows them.
    enum class Group { Basic, Atomic, Physical, ThermalElectrical, AbundanceDiscovery };

    const char *key;       // command line and charts: "electronegativity"
    const char *label;     // UTF-8 Chinese: "电负性"
    const char *unit;      // UTF-8, as shown; empty for none
    const char *column;    // the file's column: "ionisation_energies"
    const char *fileUnit;  // the unit in that column's heading
    Kind kind;
    Group group;
    double factor;   // file unit to shown unit (eV to kJ/mol: 96.485 332 12)
    int listIndex;   // which number of a List column the property is; -1 for all of them
    int decimals;    // decimals shown; -1: the digits of the file
    bool chartable;  // a number for every element that can be drawn as a bar
    Scale scale;     // how a chart or a colour scale spreads the values
};

namespace PropertyCatalogue {

// Every property, in the order the element sheet lists them within a group.
const QList<Property> &all();
// The property with this key; nullptr for none.
const Property *find(const QString &key);
// The keys of the properties that can be charted, in catalogue order.
QStringList numericKeys();

QString label(const QString &key);
QString unit(const QString &key);
bool logScale(const QString &key);
// "热导率 (W/(m·K))", or the label alone for a property without a unit.
QString title(const Property &property);

// The element's value in the shown unit; nullopt where no source gives one, for a text
// property and an unknown key. Reads Data/Properties.csv when first asked (DataError).
std::optional<double> value(int atomicNumber, const QString &key);
// The value as shown without its unit ("80.4", "体心立方"), or "无数据".
QString plainText(int atomicNumber, const Property &property);
// The value as shown with its unit ("80.4 W/(m·K)", "体心立方"), or "无数据".
QString text(int atomicNumber, const Property &property);
// The source's full Chinese name(s) and the notes, as a tooltip's lines ("来源：…" and
// "注：…"); "来源：无（没有数值）" without a value.
QString describe(int atomicNumber, const Property &property);
// The short names of the value's sources ("mendeleev 库（引 CRC）"); empty without a value.
QString sourceNames(int atomicNumber, const Property &property);
// The short source line a chart shows under its bars ("来源：mendeleev 库（引 CRC）85，无数据 24").
QString summary(const Property &property, const QList<int> &atomicNumbers);

// A number as the sheet writes it: the file's digits, an exponent as "7×10⁻⁶".
QString numberText(double value, int decimals, const QString &asInFile = QString());

}  // namespace PropertyCatalogue
