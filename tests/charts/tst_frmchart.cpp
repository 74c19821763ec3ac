// The chart window opened from the main window and driven through its handlers: opening,
// the property buttons, closing, hover and the layout that follows the window size.
#include <QFrame>
#include <QMouseEvent>
#include <QSignalSpy>

#include "MainWindowHarness.h"
#include "TestMain.h"
#include "charts/ChartActions.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartControl.h"
#include "chartwindow/FrmChart.h"
#include "files/DataFiles.h"
#include "files/ElementFile.h"
#include "files/ModVantrel.h"
#include "mainwindow/FrmVantrel.h"
#include "widgets/ButtonPictures.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"
#include "widgets/ImageButtons.h"
#include "widgets/Twips.h"

using namespace mod_Vantrel;

namespace {

// Row -> value of `property` for every record of the data file.
QMap<int, float> dataColumn(qint16 property)
{
    QMap<int, float> column;
    ElementFile::scan(ElementFile::Numbers::Any, [&](const ElementRecordType &record) {
        column.insert(record.AtomicNumber, *ChartBuilder::propertyValue(record, property));
        return ElementFile::Next::Continue;
    });
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

// The chart's heading, as shown and in full inside the frame that crops the chart.
QString visibleTitle(const ChartControl &chart, const QFrame &frame)
{
    const QRect title = chart.titleGeometry().translated(chart.pos());
    return frame.rect().contains(title) && !title.isEmpty() ? chart.title() : QString();
}

// Closes the chart window the way `how` says: its handler, a click, the close box, Esc.
void closeBy(frm_Chart *chart, const QString &how)
{
    if (how == QLatin1String("handler")) chart->img_Btns_Click(Command::ShowChart);
    if (how == QLatin1String("click")) {
        chart->img_Btns_MouseMove(ButtonPictures::Chart);
        QTest::mouseClick(chart->img_Btns().image(Command::ShowChart), Qt::LeftButton);
    }
    if (how == QLatin1String("close box")) QVERIFY(chart->close());
    if (how == QLatin1String("Esc")) {
        chart->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(chart));
        QTest::keyClick(chart->focusWidget(), Qt::Key_Escape);
    }
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
        m_h->setSetting(&Settings::Values::ChartWindowsMode, qint16(1));
        // The highlight 180 is what the user clicks
        m_main->img_Btns_MouseMove(ButtonPictures::Chart);
        m_main->img_Btns_Click(Command::ShowChart);
        return chartWindowOf(*m_main);
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
        QVERIFY(m_main->otherWindowOpen());  // the grid and toolbar rest
        QVERIFY(isFolded(*m_main));
        QVERIFY(m_main->img_Btns().image(Command::ShowChart)->isHidden());
        QCOMPARE(chart->size(), QSize(422, 348));
        // The first resize already fits frame and chart to the window.
        const QSize frame = chart->fra_Chart()->size();
        QCOMPARE(frame, QSize(Twips::toPx(6235), Twips::toPx(4660)));
        QCOMPARE(chart->msc_Options()->pos(), QPoint(-14, -32));
        QCOMPARE(chart->msc_Options()->size(), QSize(Twips::toPx(6585), Twips::toPx(5340)));
        QVERIFY(m_h->messages.isEmpty());
        // Nothing charted yet: a hint where the chart will be.
        const ChartControl *plot = chart->msc_Options();
        QVERIFY(plot->hintShown());
        QTRY_VERIFY(
            chart->fra_Chart()->rect().contains(plot->hintGeometry().translated(plot->pos())));
        QCOMPARE(plot->title(), QString());
    }

    // Each property button: caption, values, and the heading and tooltips that say what is
    // charted, in the chart window and in the main window's pane.
    void propertyButtons_data()
    {
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("row");
        QTest::addColumn<QString>("toolTip");
        QTest::newRow("101") << int(Command::AtomicWeightChart) << "原子量曲线"
                             << "原子量" << 26 << "Fe 铁: 55.845";
        QTest::newRow("102 helium has no melting point")
            << int(Command::MeltingPointChart) << "熔点曲线"
            << "熔点 (K)" << 2 << "He 氦: 无数据";
        QTest::newRow("103") << int(Command::BoilingPointChart) << "沸点曲线"
                             << "沸点 (K)" << 26 << "Fe 铁: 3134.15 K";
        QTest::newRow("104") << int(Command::DensityChart) << "密度曲线"
                             << "密度 (g/cm³)" << 26 << "Fe 铁: 7.874 g/cm³";
        QTest::newRow("105 no circles") << int(Command::AtomicRadiusChart) << "原子半径"
                                        << "原子半径 (Å)" << 26 << "Fe 铁: 1.4 Å";
        QTest::newRow("106 no circles") << int(Command::CovalentRadiusChart) << "共有原子阶范围"
                                        << "共价半径 (Å)" << 26 << "Fe 铁: 1.16 Å";
        QTest::newRow("107 an affinity of 0 is a value")
            << int(Command::ElectronAffinityChart) << "电子亲和性 (M-M)/KJ mol^-1"
            << "电子亲和能 (kJ/mol)" << 2 << "He 氦: 0 kJ/mol";
        QTest::newRow("108") << int(Command::FusionEnthalpyChart) << "Enthalpy of Fusion/kJ mol^-1"
                             << "熔化焓 (kJ/mol)" << 26 << "Fe 铁: 13.8 kJ/mol";
        QTest::newRow("109") << int(Command::VaporisationEnthalpyChart)
                             << "Enthalpy of Vaporisation/kJ mol^-1"
                             << "汽化焓 (kJ/mol)" << 26 << "Fe 铁: 340 kJ/mol";
    }
    void propertyButtons()
    {
        QFETCH(int, index);
        QFETCH(QString, caption);
        QFETCH(QString, title);
        QFETCH(int, row);
        QFETCH(QString, toolTip);
        frm_Chart *chart = openChart();
        chart->img_Btns_MouseMove(index - ButtonPictures::kHighlight);
        chart->img_Btns_Click(index);
        QCOMPARE(chart->windowTitle(), caption);
        QCOMPARE(chart->msc_Options()->chartProperty(), Command::chartPropertyOf(index));
        QCOMPARE(chart->msc_Options()->rowCount(), 109);
        QCOMPARE(mismatches(*chart->msc_Options(), dataColumn(Command::chartPropertyOf(index))),
                 QStringList());
        QCOMPARE(chart->msc_Options()->rowLabel(26), QStringLiteral("Fe"));
        QCOMPARE(visibleTitle(*chart->msc_Options(), *chart->fra_Chart()), title);
        const QString tip = chart->msc_Options()->toolTipText(row);
        QCOMPARE(tip.section(QLatin1Char('\n'), 0, 0), toolTip);
        // Then where the value comes from; mendeleev gives most values of every property.
        QVERIFY2(tip.section(QLatin1Char('\n'), 1, 1).startsWith(QStringLiteral("来源：")),
                 qPrintable(tip));
        QVERIFY2(chart->msc_Options()->sourcesLine().startsWith(QStringLiteral("来源：mendeleev ")),
                 qPrintable(chart->msc_Options()->sourcesLine()));
        QVERIFY(!chart->msc_Options()->hintShown());
        // The radius buttons here only chart: the main window's grid stays as it is.
        QVERIFY(m_main->circles().isEmpty());
        QVERIFY(m_main->grid().normalLinesShown());
        QVERIFY(!m_main->shp_Group(0)->isHidden());

        chart->img_Btns_Click(Command::ShowChart);
        m_main->img_Btns_Click(index);
        ChartControl *pane = chartOf(*m_main);
        QTRY_COMPARE(visibleTitle(*pane, *m_main->fra_Chart()), title);
        QCOMPARE(pane->toolTipText(row), tip);
        QVERIFY(!pane->hintShown());
    }

    void propertyCarriesToMainWindow()
    {
        frm_Chart *chart = openChart();
        chart->img_Btns_Click(Command::FusionEnthalpyChart);
        chart->img_Btns_Click(Command::ShowChart);
        const QMap<int, float> fusion = dataColumn(7);
        QVERIFY(!mismatches(*chartOf(*m_main), fusion).isEmpty());  // still atomic weights
        m_main->img_Btns_Click(Command::ShowTable);
        QCOMPARE(mismatches(*chartOf(*m_main), fusion), QStringList());
        QVERIFY(chartOf(*m_main)->value(26) > 0);
    }

    // °C chosen on the main window's chart holds for the chart window at once.
    void unitSharedWithChartPane()
    {
        frm_Chart *chart = openChart();
        chart->img_Btns_Click(Command::MeltingPointChart);
        ChartActions::of(*chartOf(*m_main))->celsiusAction()->trigger();
        QCOMPARE(chart->msc_Options()->title(), QStringLiteral("熔点 (°C)"));
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("handler 180") << "handler";
        QTest::newRow("clicked highlight 180") << "click";
        QTest::newRow("title-bar close box") << "close box";
        QTest::newRow("Esc") << "Esc";
    }
    void closing()
    {
        QFETCH(QString, how);
        QPointer<frm_Chart> chart = openChart();
        m_main->hide();
        closeBy(chart, how);
        QVERIFY(!m_main->otherWindowOpen());
        flushDeletes();
        QVERIFY(!chart);
        QVERIFY(!chartWindowOf(*m_main));
        QVERIFY(m_main->isVisible());
        QVERIFY(isFolded(*m_main));
        QVERIFY(m_h->messages.isEmpty());
    }

    // Standing alone, the window only asks: folding when it loads, coming back when it
    // closes, whichever way it is closed. The main window's answers are checked above.
    void signalsStandingAlone_data() { closing_data(); }
    void signalsStandingAlone()
    {
        QFETCH(QString, how);
        m_h->start();
        QPointer<frm_Chart> chart = new frm_Chart(m_h->app());
        QSignalSpy fold(chart.data(), &frm_Chart::foldMainWindowRequested);
        QSignalSpy closed(chart.data(), &frm_Chart::closed);
        chart->Form_Load();
        chart->show();
        QCOMPARE(fold.count(), 1);
        QCOMPARE(closed.count(), 0);
        chart->img_Btns_Click(Command::DensityChart);
        QCOMPARE(closed.count(), 0);
        closeBy(chart, how);
        QCOMPARE(closed.count(), 1);
        QCOMPARE(fold.count(), 1);
        flushDeletes();
        QVERIFY(!chart);
    }

    void hover()
    {
        frm_Chart *chart = openChart();
        ImageButtonArray &buttons = chart->img_Btns();
        chart->img_Btns_MouseMove(ButtonPictures::BoilingPoint);
        QVERIFY(buttons.image(Command::BoilingPointChart)->isVisible());
        // Moves over a highlight change nothing
        chart->img_Btns_MouseMove(Command::BoilingPointChart);
        chart->img_Btns_MouseMove(ButtonPictures::ElectronAffinity);
        QVERIFY(buttons.image(Command::ElectronAffinityChart)->isVisible());
        QVERIFY(!buttons.image(Command::BoilingPointChart)->isVisible());

        moveMouse(chart, chart->fra_Chart()->geometry().center());  // over the chart
        QVERIFY(buttons.image(Command::ElectronAffinityChart)->isVisible());
        moveMouse(chart, QPoint(2, 2));  // bare background above the toolbar
        QVERIFY(!buttons.image(Command::ElectronAffinityChart)->isVisible());
        QVERIFY(!buttons.image(Command::ElectronAffinityChart)->isEnabled());
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
