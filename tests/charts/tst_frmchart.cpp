// The chart window opened from the main window and driven through its handlers: opening,
// the property buttons, closing, hover and the layout that follows the window size.
#include <QFrame>
#include <QMouseEvent>

#include "MainWindowHarness.h"
#include "TestMain.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartControl.h"
#include "charts/FrmChart.h"
#include "data/DataFiles.h"
#include "data/ModVantrel.h"
#include "table/Dialogs.h"
#include "table/FrmVantrel.h"
#include "table/ImageButtons.h"
#include "table/Twips.h"

using namespace mod_Vantrel;

namespace {

// Row -> value of `property` for every record of the data file.
QMap<int, float> dataColumn(qint16 property)
{
    QMap<int, float> column;
    InputFile file(DataFiles::DataPath(QStringLiteral("Elements.prn")));
    while (!file.atEnd()) {
        ReadElementRecord(file.input());
        column.insert(ElementRecord.AtomicNumber, *ChartBuilder::propertyValue(property));
    }
    return column;
}

// Rows whose charted value differs from the data (the chart keeps seven digits).
QStringList mismatches(const ChartControl &chart, const QMap<int, float> &column)
{
    QStringList wrong;
    for (auto it = column.cbegin(); it != column.cend(); ++it) {
        const double expected = it.value();
        if (qAbs(chart.value(it.key()) - expected) > 1e-6 * qMax(1.0, qAbs(expected)))
            wrong << QStringLiteral("%1: %2 != %3")
                         .arg(it.key())
                         .arg(chart.value(it.key()))
                         .arg(expected);
    }
    return wrong;
}

bool isFolded(const frm_Vantrel &main)
{
    return qAbs(main.outerHeightTwips() - frm_Vantrel::kFoldedHeight) <= Twips::kPerPixel;
}

}  // namespace

class TestFrmChart : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowHarness> m_h;
    frm_Vantrel *m_main = nullptr;

    // The main window over the shipped data, set to open charts in their own window, and
    // the chart window opened by its chart button.
    frm_Chart *openChart()
    {
        m_main = &m_h->start();
        ChartWindowsMode = 1;
        m_main->img_Btns_MouseMove(80);  // the highlight 180 is what the user clicks
        m_main->img_Btns_Click(180);
        return m_main->chartWindow();
    }

private slots:
    void init() { m_h = std::make_unique<MainWindowHarness>(); }
    void cleanup()
    {
        m_main = nullptr;
        m_h.reset();
    }

    void layoutFor_data()
    {
        QTest::addColumn<double>("outerWidth");
        QTest::addColumn<double>("outerHeight");
        QTest::addColumn<QRectF>("frameAndChart");  // frame w, h; chart w, h
        QTest::newRow("opening size") << 6450.0 << 5670.0 << QRectF(6235, 4660, 6585, 5340);
        QTest::newRow("just the margins") << 215.0 << 1010.0 << QRectF(0, 0, 350, 680);
        QTest::newRow("smaller than the margins") << 100.0 << 300.0 << QRectF(0, 0, 350, 680);
        QTest::newRow("nothing") << 0.0 << 0.0 << QRectF(0, 0, 350, 680);
        QTest::newRow("wide and flat") << 20000.0 << 900.0 << QRectF(19785, 0, 20135, 680);
        QTest::newRow("large") << 18000.0 << 12000.0 << QRectF(17785, 10990, 18135, 11670);
    }
    void layoutFor()
    {
        QFETCH(double, outerWidth);
        QFETCH(double, outerHeight);
        QFETCH(QRectF, frameAndChart);
        const frm_Chart::Layout l = frm_Chart::layoutFor(outerWidth, outerHeight);
        QCOMPARE(QRectF(l.frameWidth, l.frameHeight, l.chartWidth, l.chartHeight), frameAndChart);
        // Past the margins, 100 twips more window give 100 more frame and chart.
        if (outerWidth < 215 || outerHeight < 1010) return;
        const frm_Chart::Layout g = frm_Chart::layoutFor(outerWidth + 100, outerHeight + 100);
        QCOMPARE(QRectF(g.frameWidth, g.frameHeight, g.chartWidth, g.chartHeight),
                 QRectF(l.frameWidth + 100, l.frameHeight + 100, l.chartWidth + 100,
                        l.chartHeight + 100));
    }

    void opening()
    {
        frm_Chart *chart = openChart();
        QVERIFY(chart);
        QVERIFY(chart->isVisible());
        QVERIFY(chart->isWindow() && !chart->parentWidget());
        QVERIFY(chart->testAttribute(Qt::WA_DeleteOnClose));
        QVERIFY(!chart->windowIcon().isNull());
        QCOMPARE(chart->windowTitle(), QStringLiteral("曲线窗口"));
        QCOMPARE(ChartWindowOpen, True);
        QVERIFY(isFolded(*m_main));
        QVERIFY(m_main->img_Btns().image(180)->isHidden());
        QCOMPARE(HighlightedButton, 180);
        QCOMPARE(chart->size(), QSize(422, 348));
        // The first resize already fits frame and chart to the window.
        const QSize frame = chart->fra_Chart()->size();
        QCOMPARE(frame, QSize(Twips::toPx(6235), Twips::toPx(4660)));
        QCOMPARE(chart->msc_Options()->pos(), QPoint(-14, -32));
        QCOMPARE(chart->msc_Options()->size(), QSize(Twips::toPx(6585), Twips::toPx(5340)));
        QVERIFY(m_h->messages.isEmpty());
    }

    void propertyButtons_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::newRow("101") << 101 << "原子量曲线";
        QTest::newRow("102") << 102 << "熔点曲线";
        QTest::newRow("103") << 103 << "浮点曲线";
        QTest::newRow("104") << 104 << "密度曲线";
        QTest::newRow("105 no circles") << 105 << "原子半径";
        QTest::newRow("106 no circles") << 106 << "共有原子阶范围";
        QTest::newRow("107") << 107 << "电子亲和性 (M-M)/KJ mol^-1";
        QTest::newRow("108") << 108 << "Enthalpy of Fusion/kJ mol^-1";
        QTest::newRow("109") << 109 << "Enthalpy of Vaporisation/kJ mol^-1";
    }
    void propertyButtons()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        frm_Chart *chart = openChart();
        chart->img_Btns_MouseMove(index - 100);
        chart->img_Btns_Click(index);
        QCOMPARE(chart->windowTitle(), caption);
        QCOMPARE(ChartProperty, index - 101);
        QCOMPARE(chart->msc_Options()->rowCount(), 109);
        QCOMPARE(mismatches(*chart->msc_Options(), dataColumn(qint16(index - 101))), QStringList());
        QCOMPARE(chart->msc_Options()->rowLabel(26), QStringLiteral("Fe"));
        // The radius buttons here only chart: the main window's grid stays as it is.
        QVERIFY(m_main->circles().isEmpty());
        QCOMPARE(NormalGridShown, True);
        QVERIFY(!m_main->shp_Group(0)->isHidden());
        QCOMPARE(LastButton, 180);
    }

    void propertyCarriesToMainWindow()
    {
        frm_Chart *chart = openChart();
        chart->img_Btns_Click(108);
        chart->img_Btns_Click(180);
        const QMap<int, float> fusion = dataColumn(7);
        QVERIFY(!mismatches(*m_main->msc_Options(), fusion).isEmpty());  // still atomic weights
        m_main->img_Btns_Click(182);
        QCOMPARE(mismatches(*m_main->msc_Options(), fusion), QStringList());
        QVERIFY(m_main->msc_Options()->value(26) > 0);
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("handler 180") << "handler";
        QTest::newRow("clicked highlight 180") << "click";
        QTest::newRow("title-bar close box") << "close box";
    }
    void closing()
    {
        QFETCH(QString, how);
        QPointer<frm_Chart> chart = openChart();
        m_main->hide();
        if (how == QLatin1String("handler")) chart->img_Btns_Click(180);
        if (how == QLatin1String("click")) {
            chart->img_Btns_MouseMove(80);
            QTest::mouseClick(chart->img_Btns().image(180), Qt::LeftButton);
        }
        if (how == QLatin1String("close box")) QVERIFY(chart->close());
        QCOMPARE(ChartWindowOpen, False);
        flushDeletes();
        QVERIFY(!chart);
        QVERIFY(!m_main->chartWindow());
        QVERIFY(m_main->isVisible());
        QVERIFY(isFolded(*m_main));
        QVERIFY(m_h->messages.isEmpty());
    }

    void hover()
    {
        frm_Chart *chart = openChart();
        ImageButtonArray &buttons = chart->img_Btns();
        chart->img_Btns_MouseMove(3);
        QVERIFY(buttons.image(103)->isVisible());
        chart->img_Btns_MouseMove(103);  // moves over a highlight change nothing
        chart->img_Btns_MouseMove(7);
        QVERIFY(buttons.image(107)->isVisible());
        QVERIFY(!buttons.image(103)->isVisible());
        QCOMPARE(HighlightedButton, 107);

        moveMouse(chart, chart->fra_Chart()->geometry().center());  // over the chart
        QVERIFY(buttons.image(107)->isVisible());
        moveMouse(chart, QPoint(2, 2));  // bare background above the toolbar
        QVERIFY(!buttons.image(107)->isVisible());
        QVERIFY(!buttons.image(107)->isEnabled());
    }

    void resizingFollowsWindow()
    {
        frm_Chart *chart = openChart();
        const QSize frame = chart->fra_Chart()->size();
        const QSize plot = chart->msc_Options()->size();
        chart->resize(chart->size() + QSize(30, 20));
        QTRY_COMPARE(chart->fra_Chart()->size(), frame + QSize(30, 20));
        QCOMPARE(chart->msc_Options()->size(), plot + QSize(30, 20));
        QCOMPARE(chart->fra_Chart()->pos(), QPoint(0, 40));
    }
};

FERROVA_TEST_MAIN(TestFrmChart)
#include "tst_frmchart.moc"
