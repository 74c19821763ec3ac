#include "IsotopeText.h"

#include "elements/ElementNames.h"

#include <QHash>
#include <QRegularExpression>
#include <cmath>
#include <limits>

namespace Isotopes::Text {

namespace {

struct Unit {
    const char *code;
    double toShown;     // the value times this is in `shown`
    const char *shown;  // Chinese unit
    double seconds;     // one `code` in seconds
};

constexpr double kYear = 365.2422 * 86400;  // the year of the half-lives
// Below a nanosecond, prefixes few readers know: the second with a power of ten.
const Unit kUnits[] = {
    {"ys", 1e-24, "秒", 1e-24},
    {"zs", 1e-21, "秒", 1e-21},
    {"as", 1e-18, "秒", 1e-18},
    {"ps", 1e-12, "秒", 1e-12},
    {"ns", 1, "纳秒", 1e-9},
    {"us", 1, "微秒", 1e-6},
    {"ms", 1, "毫秒", 1e-3},
    {"s", 1, "秒", 1},
    {"min", 1, "分钟", 60},
    {"h", 1, "小时", 3600},
    {"d", 1, "天", 86400},
    {"y", 1, "年", kYear},
    {"ky", 1e3, "年", 1e3 * kYear},
    {"My", 1e6, "年", 1e6 * kYear},
    {"Gy", 1e9, "年", 1e9 * kYear},
    {"Ty", 1e12, "年", 1e12 * kYear},
    {"Py", 1e15, "年", 1e15 * kYear},
    {"Ey", 1e18, "年", 1e18 * kYear},
    {"Zy", 1e21, "年", 1e21 * kYear},
    {"Yy", 1e24, "年", 1e24 * kYear},
};

const Unit *unitOf(const QString &code)
{
    for (const Unit &unit : kUnits)
        if (code == QLatin1String(unit.code)) return &unit;
    return nullptr;
}

constexpr int kSignificant = 4;
constexpr double kPlainAbove = 1e-3;
constexpr double kPlainBelow = 1e5;
constexpr int kMassDecimalsSpoken = 6;
constexpr int kMaxDecimals = 12;

QString superscript(const QString &digits)
{
    static const QString kDigits = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    QString out;
    for (QChar c : digits) {
        if (c.isDigit())
            out += kDigits[c.digitValue()];
        else if (c == QLatin1Char('-'))
            out += QChar(0x207B);
        else if (c == QLatin1Char('+'))
            out += QChar(0x207A);
        else
            out += c;
    }
    return out;
}

QString withoutTrailingZeros(QString text)
{
    if (!text.contains(QLatin1Char('.'))) return text;
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text;
}

// As many decimals as the value carries, no exponent: abundances "0.0145".
QString plain(double value)
{
    return withoutTrailingZeros(QString::number(value, 'f', kMaxDecimals - 2));
}

// The names of particles a mode emits, for the delayed and multi-particle forms.
const QHash<QString, QString> &particles()
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("n"), QStringLiteral("中子")},
        {QStringLiteral("2n"), QStringLiteral("双中子")},
        {QStringLiteral("3n"), QStringLiteral("三中子")},
        {QStringLiteral("4n"), QStringLiteral("四中子")},
        {QStringLiteral("p"), QStringLiteral("质子")},
        {QStringLiteral("2p"), QStringLiteral("双质子")},
        {QStringLiteral("3p"), QStringLiteral("三质子")},
        {QStringLiteral("d"), QStringLiteral("氘核")},
        {QStringLiteral("t"), QStringLiteral("氚核")},
        {QStringLiteral("A"), QStringLiteral("α")},
        {QStringLiteral("pA"), QStringLiteral("质子和 α")},
        {QStringLiteral("SF"), QStringLiteral("裂变")},
    };
    return names;
}

const QHash<QString, QString> &mainModes()
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("A"), QStringLiteral("α")},
        {QStringLiteral("B-"), QStringLiteral("β⁻")},
        {QStringLiteral("B+"), QStringLiteral("β⁺")},
        {QStringLiteral("EC"), QStringLiteral("电子俘获")},
        {QStringLiteral("e+"), QStringLiteral("正电子发射")},
        {QStringLiteral("EC+B+"), QStringLiteral("电子俘获和 β⁺")},
        {QStringLiteral("SF"), QStringLiteral("自发裂变")},
        {QStringLiteral("2B-"), QStringLiteral("双 β⁻")},
        {QStringLiteral("2B+"), QStringLiteral("双 β⁺")},
        {QStringLiteral("IT"), QStringLiteral("同质异能跃迁")},
    };
    return names;
}

}  // namespace

bool isHalfLifeUnit(const QString &unit)
{
    return unitOf(unit) != nullptr;
}

QString figure(double value)
{
    if (value == 0 || !std::isfinite(value)) return QStringLiteral("0");
    // Rounded first, so that 99999.9 is written as the 1×10⁵ it rounds to.
    value = QString::number(value, 'g', kSignificant).toDouble();
    const double size = std::fabs(value);
    const int exponent = int(std::floor(std::log10(size)));
    if (size >= kPlainAbove && size < kPlainBelow) {
        const int decimals = qMax(0, kSignificant - 1 - exponent);
        return withoutTrailingZeros(QString::number(value, 'f', decimals));
    }
    const QString mantissa = withoutTrailingZeros(
        QString::number(value / std::pow(10.0, exponent), 'f', kSignificant - 1));
    return mantissa + QStringLiteral("×10") + superscript(QString::number(exponent));
}

QString halfLife(HalfLifeKind kind, double value, const QString &unitCode)
{
    if (kind == HalfLifeKind::Stable) return QStringLiteral("稳定");
    const Unit *unit = unitOf(unitCode);
    if (kind == HalfLifeKind::Unknown || !unit) return QStringLiteral("未知");
    return figure(value * unit->toShown) + QLatin1Char(' ') + QString::fromUtf8(unit->shown);
}

QString halfLife(const Nuclide &nuclide)
{
    return halfLife(nuclide.halfLifeKind, nuclide.halfLife, nuclide.halfLifeUnit);
}

double halfLifeSeconds(const Nuclide &nuclide)
{
    const Unit *unit = unitOf(nuclide.halfLifeUnit);
    if (nuclide.halfLifeKind == HalfLifeKind::Measured && unit)
        return nuclide.halfLife * unit->seconds;
    return nuclide.halfLifeKind == HalfLifeKind::Stable ? std::numeric_limits<double>::max()
                                                        : std::numeric_limits<double>::infinity();
}

QString modeName(const QString &code)
{
    if (const auto found = mainModes().constFind(code); found != mainModes().constEnd())
        return *found;
    if (code.size() > 2 &&
        (code.startsWith(QLatin1String("B-")) || code.startsWith(QLatin1String("B+")))) {
        if (const auto p = particles().constFind(code.mid(2)); p != particles().constEnd())
            // "β⁻ 缓发中子", "β⁺ 缓发 α": a Greek letter stands apart from the Chinese.
            return mainModes().value(code.left(2)) + QStringLiteral(" 缓发") +
                   (p->startsWith(QChar(0x03B1)) ? QStringLiteral(" ") : QString()) + *p;
    }
    if (const auto p = particles().constFind(code);
        p != particles().constEnd() && code != QLatin1String("A"))
        return *p + QStringLiteral("发射");
    static const QRegularExpression cluster(QStringLiteral("^(\\d+)([A-Z][a-z]?)$"));
    if (const auto m = cluster.match(code); m.hasMatch())
        return superscript(m.captured(1)) + m.captured(2) + QStringLiteral(" 簇发射");
    return code;
}

QString mode(const DecayMode &mode)
{
    const QString name = modeName(mode.code);
    const QString share = figure(mode.percent);
    switch (mode.branching) {
        case Branching::Exact: return QStringLiteral("%1 %2 %").arg(name, share);
        case Branching::About: return QStringLiteral("%1 ≈%2 %").arg(name, share);
        case Branching::Below: return QStringLiteral("%1 <%2 %").arg(name, share);
        case Branching::Above: return QStringLiteral("%1 >%2 %").arg(name, share);
        case Branching::Trace: return QStringLiteral("%1 ≪1 %").arg(name);
        case Branching::NotObserved: return QStringLiteral("%1（未观测到）").arg(name);
        case Branching::Unknown: break;
    }
    return name;
}

QString modes(const QList<DecayMode> &list)
{
    QStringList texts;
    for (const DecayMode &m : list) texts.append(mode(m));
    return texts.join(QStringLiteral("，"));
}

QString name(const Nuclide &nuclide)
{
    const ElementNames::Names *names = ElementNames::find(nuclide.atomicNumber);
    const QString element = names ? QString::fromUtf8(names->chinese) : nuclide.symbol;
    return QStringLiteral("%1-%2").arg(element).arg(nuclide.massNumber);
}

QString notation(const Nuclide &nuclide)
{
    return superscript(QString::number(nuclide.massNumber)) + nuclide.symbol;
}

QString mass(const Nuclide &nuclide)
{
    if (nuclide.massUncertainty <= 0) return plain(nuclide.mass);
    int decimals = -int(std::floor(std::log10(nuclide.massUncertainty)));
    // Two digits of uncertainty when the first is 1 or 2, as the tables print it.
    if (nuclide.massUncertainty * std::pow(10.0, decimals) < 3) ++decimals;
    decimals = qBound(0, decimals, kMaxDecimals);
    const qint64 digits = qRound64(nuclide.massUncertainty * std::pow(10.0, decimals));
    return QStringLiteral("%1(%2)").arg(QString::number(nuclide.mass, 'f', decimals)).arg(digits);
}

QString abundance(const Nuclide &nuclide)
{
    if (!nuclide.isNatural()) return QString();
    if (nuclide.abundanceUncertainty <= 0) return plain(nuclide.abundance);
    return plain(nuclide.abundance) + QStringLiteral(" ± ") + plain(nuclide.abundanceUncertainty);
}

QString spinParity(const Nuclide &nuclide)
{
    QString text = nuclide.spinParity;
    if (text.endsWith(QLatin1Char('+')) || text.endsWith(QLatin1Char('-')))
        text = text.chopped(1) + superscript(text.right(1));
    return text;
}

QString spoken(const Nuclide &nuclide)
{
    QStringList parts{name(nuclide), QString::number(nuclide.mass, 'f', kMassDecimalsSpoken) +
                                         QStringLiteral(" u")};
    if (nuclide.isNatural())
        parts.append(QStringLiteral("天然丰度 %1 %").arg(plain(nuclide.abundance)));
    if (nuclide.halfLifeKind == HalfLifeKind::Stable)
        parts.append(QStringLiteral("稳定"));
    else
        parts.append(QStringLiteral("半衰期 ") + halfLife(nuclide));
    QStringList seen;
    for (const DecayMode &m : nuclide.modes)
        if (m.branching != Branching::NotObserved) seen.append(modeName(m.code));
    if (!seen.isEmpty()) parts.append(seen.join(QStringLiteral("、")) + QStringLiteral(" 衰变"));
    return parts.join(QStringLiteral("，"));
}

QStringList headers()
{
    return {QStringLiteral("核素"),         QStringLiteral("质量数"), QStringLiteral("质量 (u)"),
            QStringLiteral("天然丰度 (%)"), QStringLiteral("半衰期"), QStringLiteral("自旋宇称"),
            QStringLiteral("衰变方式")};
}

QStringList row(const Nuclide &nuclide)
{
    return {name(nuclide),       QString::number(nuclide.massNumber),
            mass(nuclide),       abundance(nuclide),
            halfLife(nuclide),   spinParity(nuclide),
            modes(nuclide.modes)};
}

}  // namespace Isotopes::Text
