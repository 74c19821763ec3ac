#include "PropertyCatalogue.h"

#include <QMap>
#include <cmath>

#include "PropertyFile.h"
#include "elements/ValueSources.h"

namespace {

using Kind = Property::Kind;
using Group = Property::Group;
using Scale = Property::Scale;

// 1 eV per particle in kJ/mol (CODATA 2018: e × N_A / 1000).
constexpr double kJPerMolPerEv = 96.48533212;
constexpr int kAsInFile = -1;
constexpr int kWhole = -1;

// The order within a group is the order of the element sheet. A property spanning more than
// three decades of values is charted on a logarithmic scale.
const QList<Property> kProperties = {
    {"group", "族", "", "group", "", Kind::Text, Group::Basic, 1, kWhole, kAsInFile, false,
     Scale::Linear},
    {"period", "周期", "", "period", "", Kind::Text, Group::Basic, 1, kWhole, kAsInFile, false,
     Scale::Linear},
    {"block", "区", "", "block", "", Kind::Text, Group::Basic, 1, kWhole, kAsInFile, false,
     Scale::Linear},
    {"category", "类别", "", "category", "", Kind::Text, Group::Basic, 1, kWhole, kAsInFile, false,
     Scale::Linear},
    {"cas", "CAS 登记号", "", "cas", "", Kind::Text, Group::Basic, 1, kWhole, kAsInFile, false,
     Scale::Linear},
    {"electronegativity", "电负性（鲍林）", "", "electronegativity", "", Kind::Number,
     Group::Atomic, 1, kWhole, kAsInFile, true, Scale::Linear},
    {"ionisation", "第一电离能", "kJ/mol", "ionisation_energies", "eV", Kind::List, Group::Atomic,
     kJPerMolPerEv, 0, 1, true, Scale::Linear},
    {"ionisation-ev", "第一电离能", "eV", "ionisation_energies", "eV", Kind::List, Group::Atomic, 1,
     0, kAsInFile, true, Scale::Linear},
    {"ionisation-energies", "各级电离能", "eV", "ionisation_energies", "eV", Kind::List,
     Group::Atomic, 1, kWhole, kAsInFile, false, Scale::Log},
    {"vdw-radius", "范德华半径", "pm", "vdw_radius", "pm", Kind::Number, Group::Atomic, 1, kWhole,
     kAsInFile, true, Scale::Linear},
    {"metallic-radius", "金属半径", "pm", "metallic_radius", "pm", Kind::Number, Group::Atomic, 1,
     kWhole, kAsInFile, true, Scale::Linear},
    {"crystal-structure", "晶体结构", "", "crystal_structure", "", Kind::Text, Group::Physical, 1,
     kWhole, kAsInFile, false, Scale::Linear},
    {"lattice-constant", "晶格常数", "pm", "lattice_constant", "pm", Kind::Number, Group::Physical,
     1, kWhole, kAsInFile, true, Scale::Linear},
    {"critical-temperature", "临界温度", "K", "critical_temperature", "K", Kind::Number,
     Group::Physical, 1, kWhole, kAsInFile, true, Scale::Log},
    {"critical-pressure", "临界压力", "MPa", "critical_pressure", "MPa", Kind::Number,
     Group::Physical, 1, kWhole, kAsInFile, true, Scale::Log},
    {"specific-heat", "比热容（25 °C）", "J/(g·K)", "specific_heat", "J/(g·K)", Kind::Number,
     Group::ThermalElectrical, 1, kWhole, kAsInFile, true, Scale::Log},
    {"molar-heat", "摩尔热容（25 °C）", "J/(mol·K)", "molar_heat", "J/(mol·K)", Kind::Number,
     Group::ThermalElectrical, 1, kWhole, kAsInFile, true, Scale::Linear},
    {"thermal-conductivity", "热导率（25 °C）", "W/(m·K)", "thermal_conductivity", "W/(m·K)",
     Kind::Number, Group::ThermalElectrical, 1, kWhole, kAsInFile, true, Scale::Log},
    {"resistivity", "电阻率（20 °C）", "nΩ·m", "resistivity", "nΩ·m", Kind::Number,
     Group::ThermalElectrical, 1, kWhole, kAsInFile, true, Scale::Log},
    {"abundance-crust", "地壳丰度", "mg/kg", "abundance_crust", "mg/kg", Kind::Number,
     Group::AbundanceDiscovery, 1, kWhole, kAsInFile, true, Scale::Log},
    {"abundance-sea", "海水丰度", "mg/L", "abundance_sea", "mg/L", Kind::Number,
     Group::AbundanceDiscovery, 1, kWhole, kAsInFile, true, Scale::Log},
    {"discovery-year", "发现年份", "", "discovery_year", "", Kind::Number,
     Group::AbundanceDiscovery, 1, kWhole, kAsInFile, true, Scale::Linear},
};

const QString kNoData = QStringLiteral("无数据");

const PropertyCell *cellOf(int atomicNumber, const Property &property)
{
    const PropertyCell *cell =
        PropertyFile::shipped().cell(atomicNumber, QString::fromUtf8(property.column));
    return cell && !cell->text.isEmpty() ? cell : nullptr;
}

// The number of the cell this property shows: the whole text, or one of a list.
QString numberInFile(const PropertyCell &cell, const Property &property)
{
    if (property.kind != Kind::List) return cell.text;
    const QStringList numbers = cell.text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return property.listIndex < numbers.size() ? numbers.at(property.listIndex) : QString();
}

QString withUnit(const QString &number, const Property &property)
{
    return *property.unit ? number + QLatin1Char(' ') + QString::fromUtf8(property.unit) : number;
}

const QString kSuperscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");

QString superscript(int exponent)
{
    QString text = exponent < 0 ? QStringLiteral("⁻") : QString();
    for (const QChar digit : QString::number(std::abs(exponent)))
        text += kSuperscripts.at(digit.digitValue());
    return text;
}

}  // namespace

namespace PropertyCatalogue {

const QList<Property> &all()
{
    return kProperties;
}

const Property *find(const QString &key)
{
    for (const Property &property : kProperties)
        if (key == QLatin1String(property.key)) return &property;
    return nullptr;
}

QStringList numericKeys()
{
    QStringList keys;
    for (const Property &property : kProperties)
        if (property.chartable) keys.append(QLatin1String(property.key));
    return keys;
}

QString label(const QString &key)
{
    const Property *property = find(key);
    return property ? QString::fromUtf8(property->label) : QString();
}

QString unit(const QString &key)
{
    const Property *property = find(key);
    return property ? QString::fromUtf8(property->unit) : QString();
}

bool logScale(const QString &key)
{
    const Property *property = find(key);
    return property && property->scale == Scale::Log;
}

QString title(const Property &property)
{
    const QString name = QString::fromUtf8(property.label);
    if (!*property.unit) return name;
    return QStringLiteral("%1 (%2)").arg(name, QString::fromUtf8(property.unit));
}

std::optional<double> value(int atomicNumber, const QString &key)
{
    const Property *property = find(key);
    if (!property || !property->chartable) return std::nullopt;
    const PropertyCell *cell = cellOf(atomicNumber, *property);
    if (!cell) return std::nullopt;
    const QString number = numberInFile(*cell, *property);
    bool ok = false;
    const double v = number.toDouble(&ok);
    if (!ok) return std::nullopt;
    return v * property->factor;
}

QString numberText(double value, int decimals, const QString &asInFile)
{
    if (decimals >= 0) return QString::number(value, 'f', decimals);
    const QString text = asInFile.isEmpty() ? QString::number(value, 'g', 6) : asInFile;
    const int e = text.indexOf(QLatin1Char('e'), 0, Qt::CaseInsensitive);
    if (e < 0) return text;
    return text.left(e) + QStringLiteral("×10") + superscript(text.mid(e + 1).toInt());
}

QString plainText(int atomicNumber, const Property &property)
{
    const PropertyCell *cell = cellOf(atomicNumber, property);
    if (!cell) return kNoData;
    if (property.kind == Kind::Text) return cell->text;
    if (property.kind == Kind::List && property.listIndex < 0) {
        QStringList numbers = cell->text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (QString &n : numbers) n = numberText(0, kAsInFile, n);
        return numbers.join(QStringLiteral("，"));
    }
    const QString number = numberInFile(*cell, property);
    if (number.isEmpty()) return kNoData;
    if (property.factor == 1) return numberText(0, property.decimals, number);
    return numberText(number.toDouble() * property.factor, property.decimals);
}

QString text(int atomicNumber, const Property &property)
{
    const QString plain = plainText(atomicNumber, property);
    return plain == kNoData ? plain : withUnit(plain, property);
}

QString describe(int atomicNumber, const Property &property)
{
    // A note can explain a missing value (iron's discovery year: known since antiquity).
    const PropertyCell *any =
        PropertyFile::shipped().cell(atomicNumber, QString::fromUtf8(property.column));
    const QString note =
        any && !any->note.isEmpty() ? QStringLiteral("\n注：") + any->note : QString();
    const PropertyCell *cell = cellOf(atomicNumber, property);
    if (!cell) return QStringLiteral("来源：无（没有数值）") + note;
    QStringList names;
    for (const QString &code : cell->source.split(QLatin1Char('+'), Qt::SkipEmptyParts)) {
        const QString name = ValueSources::fullName(code);
        names.append(name.isEmpty() ? QStringLiteral("未记录（%1）").arg(code) : name);
    }
    return QStringLiteral("来源：") + names.join(QStringLiteral("；")) + note;
}

QString sourceNames(int atomicNumber, const Property &property)
{
    const PropertyCell *cell = cellOf(atomicNumber, property);
    if (!cell) return QString();
    QStringList names;
    for (const QString &code : cell->source.split(QLatin1Char('+'), Qt::SkipEmptyParts))
        names.append(ValueSources::shortName(code));
    return names.join(QStringLiteral("、"));
}

QString summary(const Property &property, const QList<int> &atomicNumbers)
{
    QMap<QString, int> counts;
    int none = 0;
    for (const int z : atomicNumbers) {
        const PropertyCell *cell = cellOf(z, property);
        if (cell && !numberInFile(*cell, property).isEmpty())
            ++counts[cell->source];
        else
            ++none;
    }
    QStringList parts;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        parts.append(
            QStringLiteral("%1 %2").arg(ValueSources::shortName(it.key())).arg(it.value()));
    if (none > 0) parts.append(QStringLiteral("无数据 %1").arg(none));
    return QStringLiteral("来源：") + parts.join(QStringLiteral("，"));
}

}  // namespace PropertyCatalogue
