#include "ElementSheet.h"

#include <QMimeData>
#include <QStringList>

#include "PropertyCatalogue.h"
#include "elements/ChartProperties.h"
#include "elements/ElementCard.h"
#include "elements/ValueSources.h"

using mod_Vantrel::ElementRecordType;
using ValueSources::Field;

namespace ElementSheet {

namespace {

const QStringList kGroupTitles = {QStringLiteral("基本"), QStringLiteral("原子"),
                                  QStringLiteral("物理"), QStringLiteral("热学与电学"),
                                  QStringLiteral("丰度与发现")};

// Chart property numbers of the element file's values (ChartProperties), by group.
constexpr int kWeight = 0, kMelting = 1, kBoiling = 2, kDensity = 3, kAtomicRadius = 4,
              kCovalentRadius = 5, kAffinity = 6, kFusion = 7, kVaporisation = 8;

// The card's line for `quantity` ("熔点 1811.15 K（1538 °C）"), without the quantity: the
// card is the one place these values are written as the panel writes them.
QString cardValue(const ElementRecordType &record, const QString &quantity)
{
    const QString prefix = quantity + QLatin1Char(' ');
    for (const QString &line : ElementCard::text(record).split(QLatin1Char('\n')))
        if (line.startsWith(prefix)) return line.mid(prefix.size());
    return QString();
}

Row fileRow(const ElementRecordType &record, int chartProperty)
{
    const PropertyInfo *info = ChartProperties::find(chartProperty);
    const float value = record.*(info->field);
    const bool has = !ChartProperties::isMissing(info, value);
    const QString source = ValueSources::sourceCode(record.AtomicNumber, info->source);
    QString shown = ChartProperties::valueText(info, value);
    if (ChartProperties::isTemperature(chartProperty))
        shown = cardValue(record, QString::fromUtf8(info->name));
    return {QString::fromUtf8(info->name), shown, has ? ValueSources::shortName(source) : QString(),
            ValueSources::describe(record.AtomicNumber, info->source, has)};
}

Row cardRow(const ElementRecordType &record, const QString &quantity, Field field)
{
    const QString value = cardValue(record, quantity);
    const bool has = value != QLatin1String("无数据");
    const QString source = ValueSources::sourceCode(record.AtomicNumber, field);
    return {quantity, value, has ? ValueSources::shortName(source) : QString(),
            ValueSources::describe(record.AtomicNumber, field, has)};
}

// The element file's values, placed in the sheet's groups; beyond the card, only those the
// card leaves out.
void addFileRows(const ElementRecordType &r, QList<Group> &groups, Part part)
{
    const QString none;
    const bool whole = part == Part::Whole;
    if (whole) {
        groups[0].rows << Row{QStringLiteral("名称"), r.ElementName + QLatin1Char(' ') + r.Symbol,
                              none, none}
                       << Row{QStringLiteral("原子序数"), QString::number(r.AtomicNumber), none,
                              none}
                       << fileRow(r, kWeight);
        groups[1].rows << cardRow(r, QStringLiteral("电子结构"), Field::Configuration)
                       << cardRow(r, QStringLiteral("氧化态"), Field::StableOxidationStates);
    }
    groups[1].rows << fileRow(r, kAffinity) << fileRow(r, kAtomicRadius)
                   << fileRow(r, kCovalentRadius);
    if (whole)
        groups[2].rows << fileRow(r, kDensity) << fileRow(r, kMelting) << fileRow(r, kBoiling);
    groups[3].rows << fileRow(r, kFusion) << fileRow(r, kVaporisation);
}

void addPropertyRows(int atomicNumber, QList<Group> &groups)
{
    for (const Property &property : PropertyCatalogue::all())
        groups[int(property.group)].rows << Row{
            QString::fromUtf8(property.label), PropertyCatalogue::text(atomicNumber, property),
            PropertyCatalogue::sourceNames(atomicNumber, property),
            PropertyCatalogue::describe(atomicNumber, property)};
}

QString cell(const QString &tag, const QString &text)
{
    return QStringLiteral("<%1>%2</%1>")
        .arg(tag, text.toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>")));
}

}  // namespace

QList<Group> groups(const ElementRecordType &record, Part part)
{
    QList<Group> result;
    for (const QString &title : kGroupTitles) result.append(Group{title, {}});
    addFileRows(record, result, part);
    addPropertyRows(record.AtomicNumber, result);
    return result;
}

QString speech(const Row &row)
{
    QString spoken = row.label + QLatin1Char(' ') + row.value;
    if (!row.about.isEmpty())
        spoken += QStringLiteral("，") +
                  QString(row.about).replace(QLatin1Char('\n'), QStringLiteral("；"));
    return spoken;
}

QString text(const QList<Group> &groups)
{
    QStringList lines;
    for (const Group &group : groups) {
        lines << group.title;
        for (const Row &row : group.rows)
            lines << QStringLiteral("  ") + row.label + QLatin1Char(' ') + row.value;
    }
    return lines.join(QLatin1Char('\n'));
}

QString html(const QString &heading, const QList<Group> &groups)
{
    QString table = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">") +
                    QStringLiteral("<caption>%1</caption>").arg(heading.toHtmlEscaped()) +
                    QStringLiteral("<tr><th>性质</th><th>数值</th><th>来源与注</th></tr>");
    for (const Group &group : groups) {
        table +=
            QStringLiteral("<tr><th colspan=\"3\">%1</th></tr>").arg(group.title.toHtmlEscaped());
        for (const Row &row : group.rows)
            table += QStringLiteral("<tr>") + cell(QStringLiteral("td"), row.label) +
                     cell(QStringLiteral("td"), row.value) + cell(QStringLiteral("td"), row.about) +
                     QStringLiteral("</tr>");
    }
    return table + QStringLiteral("</table>");
}

QMimeData *mimeData(const ElementRecordType &record)
{
    const QList<Group> all = groups(record);
    const QString heading = record.ElementName + QLatin1Char(' ') + record.Symbol;
    auto *data = new QMimeData;
    data->setText(heading + QLatin1Char('\n') + text(all));
    data->setHtml(html(heading, all));
    return data;
}

}  // namespace ElementSheet
