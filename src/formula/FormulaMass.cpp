#include "FormulaMass.h"

#include "files/ElementFile.h"

#include <QtMath>
#include <algorithm>
#include <climits>
#include <cmath>

using Formula::kDeuterium;
using Formula::kTritium;

namespace FormulaMass {

namespace {

// Relative atomic masses of the hydrogen isotopes (atomic mass evaluation, as listed in
// the isotope table of the mendeleev package); their uncertainties are far below what any
// result shows.
constexpr double kDeuteriumMass = 2.014101777844;
constexpr double kTritiumMass = 3.01604928132;
constexpr int kIsotopeDecimals = 6;
// Relative atomic mass of the electron, CODATA 2018.
constexpr double kElectronMass = 5.48579909065e-4;
constexpr int kPercentDecimals = 2;

// How far a true atomic weight may lie from the standard one: the bounds of the interval
// for elements whose weight varies in nature, else the stated uncertainty. From the CIAAW
// table "Standard Atomic Weights 2021" (ciaaw.org/atomic-weights.htm) for hydrogen to
// iodine, and the 2021 changes for Yb, Hf, Ir and Pb (Prohaska et al., Pure Appl. Chem.
// 94, 573 (2022), abstract). Zr, Gd and Lu were revised in 2024 and other elements are
// not listed here: their uncertainty counts as unknown.
struct Spread {
    int atomicNumber;
    double low;   // interval, or value − uncertainty
    double high;  // interval, or value + uncertainty
};
constexpr Spread interval(int z, double low, double high)
{
    return {z, low, high};
}
constexpr Spread plusMinus(int z, double value, double uncertainty)
{
    return {z, value - uncertainty, value + uncertainty};
}
const Spread kSpreads[] = {
    interval(1, 1.00784, 1.00811),      plusMinus(2, 4.002602, 0.000002),
    interval(3, 6.938, 6.997),          plusMinus(4, 9.0121831, 0.0000005),
    interval(5, 10.806, 10.821),        interval(6, 12.0096, 12.0116),
    interval(7, 14.00643, 14.00728),    interval(8, 15.99903, 15.99977),
    plusMinus(9, 18.998403162, 5e-9),   plusMinus(10, 20.1797, 0.0006),
    plusMinus(11, 22.98976928, 2e-8),   interval(12, 24.304, 24.307),
    plusMinus(13, 26.9815384, 3e-7),    interval(14, 28.084, 28.086),
    plusMinus(15, 30.973761998, 5e-9),  interval(16, 32.059, 32.076),
    interval(17, 35.446, 35.457),       interval(18, 39.792, 39.963),
    plusMinus(19, 39.0983, 0.0001),     plusMinus(20, 40.078, 0.004),
    plusMinus(21, 44.955907, 0.000004), plusMinus(22, 47.867, 0.001),
    plusMinus(23, 50.9415, 0.0001),     plusMinus(24, 51.9961, 0.0006),
    plusMinus(25, 54.938043, 0.000002), plusMinus(26, 55.845, 0.002),
    plusMinus(27, 58.933194, 0.000003), plusMinus(28, 58.6934, 0.0004),
    plusMinus(29, 63.546, 0.003),       plusMinus(30, 65.38, 0.02),
    plusMinus(31, 69.723, 0.001),       plusMinus(32, 72.630, 0.008),
    plusMinus(33, 74.921595, 0.000006), plusMinus(34, 78.971, 0.008),
    interval(35, 79.901, 79.907),       plusMinus(36, 83.798, 0.002),
    plusMinus(37, 85.4678, 0.0003),     plusMinus(38, 87.62, 0.01),
    plusMinus(39, 88.905838, 0.000002), plusMinus(41, 92.90637, 0.00001),
    plusMinus(42, 95.95, 0.01),         plusMinus(44, 101.07, 0.02),
    plusMinus(45, 102.90549, 0.00002),  plusMinus(46, 106.42, 0.01),
    plusMinus(47, 107.8682, 0.0002),    plusMinus(48, 112.414, 0.004),
    plusMinus(49, 114.818, 0.001),      plusMinus(50, 118.710, 0.007),
    plusMinus(51, 121.760, 0.001),      plusMinus(52, 127.60, 0.03),
    plusMinus(53, 126.90447, 0.00003),  plusMinus(70, 173.045, 0.010),
    plusMinus(72, 178.486, 0.006),      plusMinus(77, 192.217, 0.002),
    interval(82, 206.14, 207.94),
};

// How far the true weight may be from `weight`, the program's own; -1 when not known.
// The file's weight is rounded to seven digits, so the distance counts from it.
double reachOf(int kind, double weight)
{
    if (kind == kDeuterium || kind == kTritium) return 0;
    const auto *spread = std::find_if(std::begin(kSpreads), std::end(kSpreads),
                                      [kind](const Spread &s) { return s.atomicNumber == kind; });
    if (spread == std::end(kSpreads)) return -1;
    return qMax(weight - spread->low, spread->high - weight);
}

int decimalsOf(const QString &number)
{
    const int point = number.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : int(number.size() - point - 1);
}

// A mass number stands where no standard weight exists: the file writes it whole.
bool isMassNumber(int kind, const QString &weightText)
{
    return kind <= mod_Vantrel::kElementCount && !weightText.contains(QLatin1Char('.'));
}

// The uncertainty rounded up to one significant digit, and the decimals it leaves.
int roundUncertainty(double &uncertainty)
{
    if (uncertainty <= 0) return kIsotopeDecimals;
    const int decimals = -int(std::floor(std::log10(uncertainty)));
    const double unit = std::pow(10.0, -decimals);
    uncertainty = std::ceil(uncertainty / unit - 1e-9) * unit;
    return qMax(0, decimals - (uncertainty >= 10 * unit - 1e-12 ? 1 : 0));
}

QString fixed(double value, int decimals)
{
    return QString::number(value, 'f', decimals);
}

void addNotes(Result &result, const QStringList &massNumbers, const QStringList &unknown)
{
    if (result.charge != 0) {
        const int electrons = qAbs(result.charge);
        result.notes.append(
            QStringLiteral("电荷 %1%2：%3 %4 个电子的质量 %5 g/mol")
                .arg(electrons == 1 ? QString() : QString::number(electrons))
                .arg(result.charge > 0 ? QStringLiteral("+") : QStringLiteral("−"))
                .arg(result.charge > 0 ? QStringLiteral("减去") : QStringLiteral("加上"))
                .arg(electrons)
                .arg(QString::number(electrons * kElectronMass, 'f', 6)));
    }
    if (!massNumbers.isEmpty())
        result.notes.append(
            QStringLiteral("%1没有标准原子量，用的是最长寿命同位素的质量数，结果只是近似值")
                .arg(massNumbers.join(QStringLiteral("、"))));
    if (!unknown.isEmpty())
        result.notes.append(QStringLiteral("%1的原子量没有不确定度数据，结果未注不确定度")
                                .arg(unknown.join(QStringLiteral("、"))));
}

}  // namespace

Weights Weights::fromFile()
{
    Weights weights;
    for (const mod_Vantrel::ElementRecordType &record : ElementFile::latestRecords()) {
        const int z = record.AtomicNumber;
        if (z < 1 || z > mod_Vantrel::kElementCount || record.AtomicWeight <= 0) continue;
        // Seven digits, as the file is written: the float read back gives the same text.
        weights.text[z] = QString::number(double(record.AtomicWeight), 'g', 7);
        weights.value[z] = weights.text[z].toDouble();
        weights.name[z] = record.ElementName;
    }
    weights.value[kDeuterium] = kDeuteriumMass;
    weights.text[kDeuterium] = fixed(kDeuteriumMass, kIsotopeDecimals);
    weights.name[kDeuterium] = QStringLiteral("氘");
    weights.value[kTritium] = kTritiumMass;
    weights.text[kTritium] = fixed(kTritiumMass, kIsotopeDecimals);
    weights.name[kTritium] = QStringLiteral("氚");
    return weights;
}

Result compute(const Formula::Parsed &parsed, const Weights &weights)
{
    Result result;
    result.charge = parsed.charge;
    double atomsMass = 0;
    double uncertainty = 0;
    int decimals = INT_MAX;
    QStringList massNumbers;
    QStringList unknown;
    for (const Formula::Atoms &atoms : parsed.atoms) {
        const int kind = atoms.kind;
        const QString &weightText = weights.text[kind];
        Line line{kind,
                  Formula::symbolOf(kind),
                  weights.name[kind],
                  atoms.count,
                  weightText,
                  0,
                  QString(),
                  0,
                  isMassNumber(kind, weightText)};
        if (weightText.isEmpty()) {
            line.weightText = QStringLiteral("—");
            unknown.append(line.symbol);
            uncertainty = -1;
        } else {
            line.mass = double(atoms.count) * weights.value[kind];
            line.massText = fixed(line.mass, decimalsOf(weightText));
            atomsMass += line.mass;
        }
        const double reach = reachOf(kind, weights.value[kind]);
        if (line.massNumber) {
            massNumbers.append(line.name);
        } else if (!weightText.isEmpty()) {
            decimals = qMin(decimals, decimalsOf(weightText));
            if (reach < 0) unknown.append(line.name);
        }
        if (reach < 0 || line.massNumber || uncertainty < 0)
            uncertainty = -1;
        else
            uncertainty += double(atoms.count) * reach;
        result.lines.append(line);
    }
    for (Line &line : result.lines) line.percent = atomsMass > 0 ? 100 * line.mass / atomsMass : 0;
    result.molarMass = atomsMass - parsed.charge * kElectronMass;
    if (decimals == INT_MAX) decimals = 0;  // mass numbers only
    if (uncertainty >= 0) decimals = qMin(decimals, roundUncertainty(uncertainty));
    result.uncertainty = uncertainty;
    result.decimals = decimals;
    result.massText = fixed(result.molarMass, decimals);
    if (uncertainty > 0) result.massText += QStringLiteral(" ± ") + fixed(uncertainty, decimals);
    addNotes(result, massNumbers, unknown);
    return result;
}

QString text(const Result &result)
{
    QStringList lines{QStringLiteral("摩尔质量\t%1\tg/mol").arg(result.massText),
                      QStringLiteral("元素\t原子数\t原子量\t质量 (g/mol)\t质量分数 (%)")};
    for (const Line &line : result.lines)
        lines.append(QStringList{line.symbol, QString::number(line.count), line.weightText,
                                 line.massText, fixed(line.percent, kPercentDecimals)}
                         .join(QLatin1Char('\t')));
    for (const QString &note : result.notes) lines.append(QStringLiteral("注\t") + note);
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QString html(const QString &formula, const Result &result)
{
    QString rows;
    for (const Line &line : result.lines)
        rows +=
            QStringLiteral("<tr><td>%1 %2</td><td>%3</td><td>%4</td><td>%5</td><td>%6</td></tr>")
                .arg(line.name.toHtmlEscaped(), line.symbol, QString::number(line.count),
                     line.weightText, line.massText, fixed(line.percent, kPercentDecimals));
    QString notes;
    for (const QString &note : result.notes)
        notes += QStringLiteral("<p>%1</p>").arg(note.toHtmlEscaped());
    return QStringLiteral(
               "<p>%1：%2 g/mol</p><table border=\"1\" cellspacing=\"0\">"
               "<tr><th>元素</th><th>原子数</th><th>原子量</th><th>质量 (g/mol)</th>"
               "<th>质量分数 (%)</th></tr>%3</table>%4")
        .arg(formula.toHtmlEscaped(), result.massText, rows, notes);
}

}  // namespace FormulaMass
