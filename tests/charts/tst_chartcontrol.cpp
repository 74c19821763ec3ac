#include <QSet>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "TestMain.h"
#include "charts/ChartControl.h"
#include "data/NumberText.h"

namespace {

constexpr int kElements = 109;

QString symbolOf(int atomicNumber) {
    return QStringLiteral("S%1").arg(atomicNumber);
}

// One record as the program writes it: label first, then the row is made current.
void writeRecord(ChartControl &chart, int atomicNumber, const QString &label, const QString &text) {
    chart.setColumnCount(1);
    chart.setRowLabel(label);
    chart.setRowCount(kElements);
    chart.setRow(atomicNumber);
    chart.setData(text);
}

void fill(ChartControl &chart, const QList<int> &order) {
    ChartControl::UpdateBatch batch(chart);
    for (int n : order) writeRecord(chart, n, symbolOf(n), SingleText(float(n) * 1.5f));
}

QList<int> ascending() {
    QList<int> order;
    for (int n = 1; n <= kElements; ++n) order.append(n);
    return order;
}

}  // namespace

class TestChartControl : public QObject {
    Q_OBJECT

  private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void eachRowGetsItsOwnLabel_data();
    void eachRowGetsItsOwnLabel();
    void laterRecordForSameRowWins();
    void rowsNotWrittenKeepTheirContents();
    void batchedFillRefreshesOnce();
    void valueRoundTrip_data();
    void valueRoundTrip();
    void parsesValueText_data();
    void parsesValueText();
    void rowOutOfRange();
    void sizeInTwips();
    void axisLabelsThinnedAndDistinct();
};

void TestChartControl::eachRowGetsItsOwnLabel_data() {
    QTest::addColumn<QList<int>>("order");
    QList<int> order = ascending();
    QTest::newRow("ascending") << order;
    std::reverse(order.begin(), order.end());
    QTest::newRow("descending") << order;
    std::shuffle(order.begin(), order.end(), std::mt19937(20240611));
    QTest::newRow("shuffled") << order;
    QTest::newRow("partial shuffled") << order.mid(0, 40);
}

void TestChartControl::eachRowGetsItsOwnLabel() {
    QFETCH(QList<int>, order);
    ChartControl chart;
    fill(chart, order);
    QCOMPARE(chart.rowCount(), kElements);
    QCOMPARE(chart.columnCount(), 1);
    const QSet<int> written(order.begin(), order.end());
    for (int n = 1; n <= kElements; ++n) {
        QCOMPARE(chart.rowLabel(n), written.contains(n) ? symbolOf(n) : QString());
        QCOMPARE(chart.value(n), written.contains(n) ? n * 1.5 : 0.0);
    }
    QCOMPARE(chart.row(), order.last());
}

void TestChartControl::laterRecordForSameRowWins() {
    ChartControl chart;
    writeRecord(chart, 26, QStringLiteral("Fe"), QStringLiteral("7.874"));
    writeRecord(chart, 26, QStringLiteral("Xx"), QStringLiteral("1"));
    QCOMPARE(chart.rowLabel(26), QStringLiteral("Xx"));
    QCOMPARE(chart.value(26), 1.0);
    QCOMPARE(chart.data(), QStringLiteral("1"));

    // Making a row current without a new label keeps its label.
    chart.setRow(26);
    QCOMPARE(chart.rowLabel(26), QStringLiteral("Xx"));
}

void TestChartControl::rowsNotWrittenKeepTheirContents() {
    ChartControl chart;
    fill(chart, ascending());
    {
        ChartControl::UpdateBatch batch(chart);
        writeRecord(chart, 8, QStringLiteral("O"), QStringLiteral("99"));
        writeRecord(chart, 1, QStringLiteral("H"), QStringLiteral("98"));
    }
    QCOMPARE(chart.rowLabel(1), QStringLiteral("H"));
    QCOMPARE(chart.value(8), 99.0);
    QCOMPARE(chart.rowLabel(2), symbolOf(2));
    QCOMPARE(chart.value(109), 109 * 1.5);

    // Growing keeps the rows and adds empty ones; shrinking drops from the end.
    chart.setRowCount(112);
    QCOMPARE(chart.rowLabel(109), symbolOf(109));
    QCOMPARE(chart.rowLabel(112), QString());
    QCOMPARE(chart.value(112), 0.0);
    chart.setRow(112);
    chart.setRowCount(50);
    QCOMPARE(chart.rowCount(), 50);
    QCOMPARE(chart.row(), 50);
    QCOMPARE(chart.value(50), 75.0);
    chart.setRowCount(-3);
    QCOMPARE(chart.rowCount(), 0);
    QCOMPARE(chart.row(), 0);
    QCOMPARE(chart.data(), QString());
}

void TestChartControl::batchedFillRefreshesOnce() {
    ChartControl chart;
    const int start = chart.refreshCount();
    fill(chart, ascending());
    QCOMPARE(chart.refreshCount(), start + 1);

    {
        ChartControl::UpdateBatch outer(chart);
        fill(chart, ascending());  // a batch of its own, nested
        writeRecord(chart, 3, QStringLiteral("Li"), QStringLiteral("0.534"));
        QCOMPARE(chart.refreshCount(), start + 1);
    }
    QCOMPARE(chart.refreshCount(), start + 2);

    { ChartControl::UpdateBatch idle(chart); }
    QCOMPARE(chart.refreshCount(), start + 2);

    // Outside a batch every change shows at once.
    chart.setRow(4);
    chart.setData(QStringLiteral("1.85"));
    QCOMPARE(chart.refreshCount(), start + 3);
    chart.setRowLabel(QStringLiteral("Be"));
    chart.setRow(4);
    QCOMPARE(chart.refreshCount(), start + 4);
}

void TestChartControl::valueRoundTrip_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<float>("value");
    for (const char *name : {"de_DE", "fr_FR", "en_US", "C"}) {
        const QByteArray tag(name);
        QTest::newRow(tag + " small") << QString::fromLatin1(name) << 8.99e-05f;
        QTest::newRow(tag + " fraction") << QString::fromLatin1(name) << 1.00794f;
        QTest::newRow(tag + " thousands") << QString::fromLatin1(name) << 3695.0f;
        QTest::newRow(tag + " negative") << QString::fromLatin1(name) << -0.5f;
        QTest::newRow(tag + " huge") << QString::fromLatin1(name) << 1.234567e12f;
        QTest::newRow(tag + " zero") << QString::fromLatin1(name) << 0.0f;
    }
}

void TestChartControl::valueRoundTrip() {
    QFETCH(QString, locale);
    QFETCH(float, value);
    QLocale::setDefault(QLocale(locale));
    ChartControl chart;
    const QString text = SingleText(value);
    writeRecord(chart, 42, QStringLiteral("Mo"), text);
    QCOMPARE(float(chart.value(42)), value);
    QCOMPARE(chart.data(), text);
}

void TestChartControl::parsesValueText_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    QTest::newRow("comma decimal") << "de_DE"
                                   << "7,874" << 7.874;
    QTest::newRow("comma E notation") << "de_DE"
                                      << "8,99E-05" << 8.99e-05;
    QTest::newRow("point not a group separator") << "de_DE"
                                                 << "1.234" << 1.234;
    QTest::newRow("point E notation") << "C"
                                      << "8.99E-05" << 8.99e-05;
    QTest::newRow("positive exponent") << "C"
                                       << "1.5E+10" << 1.5e10;
    QTest::newRow("surrounding blanks") << "C"
                                        << " 12.5 " << 12.5;
    QTest::newRow("empty") << "C"
                           << "" << 0.0;
    QTest::newRow("not a number") << "C"
                                  << "n/a" << 0.0;
}

void TestChartControl::parsesValueText() {
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QLocale::setDefault(QLocale(locale));
    ChartControl chart;
    writeRecord(chart, 1, QStringLiteral("H"), text);
    QCOMPARE(chart.value(1), expected);
}

void TestChartControl::rowOutOfRange() {
    ChartControl chart;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.setRow(1));  // no rows yet
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.setData(QStringLiteral("1")));

    fill(chart, ascending());
    for (int bad : {0, -1, 110, 255, INT_MIN, INT_MAX}) {
        chart.setRowLabel(QStringLiteral("Bad"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.setRow(bad));
        QCOMPARE(chart.rowLabel(bad), QString());
        QCOMPARE(chart.value(bad), 0.0);
    }
    // The failed record's label must not stick to the next row made current.
    chart.setRow(5);
    QCOMPARE(chart.rowLabel(5), symbolOf(5));
    QCOMPARE(chart.row(), 5);

    try {
        chart.setRow(200);
        QFAIL("no exception");
    } catch (const std::exception &e) {
        QVERIFY(QString::fromUtf8(e.what()).contains(QLatin1String("200")));
    }
}

void TestChartControl::sizeInTwips() {
    ChartControl chart;
    chart.setWidthTwips(6000);
    chart.setHeightTwips(3000);
    QCOMPARE(chart.size(), QSize(400, 200));
    QCOMPARE(chart.widthTwips(), 6000.0);
    QCOMPARE(chart.heightTwips(), 3000.0);

    chart.setWidthTwips(-150);
    chart.setHeightTwips(-1e9);
    QCOMPARE(chart.widthTwips(), 0.0);
    QCOMPARE(chart.heightTwips(), 0.0);
}

void TestChartControl::axisLabelsThinnedAndDistinct() {
    ChartControl chart;
    chart.resize(1200, 300);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    fill(chart, ascending());
    chart.setRowCount(20);
    // A repeated symbol from a damaged file still needs a category of its own.
    chart.setRowLabel(QStringLiteral("S1"));
    chart.setRow(2);

    auto check = [&chart](bool expectThinned) {
        const QStringList labels = chart.axisLabels();
        QCOMPARE(QSet<QString>(labels.begin(), labels.end()).size(), labels.size());
        QCOMPARE(labels.first(), symbolOf(1));
        QCOMPARE(labels.size() < 20, expectThinned);
        if (!expectThinned) QCOMPARE(labels.at(2), symbolOf(3));
    };
    check(false);

    chart.resize(300, 200);
    QCoreApplication::processEvents();
    check(true);

    // Widening again brings every symbol back.
    chart.resize(1200, 300);
    QCoreApplication::processEvents();
    check(false);
}

FERROVA_TEST_MAIN(TestChartControl)
#include "tst_chartcontrol.moc"
