#pragma once

#include <QLocale>
#include <QString>

// How numbers are shown to the user: in the details panel, on the chart and in its labels.

// Plain decimal, a minus sign when negative, no leading blank.
QString integerText(qint16 value);

// General format with 7 significant digits: fixed notation for decimal exponents -4 to 6,
// otherwise mantissa, "E", sign and at least two exponent digits; trailing zeros and a
// trailing decimal point dropped; the decimal separator of `locale`.
QString singleText(float value, const QLocale &locale = QLocale());
