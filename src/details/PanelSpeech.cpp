#include "PanelSpeech.h"

namespace PanelSpeech {

namespace {

const QString kNoData = QStringLiteral("无数据");

// A measured value with its unit in words; the file's 0 stands for no measurement.
QString measured(const QString &label, const QString &value, const QString &unit)
{
    if (value.trimmed().isEmpty() || value == QLatin1String("0"))
        return label + QLatin1Char(' ') + kNoData;
    return QStringLiteral("%1 %2 %3").arg(label, value, unit);
}

// The other states follow the stable ones on screen with a leading comma, not read out.
QString listed(const QString &label, const QString &value)
{
    QString text = value.trimmed();
    while (text.startsWith(QLatin1Char(','))) text = text.mid(1).trimmed();
    return label + QLatin1Char(' ') + (text.isEmpty() ? kNoData : text);
}

// "3d" "6" "4s" "2" -> "3d6 4s2": the superscript counts are read right after their shell.
QString configText(const QStringList &labels)
{
    QStringList shells;
    for (int i = 0; i + 1 < labels.size(); i += 2) {
        const QString shell = (labels[i] + labels[i + 1]).trimmed();
        if (!shell.isEmpty()) shells.append(shell);
    }
    return shells.join(QLatin1Char(' '));
}

}  // namespace

QStringList items(const Shown &s)
{
    return {
        QStringLiteral("%1 %2").arg(s.name.trimmed(), s.symbol.trimmed()),
        listed(QStringLiteral("原子序数"), s.atomicNumber),
        measured(QStringLiteral("原子量"), s.atomicWeight, QString()).trimmed(),
        measured(QStringLiteral("熔点"), s.meltingPoint, QStringLiteral("开尔文")),
        measured(QStringLiteral("沸点"), s.boilingPoint, QStringLiteral("开尔文")),
        measured(QStringLiteral("密度"), s.density, QStringLiteral("克每立方厘米")),
        listed(QStringLiteral("稳定氧化态"), s.stableStates),
        listed(QStringLiteral("其他氧化态"), s.otherStates),
        listed(QStringLiteral("电子结构"), configText(s.config)),
    };
}

QString summary(const Shown &shown)
{
    return items(shown).join(QStringLiteral("，"));
}

}  // namespace PanelSpeech
