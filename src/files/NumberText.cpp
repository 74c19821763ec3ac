#include "NumberText.h"

#include <cmath>

namespace {

QString dropTrailingZeros(QString digits)
{
    if (!digits.contains(QLatin1Char('.'))) return digits;
    while (digits.endsWith(QLatin1Char('0'))) digits.chop(1);
    if (digits.endsWith(QLatin1Char('.'))) digits.chop(1);
    return digits;
}

// `value` with the '.' of the C locale replaced by the locale's separator.
QString localised(const QString &text, const QLocale &locale)
{
    QString result = text;
    return result.replace(QLatin1Char('.'), locale.decimalPoint());
}

}  // namespace

QString integerText(qint16 value)
{
    return QString::number(value);
}

QString singleText(float value, const QLocale &locale)
{
    if (std::isnan(value)) return QStringLiteral("NaN");
    if (std::isinf(value)) return value > 0 ? QStringLiteral("Inf") : QStringLiteral("-Inf");
    if (value == 0) return QStringLiteral("0");  // also -0
    // Rounding to 7 significant digits first fixes the exponent (9999999.5 becomes 1E+07).
    const QString scientific = QString::number(double(value), 'e', 6);
    const qsizetype e = scientific.indexOf(QLatin1Char('e'));
    const int exponent = scientific.mid(e + 1).toInt();
    if (exponent >= -4 && exponent <= 6)
        return localised(dropTrailingZeros(QString::number(double(value), 'f', 6 - exponent)),
                         locale);
    const QString mantissa = dropTrailingZeros(scientific.left(e));
    const QString sign = exponent < 0 ? QStringLiteral("-") : QStringLiteral("+");
    return localised(mantissa, locale) + QLatin1Char('E') + sign +
           QStringLiteral("%1").arg(std::abs(exponent), 2, 10, QLatin1Char('0'));
}
