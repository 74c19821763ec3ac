#include "IsotopeReader.h"

#include "IsotopeText.h"
#include "files/DataError.h"
#include "files/ModVantrel.h"

#include <QRegularExpression>
#include <QStringList>

namespace Isotopes {

const char kHeader[] =
    "Z,symbol,mass_number,mass_u,mass_uncertainty_u,abundance_percent,"
    "abundance_uncertainty_percent,half_life,half_life_uncertainty,half_life_unit,"
    "spin_parity,decay_modes";

namespace {

enum Column {
    kZ,
    kSymbol,
    kMassNumber,
    kMass,
    kMassUncertainty,
    kAbundance,
    kAbundanceUncertainty,
    kHalfLife,
    kHalfLifeUncertainty,
    kHalfLifeUnit,
    kSpinParity,
    kDecayModes,
    kColumnCount
};

// A line longer than any nuclide needs is not this file.
constexpr qint64 kMaxLine = 4096;
constexpr int kMaxMassNumber = 400;

class LineReader {
public:
    LineReader(const QString &fileName, int line) : m_file(fileName), m_line(line) {}

    [[noreturn]] void fail(DataError::Kind kind, const QString &detail) const
    {
        throw DataError(kind, m_file, m_line, detail);
    }

    double number(const QString &text, const char *what, bool optional = false) const
    {
        if (optional && text.isEmpty()) return 0;
        bool ok = false;
        const double value = text.toDouble(&ok);
        if (!ok)
            fail(DataError::Kind::NotANumber,
                 QStringLiteral("%1“%2”").arg(QString::fromUtf8(what), text));
        return value;
    }

    int whole(const QString &text, const char *what, int low, int high) const
    {
        bool ok = false;
        const int value = text.toInt(&ok);
        if (!ok)
            fail(DataError::Kind::NotANumber,
                 QStringLiteral("%1“%2”").arg(QString::fromUtf8(what), text));
        if (value < low || value > high)
            fail(DataError::Kind::Overflow, QStringLiteral("%1 %2 不在 %3 到 %4 之间")
                                                .arg(QString::fromUtf8(what))
                                                .arg(value)
                                                .arg(low)
                                                .arg(high));
        return value;
    }

    DecayMode mode(const QString &text) const
    {
        static const struct {
            const char *mark;
            Branching branching;
        } kMarks[] = {{"<<", Branching::Trace}, {"=", Branching::Exact},
                      {"~", Branching::About},  {"<", Branching::Below},
                      {">", Branching::Above},  {"?", Branching::NotObserved}};
        for (const auto &mark : kMarks) {
            const int at = text.indexOf(QLatin1String(mark.mark));
            if (at <= 0) continue;
            DecayMode mode{text.left(at), mark.branching, 0};
            const QString figure = text.mid(at + int(qstrlen(mark.mark)));
            const bool takesFigure =
                mark.branching != Branching::Trace && mark.branching != Branching::NotObserved;
            if (takesFigure)
                mode.percent = number(figure, "衰变分支应为百分数：");
            else if (!figure.isEmpty())
                fail(DataError::Kind::BadItem, QStringLiteral("衰变方式“%1”").arg(text));
            return mode;
        }
        if (text.isEmpty() || text.contains(QRegularExpression(QStringLiteral("[^0-9A-Za-z+-]"))))
            fail(DataError::Kind::BadItem, QStringLiteral("衰变方式“%1”").arg(text));
        return DecayMode{text, Branching::Unknown, 0};
    }

    Nuclide nuclide(const QStringList &f) const
    {
        if (f.size() != kColumnCount)
            fail(DataError::Kind::BadItem,
                 QStringLiteral("应有 %1 个以逗号分隔的数据项，实有 %2 个")
                     .arg(kColumnCount)
                     .arg(f.size()));
        Nuclide n;
        n.atomicNumber = whole(f[kZ], "原子序数", 1, mod_Vantrel::kElementCount);
        n.symbol = f[kSymbol];
        n.massNumber = whole(f[kMassNumber], "质量数", n.atomicNumber, kMaxMassNumber);
        n.mass = number(f[kMass], "质量应为数字：");
        n.massUncertainty = number(f[kMassUncertainty], "质量的不确定度应为数字：", true);
        if (!f[kAbundance].isEmpty()) {
            n.abundance = number(f[kAbundance], "丰度应为数字：");
            n.abundanceUncertainty =
                number(f[kAbundanceUncertainty], "丰度的不确定度应为数字：", true);
        }
        halfLife(f, n);
        n.spinParity = f[kSpinParity];
        if (!f[kDecayModes].isEmpty())
            for (const QString &part : f[kDecayModes].split(QLatin1Char(';')))
                n.modes.append(mode(part));
        return n;
    }

    void halfLife(const QStringList &f, Nuclide &n) const
    {
        if (f[kHalfLife] == QLatin1String("stable")) {
            n.halfLifeKind = HalfLifeKind::Stable;
        } else if (!f[kHalfLife].isEmpty()) {
            n.halfLifeKind = HalfLifeKind::Measured;
            n.halfLife = number(f[kHalfLife], "半衰期应为数字或 stable：");
            n.halfLifeUnit = f[kHalfLifeUnit];
            if (!Text::isHalfLifeUnit(n.halfLifeUnit))
                fail(DataError::Kind::BadItem,
                     QStringLiteral("半衰期单位“%1”").arg(n.halfLifeUnit));
        }
    }

private:
    QString m_file;
    int m_line;
};

}  // namespace

QList<Nuclide> read(QIODevice &device, const QString &fileName)
{
    QList<Nuclide> nuclides;
    int line = 0;
    while (!device.atEnd()) {
        QByteArray bytes = device.readLine(kMaxLine);
        ++line;
        if (!bytes.endsWith('\n') && !device.atEnd())
            throw DataError(DataError::Kind::TooLong, fileName, line, QString());
        const QString text = QString::fromUtf8(bytes).trimmed();
        if (line == 1) {
            if (text != QLatin1String(kHeader))
                throw DataError(DataError::Kind::BadItem, fileName, line,
                                QStringLiteral("第一行应是同位素数据的表头"));
            continue;
        }
        if (text.isEmpty()) continue;
        nuclides.append(LineReader(fileName, line).nuclide(text.split(QLatin1Char(','))));
    }
    if (line == 0)
        throw DataError(DataError::Kind::PastEnd, fileName, 0, QStringLiteral("文件是空的"));
    return nuclides;
}

}  // namespace Isotopes
