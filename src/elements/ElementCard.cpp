#include "ElementCard.h"

#include <QMimeData>
#include <QStringList>
#include <QVector>
#include <QtGlobal>
#include <cmath>

#include "PhaseAtTemperature.h"
#include "files/NumberText.h"

using mod_Vantrel::ElementRecordType;

namespace ElementCard {

namespace {

constexpr int kCelsiusOffsetDecimals = 2;
const QString kNoData = QStringLiteral("无数据");

struct Line {
    QString quantity;
    QString value;      // plain text
    QString valueHtml;  // escaped; empty: the plain value escaped
};

// Atomic weight, temperatures and density are positive for every real element, so the data
// file's 0 in these fields is a gap in the data (as in the chart property table).
QString positiveOrNoData(float value, const QString &unit = QString())
{
    if (value == 0) return kNoData;
    return unit.isEmpty() ? singleText(value) : singleText(value) + QLatin1Char(' ') + unit;
}

QString oxidationText(const ElementRecordType &r)
{
    const QString stable = oxidationFieldText(r.StableOxidationStates);
    QString other = oxidationFieldText(r.OxidationStates);
    // The file leads the other states with "#" so that the panel shows a comma after the
    // main ones; here the two lists stand apart.
    while (other.startsWith(QLatin1Char(','))) other.remove(0, 1);
    if (stable.isEmpty()) return other.isEmpty() ? kNoData : other;
    const QString main = stable + QStringLiteral("（常见）");
    return other.isEmpty() ? main : main + QStringLiteral("，") + other;
}

struct Shell {
    QString subshell, count;
};

// The pairs the panel shows, with its rule that a piece reading "0" is blank.
QVector<Shell> shownShells(const ElementRecordType &r)
{
    const QString texts[] = {r.EConfigText1, r.EConfigText2, r.EConfigText3, r.EConfigText4};
    const qint16 counts[] = {r.EConfigCount1, r.EConfigCount2, r.EConfigCount3, r.EConfigCount4};
    const QString zero = QStringLiteral("0");
    QVector<Shell> shells;
    for (int i = 0; i < 4; ++i) {
        Shell shell{texts[i], integerText(counts[i])};
        if (shell.subshell == zero) shell.subshell.clear();
        if (shell.count == zero) shell.count.clear();
        if (!shell.subshell.isEmpty() || !shell.count.isEmpty()) shells.append(shell);
    }
    return shells;
}

// The counts are superscripts on the panel: in HTML they stay so.
void configTexts(const ElementRecordType &r, QString *plain, QString *html)
{
    QStringList plainParts, htmlParts;
    for (const Shell &shell : shownShells(r)) {
        plainParts << shell.subshell + shell.count;
        htmlParts << shell.subshell.toHtmlEscaped() + QStringLiteral("<sup>") +
                         shell.count.toHtmlEscaped() + QStringLiteral("</sup>");
    }
    *plain = plainParts.isEmpty() ? kNoData : plainParts.join(QLatin1Char(' '));
    *html = plainParts.isEmpty() ? kNoData : htmlParts.join(QLatin1Char(' '));
}

QVector<Line> valueLines(const ElementRecordType &r)
{
    QString config, configHtml;
    configTexts(r, &config, &configHtml);
    return {
        {QStringLiteral("原子序数"), integerText(r.AtomicNumber), {}},
        {QStringLiteral("原子量"), positiveOrNoData(r.AtomicWeight), {}},
        {QStringLiteral("熔点"), temperatureText(r.MeltingPoint), {}},
        {QStringLiteral("沸点"), temperatureText(r.BoilingPoint), {}},
        {QStringLiteral("密度"), positiveOrNoData(r.Density, QStringLiteral("g/cm³")), {}},
        {QStringLiteral("氧化态"), oxidationText(r), {}},
        {QStringLiteral("电子结构"), config, configHtml},
    };
}

QString heading(const ElementRecordType &r)
{
    return r.ElementName + QLatin1Char(' ') + r.Symbol;
}

}  // namespace

float celsius(float kelvin)
{
    // From the kelvin as shown, in its own decimals: a single's 273.15 is 273.149994, and
    // 273.15 K must read 0 °C, not -6.103516E-06.
    const QString shown = singleText(kelvin, QLocale::c());
    const qsizetype point = shown.indexOf(QLatin1Char('.'));
    int decimals = kCelsiusOffsetDecimals;
    if (point >= 0 && !shown.contains(QLatin1Char('E')))
        decimals = qMax(decimals, int(shown.size() - point - 1));
    const double scale = std::pow(10.0, decimals);
    return float(std::round((shown.toDouble() - PhaseAtTemperature::kCelsiusZero) * scale) / scale);
}

QString celsiusText(float kelvin)
{
    return singleText(celsius(kelvin));
}

QString temperatureText(float kelvin)
{
    if (kelvin == 0) return kNoData;
    return QStringLiteral("%1 K（%2 °C）").arg(singleText(kelvin), celsiusText(kelvin));
}

QString oxidationFieldText(const QString &field)
{
    const QChar separator = QLatin1Char('#');
    if (field.mid(field.lastIndexOf(separator) + 1) == QLatin1String("-")) return QString();
    QString text = field;
    return text.replace(separator, QLatin1Char(','));
}

QString text(const ElementRecordType &record)
{
    QStringList lines{heading(record)};
    for (const Line &line : valueLines(record))
        lines << line.quantity + QLatin1Char(' ') + line.value;
    return lines.join(QLatin1Char('\n'));
}

QString html(const ElementRecordType &record)
{
    // The charset is named: office programs otherwise guess it from the system.
    QString out = QStringLiteral(
                      "<html><head><meta charset=\"utf-8\"></head><body><table border=\"1\">"
                      "<tr><th colspan=\"2\">%1</th></tr>")
                      .arg(heading(record).toHtmlEscaped());
    for (const Line &line : valueLines(record)) {
        const QString value =
            line.valueHtml.isEmpty() ? line.value.toHtmlEscaped() : line.valueHtml;
        out += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                   .arg(line.quantity.toHtmlEscaped(), value);
    }
    return out + QStringLiteral("</table></body></html>");
}

QMimeData *mimeData(const ElementRecordType &record)
{
    auto *data = new QMimeData;
    data->setText(text(record));
    data->setHtml(html(record));
    return data;
}

}  // namespace ElementCard
