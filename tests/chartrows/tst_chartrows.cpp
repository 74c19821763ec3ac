// The rows of a chart, without a widget: labels to their own rows in any order, values read
// back in any locale, rows out of range refused.
#include <QSet>
#include <QtTest>

#include <algorithm>
#include <random>
#include <stdexcept>

#include "chartrows/ChartRows.h"
#include "files/NumberText.h"

namespace {

constexpr int kElements = 109;

QString symbolOf(int atomicNumber)
{
    return QStringLiteral("S%1").arg(atomicNumber);
}

// One record as the program writes it: label first, then the row is made current.
void writeRecord(ChartRows &chart, int atomicNumber, const QString &label, const QString &text)
{
    chart.setColumnCount(1);
    chart.setRowLabel(label);
    chart.setRowCount(kElements);
    chart.setRow(atomicNumber);
    chart.setData(text);
}

void fill(ChartRows &chart, const QList<int> &order)
{
    for (int n : order) writeRecord(chart, n, symbolOf(n), singleText(float(n) * 1.5f));
}

QList<int> ascending()
{
    QList<int> order;
    for (int n = 1; n <= kElements; ++n) order.append(n);
    return order;
}

}  // namespace

class TestChartRows : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::c()); }

    void eachRowGetsItsOwnLabel_data();
    void eachRowGetsItsOwnLabel();
    void laterWritesWinOthersStay();
    void valueText_data();
    void valueText();
    void rowOutOfRange();
};

void TestChartRows::eachRowGetsItsOwnLabel_data()
{
    QTest::addColumn<QList<int>>("order");
    QList<int> order = ascending();
    std::reverse(order.begin(), order.end());
    QTest::newRow("descending") << order;
    std::shuffle(order.begin(), order.end(), std::mt19937(20240611));
    QTest::newRow("shuffled") << order;
    QTest::newRow("part, shuffled") << order.mid(0, 40);
}

void TestChartRows::eachRowGetsItsOwnLabel()
{
    QFETCH(QList<int>, order);
    ChartRows chart;
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

void TestChartRows::laterWritesWinOthersStay()
{
    ChartRows chart;
    fill(chart, ascending());
    writeRecord(chart, 26, QStringLiteral("Fe"), QStringLiteral("7.874"));
    chart.setRowName(QStringLiteral("铁"));
    writeRecord(chart, 26, QStringLiteral("Xx"), QStringLiteral("1"));
    QCOMPARE(chart.rowLabel(26), QStringLiteral("Xx"));
    QCOMPARE(chart.rowName(26), QString());  // a new element's row keeps no old name
    QCOMPARE(chart.data(), QStringLiteral("1"));
    QCOMPARE(chart.rowLabel(25), symbolOf(25));
    QCOMPARE(chart.value(27), 27 * 1.5);
    chart.setRow(26);  // no new label: the row keeps its own
    QCOMPARE(chart.rowLabel(26), QStringLiteral("Xx"));

    // Growing adds empty rows; shrinking drops from the end and moves the current row.
    chart.setRowCount(112);
    QCOMPARE(chart.rowLabel(109), symbolOf(109));
    QCOMPARE(chart.rowLabel(112), QString());
    chart.setRow(112);
    chart.setRowCount(50);
    QCOMPARE(chart.row(), 50);
    QCOMPARE(chart.data(), singleText(75));
    chart.setRowCount(-3);
    QCOMPARE(chart.rowCount(), 0);
    QCOMPARE(chart.row(), 0);
}

void TestChartRows::valueText_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("expected");
    // Whatever singleText() writes must read back to the same float and the same text.
    for (const char *name : {"de_DE", "fr_FR", "en_US"})
        for (float value : {8.99e-05f, 1.00794f, 3695.0f, -0.5f, 1.234567e12f, 0.0f})
            QTest::addRow("%s %g", name, double(value))
                << QString::fromLatin1(name) << singleText(value, QLocale(name)) << double(value);
    QTest::newRow("point is no group separator") << "de_DE"
                                                 << "1.234" << 1.234;
    QTest::newRow("blanks around") << "C"
                                   << " 12.5 " << 12.5;
    QTest::newRow("empty") << "C"
                           << "" << 0.0;
    QTest::newRow("not a number") << "C"
                                  << "n/a" << 0.0;
}

void TestChartRows::valueText()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(double, expected);
    QLocale::setDefault(QLocale(locale));
    ChartRows chart;
    writeRecord(chart, 42, QStringLiteral("Mo"), text);
    QCOMPARE(float(chart.value(42)), float(expected));
    QCOMPARE(chart.data(), singleText(float(expected)));
}

void TestChartRows::rowOutOfRange()
{
    ChartRows chart;
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.setRow(1));  // no rows yet
    QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.setData(QStringLiteral("1")));

    fill(chart, ascending());
    for (int bad : {0, -1, 110, INT_MIN, INT_MAX}) {
        chart.setRowLabel(QStringLiteral("Bad"));
        QVERIFY_THROWS_EXCEPTION(std::out_of_range, chart.setRow(bad));
        QCOMPARE(chart.rowLabel(bad), QString());
        QCOMPARE(chart.value(bad), 0.0);
    }
    // The failed record's label must not stick to the next row made current.
    chart.setRow(5);
    QCOMPARE(chart.rowLabel(5), symbolOf(5));
}

QTEST_APPLESS_MAIN(TestChartRows)
#include "tst_chartrows.moc"
