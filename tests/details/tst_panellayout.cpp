#include <QtTest>

#include "details/PanelLayout.h"
#include "details/PanelSpeech.h"

using PanelLayout::kMaxLeftTwips;

class TestPanelLayout : public QObject {
    Q_OBJECT

private slots:
    void oxidation_data();
    void oxidation();
    void configFirstLeft_data();
    void configFirstLeft();
    void chainLefts_data();
    void chainLefts();
    void spoken_data();
    void spoken();
};

// Texts and record rests are written "stable|other".
void TestPanelLayout::oxidation_data()
{
    QTest::addColumn<QString>("stable");
    QTest::addColumn<QString>("other");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("rests");
    QTest::addColumn<double>("left");
    QTest::newRow("list, none") << "2#4"
                                << "-"
                                << "2,4|"
                                << "4|-" << 1567.5;
    QTest::newRow("single, leading #") << "3"
                                       << "#5"
                                       << "3|,5"
                                       << "3|5" << 1597.5;
    QTest::newRow("both none") << "-"
                               << "-"
                               << "|"
                               << "-|-" << 1627.5;
    QTest::newRow("none after list, only #s") << "2#-"
                                              << "##"
                                              << "|,,"
                                              << "-|" << 1537.5;
    QTest::newRow("empty, dash not last") << ""
                                          << "-#2"
                                          << "|-,2"
                                          << "|2" << 1597.5;
    QTest::newRow("not exactly a dash") << " -"
                                        << "--"
                                        << " -|--"
                                        << " -|--" << 1567.5;
    // A 16-bit product would wrap here and throw the label far to the right.
    const QString huge = QString(99999, QLatin1Char('1')) + QLatin1Char('#');
    const QString hugeShown = QString(99999, QLatin1Char('1')) + QLatin1Char(',');
    QTest::newRow("100000 characters each")
        << huge << huge << hugeShown + '|' + hugeShown << "|" << -kMaxLeftTwips;
}

void TestPanelLayout::oxidation()
{
    QFETCH(QString, stable);
    QFETCH(QString, other);
    // The symbol label as designed: left 780, width 1815, centred at 1687.5.
    const PanelLayout::OxidationDisplay d = PanelLayout::oxidationLayout(stable, other, 780, 1815);
    QTEST(d.stableText + '|' + d.otherText, "shown");
    QTEST(d.stableRest + '|' + d.otherRest, "rests");
    QTEST(d.stableLeftTwips, "left");
}

void TestPanelLayout::configFirstLeft_data()
{
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<double>("left");
    QTest::newRow("worked example") << QStringList{"3s", "2", "3p", "4", "0", "0", "0", "0"}
                                    << QStringList{"3s", "2", "3p", "4", "", "", "", ""} << 1132.5;
    QTest::newRow("all empty") << QStringList(8) << QStringList(8) << 1432.5;
    QTest::newRow("only exact zero blanked")
        << QStringList{" 0", "00", "-1", "0 "} << QStringList{" 0", "00", "-1", "0 "} << 1032.5;
    QTest::newRow("100000 characters")
        << QStringList{QString(100000, QLatin1Char('s'))}
        << QStringList{QString(100000, QLatin1Char('s'))} << -kMaxLeftTwips;
}

void TestPanelLayout::configFirstLeft()
{
    QFETCH(QStringList, texts);
    QFETCH(QStringList, shown);
    QCOMPARE(PanelLayout::blankZeros(texts), shown);
    QTEST(PanelLayout::configFirstLeft(2865, shown), "left");
}

void TestPanelLayout::chainLefts_data()
{
    QTest::addColumn<double>("first");
    QTest::addColumn<QVector<double>>("widths");
    QTest::addColumn<QVector<double>>("lefts");
    QTest::newRow("none") << 100.0 << QVector<double>{} << QVector<double>{};
    QTest::newRow("half twips carried") << 1132.5 << QVector<double>{240, 105, 15, 15}
                                        << QVector<double>{1132.5, 1372.5, 1477.5, 1492.5};
    QTest::newRow("runs off the right") << 0.0 << QVector<double>{kMaxLeftTwips, 1e12, 15}
                                        << QVector<double>{0, kMaxLeftTwips, kMaxLeftTwips};
    QTest::newRow("starts off the left")
        << -1e12 << QVector<double>{15, 15} << QVector<double>{-kMaxLeftTwips, 15 - kMaxLeftTwips};
}

void TestPanelLayout::chainLefts()
{
    QFETCH(double, first);
    QFETCH(QVector<double>, widths);
    QTEST(PanelLayout::chainLefts(first, widths), "lefts");
}

// What a screen reader hears for the panel: units in words, missing values as such.
void TestPanelLayout::spoken_data()
{
    QTest::addColumn<QStringList>("texts");  // name ... other states, then the shell labels
    QTest::addColumn<QString>("summary");
    QTest::newRow("iron") << QStringList{"铁",      "Fe",    "26",    "55.845", "1811.15",
                                         "3134.15", "7.874", "+2,+3", ",+1,+4", "[Ar]3d",
                                         "6",       "4s",    "2"}
                          << "铁 Fe，原子序数 26，原子量 55.845，熔点 1811.15 开尔文，沸点 3134.15 "
                             "开尔文，密度 7.874 克每立方厘米，稳定氧化态 +2,+3，其他氧化态 "
                             "+1,+4，电子结构 [Ar]3d6 4s2";
    QTest::newRow("nothing measured")
        << QStringList{"鿏", "Mt", "109", "0", "0", "0", "0", "", "", "[Rn]5f14 6d", "7", "", ""}
        << "鿏 Mt，原子序数 109，原子量 无数据，熔点 无数据，沸点 "
           "无数据，密度 "
           "无数据，稳定氧化态 "
           "无数据，其他氧化态 无数据，电子结构 [Rn]5f14 6d7";
}

void TestPanelLayout::spoken()
{
    QFETCH(QStringList, texts);
    const PanelSpeech::Shown shown{texts[0], texts[1], texts[2], texts[3], texts[4],
                                   texts[5], texts[6], texts[7], texts[8], texts.mid(9)};
    QTEST(PanelSpeech::summary(shown), "summary");
}

QTEST_APPLESS_MAIN(TestPanelLayout)
#include "tst_panellayout.moc"
