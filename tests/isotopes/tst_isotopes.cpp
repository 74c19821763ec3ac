// The nuclide data: how half-lives and decay modes read in Chinese, what the reader
// refuses, what a user may type for a nuclide, and the shipped file against the atomic
// weights.

#include <QBuffer>
#include <QtTest>
#include <cmath>

#include "files/DataError.h"
#include "files/ElementFile.h"
#include "isotopes/IsotopeData.h"
#include "isotopes/IsotopeQuery.h"
#include "isotopes/IsotopeReader.h"
#include "isotopes/IsotopeText.h"

namespace {

QList<Isotopes::Nuclide> readText(const QByteArray &body)
{
    QByteArray text = QByteArray(Isotopes::kHeader) + '\n' + body;
    QBuffer buffer(&text);
    buffer.open(QIODevice::ReadOnly);
    return Isotopes::read(buffer, QStringLiteral("Isotopes.csv"));
}

// A line of the file with the given half-life fields and decay modes.
QByteArray line(const QByteArray &halfLife, const QByteArray &modes)
{
    return "6,C,14,14.0032,4e-09,,," + halfLife + ",0+," + modes + '\n';
}

// The standard atomic weights as CIAAW lists them for 2021 (ciaaw.org), hydrogen to
// tellurium and lead: an interval, or a value with the uncertainty of its last digits.
const QHash<int, QString> &standardWeights()
{
    static const QHash<int, QString> weights = {
        {1, "[1.00784, 1.00811]"},   {2, "4.002602(2)"},
        {3, "[6.938, 6.997]"},       {4, "9.0121831(5)"},
        {5, "[10.806, 10.821]"},     {6, "[12.0096, 12.0116]"},
        {7, "[14.00643, 14.00728]"}, {8, "[15.99903, 15.99977]"},
        {9, "18.998403162(5)"},      {10, "20.1797(6)"},
        {11, "22.98976928(2)"},      {12, "[24.304, 24.307]"},
        {13, "26.9815384(3)"},       {14, "[28.084, 28.086]"},
        {15, "30.973761998(5)"},     {16, "[32.059, 32.076]"},
        {17, "[35.446, 35.457]"},    {18, "[39.792, 39.963]"},
        {19, "39.0983(1)"},          {20, "40.078(4)"},
        {21, "44.955907(4)"},        {22, "47.867(1)"},
        {23, "50.9415(1)"},          {24, "51.9961(6)"},
        {25, "54.938043(2)"},        {26, "55.845(2)"},
        {27, "58.933194(3)"},        {28, "58.6934(4)"},
        {29, "63.546(3)"},           {30, "65.38(2)"},
        {31, "69.723(1)"},           {32, "72.630(8)"},
        {33, "74.921595(6)"},        {34, "78.971(8)"},
        {35, "[79.901, 79.907]"},    {36, "83.798(2)"},
        {37, "85.4678(3)"},          {38, "87.62(1)"},
        {39, "88.905838(2)"},        {40, "91.224(2)"},
        {41, "92.90637(1)"},         {42, "95.95(1)"},
        {44, "101.07(2)"},           {45, "102.90549(2)"},
        {46, "106.42(1)"},           {47, "107.8682(2)"},
        {48, "112.414(4)"},          {49, "114.818(1)"},
        {50, "118.710(7)"},          {51, "121.760(1)"},
        {52, "127.60(3)"},           {82, "[206.14, 207.94]"},
    };
    return weights;
}

// "[a, b]" or "value(uncertainty)" as an interval; elsewhere the program's own weight with
// one unit of its last digit either side.
std::pair<double, double> interval(int atomicNumber, float programWeight)
{
    QString text = standardWeights().value(atomicNumber);
    if (text.isEmpty()) text = QString::number(programWeight, 'g', 7) + QStringLiteral("(1)");
    static const QRegularExpression range(QStringLiteral("^\\[(.+), (.+)\\]$"));
    static const QRegularExpression value(QStringLiteral("^([0-9.]+)\\((\\d+)\\)$"));
    if (const auto m = range.match(text); m.hasMatch())
        return {m.captured(1).toDouble(), m.captured(2).toDouble()};
    const auto m = value.match(text);
    const QString digits = m.captured(1);
    const int decimals = digits.contains('.') ? int(digits.size() - digits.indexOf('.') - 1) : 0;
    const double half = m.captured(2).toDouble() * std::pow(10.0, -decimals);
    return {digits.toDouble() - half, digits.toDouble() + half};
}

}  // namespace

class TestIsotopes : public QObject {
    Q_OBJECT

private slots:
    void texts_data()
    {
        QTest::addColumn<QByteArray>("halfLife");  // the three half-life fields of a line
        QTest::addColumn<QByteArray>("modes");
        QTest::addColumn<QString>("halfLifeText");
        QTest::addColumn<QString>("modesText");
        QTest::newRow("stable") << QByteArray("stable,,") << QByteArray() << "稳定"
                                << "";
        QTest::newRow("unknown") << QByteArray(",,") << QByteArray("n?") << "未知"
                                 << "中子发射（未观测到）";
        QTest::newRow("thousands of years")
            << QByteArray("5.7,0.03,ky") << QByteArray("B-=100") << "5700 年"
            << "β⁻ 100 %";
        QTest::newRow("billions of years")
            << QByteArray("4.463,0.003,Gy") << QByteArray("A=100;SF<<;2B-<<") << "4.463×10⁹ 年"
            << "α 100 %，自发裂变 ≪1 %，双 β⁻ ≪1 %";
        QTest::newRow("minutes, four digits")
            << QByteArray("20.3402,0.0053,min") << QByteArray("B+=100") << "20.34 分钟"
            << "β⁺ 100 %";
        QTest::newRow("zeptoseconds")
            << QByteArray("3.5,1.4,zs") << QByteArray("2p=100") << "3.5×10⁻²¹ 秒"
            << "双质子发射 100 %";
        QTest::newRow("milliseconds")
            << QByteArray("126.5,0.9,ms") << QByteArray("B+=100;B+p=7.5;B+A=38.4") << "126.5 毫秒"
            << "β⁺ 100 %，β⁺ 缓发质子 7.5 %，β⁺ 缓发 α 38.4 %";
        QTest::newRow("branching shares")
            << QByteArray("2.645,0.008,y") << QByteArray("A=96.8972;SF=3.1028") << "2.645 年"
            << "α 96.9 %，自发裂变 3.103 %";
        QTest::newRow("capture, bounds, unknown share")
            << QByteArray("265,7,d") << QByteArray("EC=100;e+<5.7;p~0.5;B-") << "265 天"
            << "电子俘获 100 %，正电子发射 <5.7 %，质子发射 ≈0.5 %，β⁻";
        QTest::newRow("cluster, tiny share")
            << QByteArray("1600,7,y") << QByteArray("A=100;14C=3.2e-09") << "1600 年"
            << "α 100 %，¹⁴C 簇发射 3.2×10⁻⁹ %";
        QTest::newRow("rounding up to the next power")
            << QByteArray("99999.9,1,y") << QByteArray() << "1×10⁵ 年"
            << "";
    }
    void texts()
    {
        QFETCH(QByteArray, halfLife);
        QFETCH(QByteArray, modes);
        QFETCH(QString, halfLifeText);
        QFETCH(QString, modesText);
        const Isotopes::Nuclide n = readText(line(halfLife, modes)).value(0);
        QCOMPARE(Isotopes::Text::halfLife(n), halfLifeText);
        QCOMPARE(Isotopes::Text::modes(n.modes), modesText);
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("line");
        QTest::addColumn<QString>("reason");
        QTest::newRow("fields") << line("5.7,0.03,ky", "B-=100").replace(",0+", "") << 2
                                << "应有 12 个";
        QTest::newRow("unit") << line("5.7,0.03,kyr", "B-=100") << 2 << "半衰期单位“kyr”";
        QTest::newRow("share") << line("5.7,0.03,ky", "B-=all") << 2 << "衰变分支应为百分数";
        QTest::newRow("element") << QByteArray("110,Ds,281,281,0,,,,,,,\n") << 2
                                 << "原子序数 110 不在 1 到 109";
        QTest::newRow("second line")
            << line("stable,,", "") + line("x,0,s", "") << 3 << "半衰期应为数字";
    }
    void refused()
    {
        QFETCH(QByteArray, body);
        QFETCH(int, line);
        QFETCH(QString, reason);
        try {
            readText(body);
            QFAIL("read");
        } catch (const DataError &error) {
            QCOMPARE(error.line(), line);
            QVERIFY2(error.message().contains(reason), qPrintable(error.message()));
        }
    }

    void query_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("atomicNumber");  // 0: not a nuclide
        QTest::addColumn<int>("massNumber");
        QTest::newRow("symbol-mass") << "C-14" << 6 << 14;
        QTest::newRow("Chinese") << "碳-14" << 6 << 14;
        QTest::newRow("mass first") << "14C" << 6 << 14;
        QTest::newRow("no hyphen, any case") << "u235" << 92 << 235;
        QTest::newRow("English") << "uranium-238" << 92 << 238;
        QTest::newRow("lighter than the protons") << "U-14" << 0 << 0;
        QTest::newRow("no element") << "Xx-14" << 0 << 0;
        QTest::newRow("element alone") << "C" << 0 << 0;
    }
    void query()
    {
        QFETCH(QString, typed);
        QFETCH(int, atomicNumber);
        QFETCH(int, massNumber);
        const auto found = Isotopes::Query::nuclide(typed);
        QCOMPARE(found ? found->atomicNumber : 0, atomicNumber);
        QCOMPARE(found ? found->massNumber : 0, massNumber);
    }

    // A wrong abundance or mass in the shipped file moves the element's mean mass out of the
    // interval of its standard atomic weight.
    void weightedMeanWithinAtomicWeight()
    {
        int checked = 0;
        for (const auto &record : ElementFile::latestRecords()) {
            double sum = 0, weighted = 0;
            QList<Isotopes::Nuclide> natural;
            for (const Isotopes::Nuclide &n : Isotopes::ofElement(record.AtomicNumber))
                if (n.isNatural()) natural.append(n);
            if (natural.isEmpty()) continue;
            for (const Isotopes::Nuclide &n : natural) {
                sum += n.abundance;
                weighted += n.abundance * n.mass;
            }
            const double mean = weighted / sum;
            // The mean's own uncertainty, from those of the abundances.
            double variance = 0;
            for (const Isotopes::Nuclide &n : natural)
                variance += std::pow((n.mass - mean) * n.abundanceUncertainty / 100, 2);
            const double slack = 2 * std::sqrt(variance);
            const auto [low, high] = interval(record.AtomicNumber, record.AtomicWeight);
            QVERIFY2(
                std::fabs(sum - 100) < 0.1,
                qPrintable(
                    QStringLiteral("%1: abundances add up to %2").arg(record.Symbol).arg(sum)));
            QVERIFY2(mean + slack >= low && mean - slack <= high,
                     qPrintable(QStringLiteral("%1: mean %2 ± %3 outside [%4, %5]")
                                    .arg(record.Symbol)
                                    .arg(mean, 0, 'f', 6)
                                    .arg(slack, 0, 'g', 2)
                                    .arg(low, 0, 'f', 6)
                                    .arg(high, 0, 'f', 6)));
            ++checked;
        }
        QCOMPARE(checked, 84);  // every element with a standard atomic weight
        const QList<Isotopes::Nuclide> carbon = Isotopes::ofElement(6);  // natural ones first
        QCOMPARE(Isotopes::Text::abundance(carbon[0]), QStringLiteral("98.94 ± 0.06"));
        QCOMPARE(Isotopes::Text::abundance(carbon[1]), QStringLiteral("1.06 ± 0.06"));
        const auto c14 = std::find_if(carbon.begin(), carbon.end(),
                                      [](const auto &n) { return n.massNumber == 14; });
        QCOMPARE(Isotopes::Text::spoken(*c14),
                 QStringLiteral("碳-14，14.003242 u，半衰期 5700 年，β⁻ 衰变"));
    }
};

QTEST_GUILESS_MAIN(TestIsotopes)
#include "tst_isotopes.moc"
