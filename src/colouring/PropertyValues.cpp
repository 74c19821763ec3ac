#include "PropertyValues.h"

#include "files/NumberText.h"

std::optional<double> PropertyValues::value(int atomicNumber) const
{
    if (atomicNumber < 1 || atomicNumber > int(values.size())) return std::nullopt;
    return values[size_t(atomicNumber - 1)];
}

void PropertyValues::setValue(int atomicNumber, std::optional<double> value)
{
    if (atomicNumber < 1 || atomicNumber > int(values.size())) return;
    values[size_t(atomicNumber - 1)] = value;
}

QString PropertyValues::valueText(int atomicNumber) const
{
    const std::optional<double> shown = value(atomicNumber);
    if (!shown) return QStringLiteral("无数据");
    // The chart's and the details panel's figures, so the three never disagree.
    const QString number = singleText(float(*shown));
    return unit.isEmpty() ? number : number + QLatin1Char(' ') + unit;
}

QString PropertyValues::said(int atomicNumber) const
{
    return label + QLatin1Char(' ') + valueText(atomicNumber);
}
