#include "PanelLayout.h"

#include <QtGlobal>

namespace {

const QChar kSeparator = QLatin1Char('#');

}  // namespace

namespace PanelLayout {

double clampLeft(double twips)
{
    return qBound(-kMaxLeftTwips, twips, kMaxLeftTwips);
}

QString lastPart(const QString &field)
{
    return field.mid(field.lastIndexOf(kSeparator) + 1);
}

QString oxidationText(const QString &field)
{
    if (lastPart(field) == QLatin1String("-")) return QString();
    QString text = field;
    return text.replace(kSeparator, QLatin1Char(','));
}

OxidationDisplay oxidationLayout(const QString &stable, const QString &other,
                                 double symbolLeftTwips, double symbolWidthTwips)
{
    // Wide integers: a 16-bit product would overflow on long fields.
    const qint64 shift = (qint64(stable.size()) + qint64(other.size())) * 30;
    OxidationDisplay display;
    display.stableText = oxidationText(stable);
    display.otherText = oxidationText(other);
    display.stableRest = lastPart(stable);
    display.otherRest = lastPart(other);
    display.stableLeftTwips = clampLeft(symbolWidthTwips / 2 + symbolLeftTwips - double(shift));
    return display;
}

QStringList blankZeros(QStringList texts)
{
    for (QString &text : texts) {
        if (text == QLatin1String("0")) text.clear();
    }
    return texts;
}

double configFirstLeft(double panelWidthTwips, const QStringList &texts)
{
    qint64 characters = 0;
    for (const QString &text : texts) characters += text.size();
    return clampLeft(panelWidthTwips / 2 - double(characters * 50));
}

QVector<double> chainLefts(double firstLeft, const QVector<double> &widthsTwips)
{
    QVector<double> lefts;
    lefts.reserve(widthsTwips.size());
    double left = clampLeft(firstLeft);
    for (double width : widthsTwips) {
        lefts.append(left);
        left = clampLeft(left + width);
    }
    return lefts;
}

}  // namespace PanelLayout
