#include <QChartView>
#include <QSet>
#include <QToolTip>

#include <algorithm>

#include "TestMain.h"
#include "charts/ChartControl.h"
#include "charts/ChartKeys.h"
#include "elements/ValueSources.h"
#include "files/NumberText.h"

namespace {

constexpr int kElements = 109;

QString symbolOf(int atomicNumber)
{
    return QStringLiteral("S%1").arg(atomicNumber);
}

// One record as the program writes it: label first, then the row is made current.
void writeRecord(ChartControl &chart, int atomicNumber, const QString &label, const QString &text)
{
    chart.setColumnCount(1);
    chart.setRowLabel(label);
    chart.setRowCount(kElements);
    chart.setRow(atomicNumber);
    chart.setData(text);
}

void fill(ChartControl &chart, const QList<int> &order)
{
    ChartControl::UpdateBatch batch(chart);
    for (int n : order) writeRecord(chart, n, symbolOf(n), singleText(float(n) * 1.5f));
}

QList<int> ascending()
{
    QList<int> order;
    for (int n = 1; n <= kElements; ++n) order.append(n);
    return order;
}

// Melting points n × 1.5 K with element names, and no value for element 3.
void fillNamed(ChartControl &chart)
{
    ChartControl::UpdateBatch batch(chart);
    chart.setChartProperty(1);
    for (int n : ascending()) {
        writeRecord(chart, n, symbolOf(n), n == 3 ? QStringLiteral("0") : singleText(n * 1.5f));
        chart.setRowName(QStringLiteral("元素%1").arg(n));
    }
}

}  // namespace

class TestChartControl : public QObject {
    Q_OBJECT

private slots:
    void batchedFillRefreshesOnce();
    void sizeInTwips();
    void axisLabelsThinnedAndDistinct();
    void toolTipStaysAndFollows();
    void keysStepThroughBars_data();
    void keysStepThroughBars();
};

void TestChartControl::batchedFillRefreshesOnce()
{
    ChartControl chart;
    const int start = chart.refreshCount();
    fill(chart, ascending());
    QCOMPARE(chart.refreshCount(), start + 1);
    {
        ChartControl::UpdateBatch outer(chart);
        fill(chart, ascending());  // nested
        QCOMPARE(chart.refreshCount(), start + 1);
    }
    QCOMPARE(chart.refreshCount(), start + 2);

    // Outside a batch a change shows at once.
    chart.setData(QStringLiteral("1.85"));
    QCOMPARE(chart.refreshCount(), start + 3);
}

void TestChartControl::sizeInTwips()
{
    ChartControl chart;
    chart.setWidthTwips(6000);
    chart.setHeightTwips(3000);
    QCOMPARE(chart.size(), QSize(400, 200));
    QCOMPARE(chart.widthTwips(), 6000.0);
    chart.setWidthTwips(-150);
    chart.setHeightTwips(-1e9);
    QCOMPARE(chart.size(), QSize(0, 0));
}

void TestChartControl::axisLabelsThinnedAndDistinct()
{
    ChartControl chart;
    chart.resize(1200, 300);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    fill(chart, ascending());
    chart.setRowCount(20);
    // A repeated symbol from a damaged file still needs a label of its own.
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
    chart.resize(1200, 300);
    QCoreApplication::processEvents();
    check(false);
}

// The tooltip of the bar under the pointer stays while the pointer rests there, follows it
// to the next bar and goes when the pointer leaves the plot.
void TestChartControl::toolTipStaysAndFollows()
{
    ChartControl chart;
    chart.resize(800, 300);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    fillNamed(chart);
    QCoreApplication::processEvents();  // the chart lays itself out for the new values
    QWidget *viewport = chart.findChild<QChartView *>()->viewport();
    auto pointAt = [&](const QPoint &inChart) {
        QTest::mouseMove(viewport, viewport->mapFrom(&chart, inChart));
    };

    // Under the value, where it comes from: rows are atomic numbers.
    const QString iron = QStringLiteral("S26 元素26: 39 K\n") +
                         ValueSources::describe(26, ValueSources::Field::MeltingPoint, true);
    QVERIFY(iron.contains(QStringLiteral("来源：mendeleev")));
    pointAt(chart.barPosition(26));
    QTRY_VERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), iron);
    QTest::qWait(2000);  // long past the moment the toolkit asks for a resting tooltip
    QVERIFY(QToolTip::isVisible());
    QCOMPARE(QToolTip::text(), iron);

    pointAt(chart.barPosition(27) + QPoint(0, 5));
    QTRY_COMPARE(QToolTip::text().section(QLatin1Char('\n'), 0, 0),
                 QStringLiteral("S27 元素27: 40.5 K"));
    QVERIFY(QToolTip::isVisible());

    pointAt(QPoint(chart.barPosition(27).x(), 2));  // above the plot
    QTRY_VERIFY(!QToolTip::isVisible());
}

void TestChartControl::keysStepThroughBars_data()
{
    QTest::addColumn<QList<int>>("keys");
    QTest::addColumn<int>("bar");  // marked, with its tooltip; 0: none
    QTest::addColumn<QString>("tip");
    const QString first = QStringLiteral("S1 元素1: 1.5 K");
    QTest::newRow("coming in marks the first") << QList<int>{} << 1 << first;
    QTest::newRow("right") << QList<int>{Qt::Key_Right} << 2 << QStringLiteral("S2 元素2: 3 K");
    QTest::newRow("no data") << QList<int>{Qt::Key_Right, Qt::Key_Right} << 3
                             << QStringLiteral("S3 元素3: 无数据");
    QTest::newRow("left stops at the first") << QList<int>{Qt::Key_Left} << 1 << first;
    const QString last = QStringLiteral("S109 元素109: 163.5 K");
    QTest::newRow("end") << QList<int>{Qt::Key_End} << 109 << last;
    QTest::newRow("right stops at the last")
        << QList<int>{Qt::Key_End, Qt::Key_Right} << 109 << last;
    QTest::newRow("home") << QList<int>{Qt::Key_End, Qt::Key_Home} << 1 << first;
    QTest::newRow("tab leaves, the mark goes")
        << QList<int>{Qt::Key_Right, Qt::Key_Tab} << 0 << QString();
}

// The keyboard marks bars as the pointer does, and screen readers get the tooltip's text.
void TestChartControl::keysStepThroughBars()
{
    QFETCH(QList<int>, keys);
    QFETCH(int, bar);
    QFETCH(QString, tip);
    QWidget window;
    auto *chart = new ChartControl(&window);
    chart->setGeometry(0, 0, 800, 300);
    QWidget *after = new QWidget(&window);
    after->setFocusPolicy(Qt::TabFocus);
    chart->keys().setTabHandler([after](bool) { after->setFocus(Qt::TabFocusReason); });
    fillNamed(*chart);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    chart->setFocus(Qt::TabFocusReason);
    for (int key : keys) QTest::keyClick(window.focusWidget(), Qt::Key(key));
    QTRY_COMPARE(chart->markedBar(), bar);  // coming in, the mark waits for the focus to settle
    QTRY_COMPARE(QToolTip::isVisible(), bar > 0);
    if (bar == 0) return;
    QCOMPARE(QToolTip::text().section(QLatin1Char('\n'), 0, 0), tip);  // the source follows
    QCOMPARE(chart->focusProxy()->accessibleDescription(), QToolTip::text());
}

FERROVA_TEST_MAIN(TestChartControl)
#include "tst_chartcontrol.moc"
