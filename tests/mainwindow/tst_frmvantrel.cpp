// The main window driven through its real handlers: start-up, cells, toolbar, hover and
// the radius view.
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPointer>
#include <QShortcut>
#include <QTimer>

#include "chartwindow/FrmChart.h"
#include "options/FrmOptions.h"

#include "MainWindowHarness.h"
#include "TestMain.h"
#include "charts/ChartControl.h"
#include "details/DetailsPanel.h"
#include "files/DataError.h"
#include "files/ModVantrel.h"
#include "formulawindow/FormulaWindow.h"
#include "grid/ElementCell.h"
#include "isotopewindow/IsotopeWindow.h"
#include "mainwindow/FrmVantrel.h"
#include "sheet/ElementSheetWindow.h"
#include "temperature/TemperatureView.h"
#include "temperature/TemperatureWindow.h"
#include "widgets/ButtonPictures.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"
#include "widgets/ImageButtons.h"
#include "widgets/IndexedLabel.h"

using namespace mod_Vantrel;

namespace {

// A record in the comma form with the given tail pieces.
QByteArray record(int number, const QString &symbol, const QString &phase, const QString &name,
                  double weight = 1.5, double atomicRadius = 1.0, double covalentRadius = 0.5)
{
    return QStringLiteral(
               "%1,%2,20,14.01,0.0000899,1,2,0,0,0,%3,%4,1,2,3,\"+1\t-\t1s\t0\t0\t0\tx\t%5\t%6\t%"
               "7\"\r\n")
        .arg(number)
        .arg(weight)
        .arg(atomicRadius)
        .arg(covalentRadius)
        .arg(phase, symbol, name)
        .toUtf8();
}

double twips(int px)
{
    return px * 15.0;
}

// Within a pixel (15 twips) on every edge.
bool samePlace(const QRect &a, const QRect &b)
{
    return qAbs(a.left() - b.left()) <= 1 && qAbs(a.top() - b.top()) <= 1 &&
           qAbs(a.width() - b.width()) <= 1 && qAbs(a.height() - b.height()) <= 1;
}

QShortcut *shortcut(const QWidget &window, const QKeySequence &keys)
{
    for (QShortcut *candidate : window.findChildren<QShortcut *>())
        if (candidate->key() == keys) return candidate;
    return nullptr;
}

// What a window's pictures are cached under: by the style, the palettes of the controls that
// take theirs from the window; by the window system, the window's icon.
QSet<qint64> pictureCacheKeys(const QWidget *window)
{
    QSet<qint64> keys{window->windowIcon().cacheKey()};
    for (const QWidget *control : window->findChildren<QWidget *>())
        if (!control->testAttribute(Qt::WA_SetPalette)) keys << control->palette().cacheKey();
    return keys;
}

}  // namespace

class TestFrmVantrel : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowHarness> m_h;

    frm_Vantrel &start(const QByteArray &settings = {}, const QByteArray *elements = nullptr)
    {
        return m_h->start(settings, elements);
    }

    QColor symbolColour()
    {
        const auto *symbol = m_h->main().pic_Elements()->findChild<QLabel *>("lbl_ElementSymbol");
        return symbol->palette().color(QPalette::WindowText);
    }
    QString panelText(const char *name)
    {
        return m_h->main().pic_Elements()->findChild<QLabel *>(QLatin1String(name))->text();
    }

    int yellowCells()
    {
        int count = 0;
        for (int n = 1; n <= 109; ++n) {
            ElementCell *cell = m_h->main().lbl_Elements(n);
            count += !cell->isTransparent() && cell->backColour() == QColor(255, 250, 128);
        }
        return count;
    }

private slots:
    void init() { m_h = std::make_unique<MainWindowHarness>(); }
    void cleanup() { m_h.reset(); }

    void cellGeometry_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<int>("left");
        QTest::addColumn<int>("top");
        QTest::newRow("H") << 1 << 120 << 120;
        QTest::newRow("He") << 2 << 8280 << 120;
        QTest::newRow("B") << 5 << 5880 << 600;
        QTest::newRow("Fe") << 26 << 3480 << 1560;
        QTest::newRow("La") << 57 << 1080 << 2520;
        QTest::newRow("Hf") << 72 << 1560 << 2520;
        QTest::newRow("Ce") << 58 << 1560 << 3840;
        QTest::newRow("Lr") << 103 << 7800 << 4320;
        QTest::newRow("Mt") << 109 << 3960 << 3000;
    }
    void cellGeometry()
    {
        QFETCH(int, number);
        QFETCH(int, left);
        QFETCH(int, top);
        const QRect g = start().lbl_Elements(number)->geometry();
        QCOMPARE(QRect(int(twips(g.x())), int(twips(g.y())), int(twips(g.width())),
                       int(twips(g.height()))),
                 QRect(left, top, 495, 495));
    }

    void startupLook_data()
    {
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("symbol");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("gas red") << 1 << "H"
                                 << "氢" << QColor(255, 0, 0);
        QTest::newRow("solid black") << 26 << "Fe"
                                     << "铁" << QColor(0, 0, 0);
        QTest::newRow("liquid blue") << 80 << "Hg"
                                     << "汞" << QColor(0, 0, 255);
        QTest::newRow("synthetic orange") << 43 << "Tc"
                                          << "锝" << QColor(255, 128, 0);
        QTest::newRow("supplementary name")
            << 104 << "Rf" << QString::fromUtf8("\U0002CB3B") << QColor(255, 128, 0);
    }
    void startupLook()
    {
        QFETCH(int, number);
        QFETCH(QString, symbol);
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        ElementCell *cell = start().lbl_Elements(number);
        QCOMPARE(cell->text(), symbol);
        QCOMPARE(cell->toolTip(), name);
        QCOMPARE(cell->accessibleName(), QStringLiteral("%1 %2 %3").arg(name, symbol).arg(number));
        QCOMPARE(cell->textColour(), colour);
        QVERIFY(cell->hasBorder());
        QVERIFY(!m_h->main().lbl_Elements(0)->isVisibleTo(&m_h->main()));
    }

    void startupState()
    {
        frm_Vantrel &w = start();
        QCOMPARE(w.windowTitle(), QStringLiteral("Ferrova元素周期表"));
        QVERIFY(qAbs(w.outerHeightTwips() - 9225) < 15);
        QCOMPARE(m_h->main().grid().HoveredElement(), qint16(1));
        QVERIFY(w.grid().normalLinesShown());
        QVERIFY(!w.pic_Elements()->isVisibleTo(&w));
        QCOMPARE(chartOf(w)->rowCount(), 0);  // nothing charted yet
        // ...and the pane says how to chart something, inside the frame that crops the chart.
        ChartControl *chart = chartOf(w);
        QVERIFY(chart->hintShown());
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QTRY_VERIFY(w.fra_Chart()->rect().contains(chart->hintGeometry().translated(chart->pos())));
    }

    void groupTransparency_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("transparent");
        QTest::newRow("group on") << QByteArray("1\tElementGroup\r\n") << true;
        QTest::newRow("group off") << QByteArray("0\tElementGroup\r\n") << false;
        QTest::newRow("mode 2") << QByteArray("2\tElementGroup\r\n") << false;
        QTest::newRow("no key") << QByteArray("1\tChartWindows\r\n") << false;
        QTest::newRow("no file") << QByteArray() << false;
    }
    void groupTransparency()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, transparent);
        frm_Vantrel &w = start(settings);
        for (int n = 1; n <= 109; ++n) QCOMPARE(w.lbl_Elements(n)->isTransparent(), transparent);
        QVERIFY(m_h->messages.isEmpty());
    }

    void unusualRecords()
    {
        const QByteArray file = record(1, "H", "s", "one") + record(3, "Li", "S", "first") +
                                record(3, "Lx", "Q", "second") + record(0, "Zz", "G", "hidden");
        frm_Vantrel &w = start({}, &file);
        QCOMPARE(w.lbl_Elements(1)->textColour(), QColor(Qt::black));  // lower-case code
        QCOMPARE(w.lbl_Elements(3)->text(), QStringLiteral("Lx"));     // later record wins
        QCOMPARE(w.lbl_Elements(3)->toolTip(), QStringLiteral("second"));
        QCOMPARE(w.lbl_Elements(3)->textColour(), QColor(Qt::black));  // unknown code keeps colour
        QCOMPARE(w.lbl_Elements(2)->text(), QString());                // no record
        QCOMPARE(w.lbl_Elements(2)->toolTip(), QString());
        QVERIFY(!w.lbl_Elements(0)->isVisibleTo(&w));
    }

    void emptyElementFile()
    {
        const QByteArray empty;
        frm_Vantrel &w = start({}, &empty);
        for (int n = 1; n <= 109; ++n) QVERIFY(w.lbl_Elements(n)->text().isEmpty());
        QVERIFY(qAbs(w.outerHeightTwips() - 9225) < 15);
    }

    void startupFailures_data()
    {
        QTest::addColumn<QByteArray>("elements");
        QTest::addColumn<int>("kind");
        QTest::newRow("no tab") << QByteArray("1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,\"H\"\r\n")
                                << int(DataError::Kind::TooFewTabs);
        QTest::newRow("cut short") << QByteArray("1,1,1,1") << int(DataError::Kind::PastEnd);
        QTest::newRow("no such cell")
            << record(110, "Xx", "S", "x") << int(DataError::Kind::NoSuchElement);
    }
    void startupFailures()
    {
        QFETCH(QByteArray, elements);
        QFETCH(int, kind);
        TempDataFolder data;
        data.write(QStringLiteral("Elements.prn"), elements);
        frm_Vantrel w(frm_Vantrel::Browser::None);
        try {
            w.Form_Load();
            QFAIL("start-up read a broken file");
        } catch (const DataError &e) {
            QCOMPARE(int(e.kind()), kind);
            QVERIFY(e.message().contains(QStringLiteral("Elements.prn")));
        }
    }

    void missingElementFileAtStart()
    {
        TempDataFolder data;
        frm_Vantrel w(frm_Vantrel::Browser::None);
        QVERIFY_THROWS_EXCEPTION(DataError, w.Form_Load());
    }

    void badSettingsLineIsReportedOnce()
    {
        start(
            "x\tAtomicRadius\r\n65535\tCovalentRadius\r\n99999\tChartWindows\r\n1\tElementGroup\r"
            "\n");
        QCOMPARE(m_h->messages.size(), 1);
        QVERIFY(m_h->messages[0].contains(QStringLiteral("settings.prn")));
        QVERIFY(m_h->messages[0].contains(QStringLiteral("第 1 行")));
        QVERIFY(m_h->messages[0].contains(QStringLiteral("第 3 行")));
        QCOMPARE(settingsSeen(m_h->main()), (QList<double>{0, 65535, 0, 1}));
    }

    // ---- details panel ----

    void clickShowsPanel()
    {
        frm_Vantrel &w = start();
        QTest::mouseClick(w.lbl_Elements(26), Qt::LeftButton);
        DetailsPanel *panel = w.pic_Elements();
        QVERIFY(panel->isVisibleTo(&w));
        QVERIFY(samePlace(panel->geometry(), QRect(219, 88, 191, 185)));  // 3285, 1320, 2865, 2775
        QCOMPARE(panelText("lbl_AtomicNumber"), QStringLiteral("26"));
        QCOMPARE(panelText("lbl_AtomicWeight"), QStringLiteral("55.845"));
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("Fe"));
        QCOMPARE(panelText("lbl_Name"), QStringLiteral("铁"));
        QCOMPARE(symbolColour(), QColor(Qt::black));

        QTest::mouseClick(w.lbl_Elements(1), Qt::LeftButton);  // refills in place
        QVERIFY(samePlace(panel->geometry(), QRect(219, 88, 191, 185)));
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("H"));
        QCOMPARE(symbolColour(), QColor(Qt::red));  // the gas colour of the cell
    }

    void panelNumberTexts()
    {
        const QByteArray file = record(1, "H", "G", "氢", 1.00794);
        frm_Vantrel &w = start({}, &file);
        w.lbl_Elements_Click(1);
        QCOMPARE(panelText("lbl_AtomicWeight"), QStringLiteral("1.00794"));
        QCOMPARE(panelText("lbl_BP"), QStringLiteral("20"));
        QCOMPARE(panelText("lbl_MP"), QStringLiteral("14.01"));
        const auto tip = [&](const char *name) {  // its first line; the sources follow
            return w.pic_Elements()
                ->findChild<QLabel *>(QLatin1String(name))
                ->toolTip()
                .section('\n', 0, 0);
        };
        QCOMPARE(tip("lbl_MP"), QStringLiteral("熔点 (K)：-259.14 °C"));
        QCOMPARE(tip("lbl_BP"), QStringLiteral("沸点 (K)：-253.15 °C"));
        QCOMPARE(panelText("lbl_Density"), QStringLiteral("8.99E-05"));
    }

    void clickWithoutRecordKeepsPanel()
    {
        const QByteArray file = record(1, "H", "G", "氢");
        frm_Vantrel &w = start({}, &file);
        w.lbl_Elements_Click(2);
        QVERIFY(!w.pic_Elements()->isVisibleTo(&w));
        w.lbl_Elements_Click(1);
        w.lbl_Elements_Click(2);
        QVERIFY(w.pic_Elements()->isVisibleTo(&w));
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("H"));
    }

    void clickIgnoredWhileOtherWindowOpen_data()
    {
        QTest::addColumn<bool>("options");
        QTest::newRow("options dialog") << true;
        QTest::newRow("chart window") << false;
    }
    void clickIgnoredWhileOtherWindowOpen()
    {
        QFETCH(bool, options);
        frm_Vantrel &w = start();
        m_h->openOtherWindow(options);
        QFile::remove(m_h->data().path(QStringLiteral("Elements.prn")));  // would fail if opened
        w.lbl_Elements_Click(26);
        QVERIFY(!w.pic_Elements()->isVisibleTo(&w));
        QVERIFY(m_h->messages.isEmpty());
    }

    void vanishedFileIsReportedNotFatal()
    {
        frm_Vantrel &w = start();
        QTest::mouseClick(w.lbl_Elements(8), Qt::LeftButton);
        QFile::remove(m_h->data().path(QStringLiteral("Elements.prn")));
        QTest::mouseClick(w.lbl_Elements(26), Qt::LeftButton);
        QCOMPARE(m_h->messages.size(), 1);
        QVERIFY(m_h->messages[0].contains(QStringLiteral("Elements.prn")));
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("O"));
        Dialogs::runHandler(
            &w, [&] { w.img_Btns_Click(Command::AtomicWeightChart); });  // reported the same way
        QCOMPARE(m_h->messages.size(), 2);
    }

    void activationBringsOpenWindowsBack_data()
    {
        QTest::addColumn<bool>("minimised");
        QTest::newRow("hidden behind") << false;
        QTest::newRow("minimised") << true;  // show() alone leaves a window minimised
    }
    void activationBringsOpenWindowsBack()
    {
        QFETCH(bool, minimised);
        frm_Vantrel &w = start();
        w.img_Btns_Click(Command::OpenOptions);
        m_h->setSetting(&Settings::Values::ChartWindowsMode, qint16(1));
        w.img_Btns_Click(Command::ShowChart);
        QWidget *options = w.optionsWindow();
        QWidget *chart = w.chartWindow();
        QVERIFY(options && chart);
        for (QWidget *window : {options, chart}) {
            if (minimised)
                window->showMinimized();
            else
                window->hide();
        }
        w.show();
        w.activateWindow();
        QEvent activate(QEvent::WindowActivate);
        QApplication::sendEvent(&w, &activate);
        for (QWidget *window : {options, chart}) {
            QVERIFY(window->isVisible());
            QVERIFY(!(window->windowState() & Qt::WindowMinimized));
        }
        // closed: activation leaves them alone
        options->close();
        chart->close();
        w.Form_Activate();
        QVERIFY(!options->isVisible() && !chart->isVisible());
    }

    // A window that brought new palettes or a new icon at every opening left another set of
    // pictures in the caches each time: 50 KB an opening for the temperature window.
    void reopenedWindowsShareCachedPictures_data()
    {
        QTest::addColumn<int>("command");  // 0: the temperature window, -1: formula mass
        QTest::newRow("temperature window") << 0;
        QTest::newRow("formula window") << -1;
        QTest::newRow("options dialog") << int(Command::OpenOptions);
        QTest::newRow("chart window") << int(Command::ShowChart);
    }
    void reopenedWindowsShareCachedPictures()
    {
        QFETCH(int, command);
        frm_Vantrel &w = start();
        m_h->setSetting(&Settings::Values::ChartWindowsMode, qint16(1));
        QList<QSet<qint64>> openings;
        for (int i = 0; i < 2; ++i) {
            if (command == 0)
                w.findChild<TemperatureView *>()->openWindow();
            else if (command < 0)
                emit shortcut(w, QKeySequence(Qt::CTRL | Qt::Key_M))->activated();
            else
                w.img_Btns_Click(command);
            QWidget *window = command == Command::OpenOptions ? w.optionsWindow()
                              : command == Command::ShowChart ? w.chartWindow()
                              : command < 0 ? static_cast<QWidget *>(w.findChild<FormulaWindow *>())
                                            : w.findChild<TemperatureWindow *>();
            openings << pictureCacheKeys(window);
            window->close();
            flushDeletes();
        }
        QCOMPARE(openings[1], openings[0]);
    }

    // A tool window shares the main window's shortcuts, Ctrl+C among them: its own must win.
    void toolWindowsCopyWithCtrlC_data()
    {
        QTest::addColumn<QString>("tool");
        QTest::addColumn<QString>("copied");  // the clipboard's text starts with it
        QTest::newRow("element sheet") << "sheet"
                                       << "铁 Fe\n基本";
        QTest::newRow("isotopes") << "isotopes"
                                  << "核素\t质量数";
        QTest::newRow("formula mass") << "formula"
                                      << "化学式\tH2O";
    }
    void toolWindowsCopyWithCtrlC()
    {
        QFETCH(QString, tool);
        QFETCH(QString, copied);
        frm_Vantrel &w = start();
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QWidget *window = tool == "sheet" ? static_cast<QWidget *>(ElementSheetWindow::open(&w, 26))
                          : tool == "isotopes" ? IsotopeWindow::open(&w, 92)
                                               : nullptr;
        if (!window) {
            emit shortcut(w, QKeySequence(Qt::CTRL | Qt::Key_M))->activated();
            w.findChild<FormulaWindow *>()->setFormula(QStringLiteral("H2O"));
            window = w.findChild<FormulaWindow *>();
        }
        QVERIFY(QTest::qWaitForWindowActive(window));
        QWidget *view = window->findChild<QAbstractItemView *>();
        view->setFocus();
        QApplication::clipboard()->clear();
        QTest::keyClick(view, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(QApplication::clipboard()->text().startsWith(copied),
                 qPrintable(QApplication::clipboard()->text()));
        window->close();
        flushDeletes();
    }

    // The program ends when its last window is closed: closing the main window while the
    // options dialog is open leaves the dialog open, choices and all, until it is closed too.
    void closingMainWindowLeavesOptionsOpen()
    {
        frm_Vantrel &w = start();
        w.show();
        w.img_Btns_Click(Command::OpenOptions);
        QPointer<frm_Options> options = w.optionsWindow();
        QVERIFY(options && options->isVisible());
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);
        bool openAfterMainClosed = false;
        QObject steps;  // the steps below die with this test, whatever happens
        QTimer::singleShot(0, &steps, [&] { w.close(); });
        QTimer::singleShot(100, &steps, [&] {
            openAfterMainClosed = options && options->isVisible();
            if (options) options->close();
        });
        QTimer::singleShot(10'000, &steps, [] { QCoreApplication::quit(); });
        QApplication::exec();  // ends when the program would end
        QVERIFY(openAfterMainClosed);
        QCOMPARE(lastClosed.count(), 1);
    }

    // ---- toolbar ----

    void hoverHighlights()
    {
        frm_Vantrel &w = start();
        ImageButtonArray &b = w.img_Btns();
        // HighlightedButton 0: nothing to hide, no error
        w.img_Btns_MouseMove(ButtonPictures::AtomicWeight);
        QVERIFY(b.image(Command::AtomicWeightChart)->isVisibleTo(&w) &&
                b.image(Command::AtomicWeightChart)->isEnabled());
        w.img_Btns_MouseMove(ButtonPictures::MeltingPoint);
        QVERIFY(!b.image(Command::AtomicWeightChart)->isVisibleTo(&w) &&
                !b.image(Command::AtomicWeightChart)->isEnabled());
        QVERIFY(b.image(Command::MeltingPointChart)->isVisibleTo(&w) &&
                b.image(Command::MeltingPointChart)->isEnabled());
        w.img_Btns_MouseMove(Command::MeltingPointChart);  // on the highlight itself
        QVERIFY(b.image(Command::MeltingPointChart)->isVisibleTo(&w));
        QCOMPARE(b.image(Command::MeltingPointChart)->toolTip(), QStringLiteral("熔点曲线"));
        QCOMPARE(b.image(Command::BoilingPointChart)->toolTip(), QStringLiteral("沸点曲线"));
        m_h->app().setHighlightedButton(Command::SaveSettings);  // a button of the options dialog
        w.img_Btns_MouseMove(ButtonPictures::BoilingPoint);
        QVERIFY(b.image(Command::BoilingPointChart)->isVisibleTo(&w));
        w.Form_MouseMove();
        QVERIFY(!b.image(Command::BoilingPointChart)->isVisibleTo(&w));
    }

    void noHighlightWhileOtherWindowOpen()
    {
        frm_Vantrel &w = start();
        m_h->openOtherWindow(true);
        w.img_Btns_MouseMove(ButtonPictures::AtomicWeight);
        QVERIFY(!w.img_Btns().image(Command::AtomicWeightChart)->isVisibleTo(&w));
        w.img_Btns_Click(1);  // a normal image: no command, but a refill
        QCOMPARE(chartOf(w)->rowCount(), 109);
    }

    void chartFill()
    {
        frm_Vantrel &w = start();
        w.img_Btns_Click(Command::MeltingPointChart);
        ChartControl *chart = chartOf(w);
        QCOMPARE(chart->chartProperty(), 1);
        QCOMPARE(chart->rowCount(), 109);
        QCOMPARE(chart->rowLabel(26), QStringLiteral("Fe"));
        QCOMPARE(chart->rowLabel(109), QStringLiteral("Mt"));
        QVERIFY(qAbs(chart->value(26) - 1811) < 0.5);
        QVERIFY(m_h->main().circles().isEmpty());
    }

    void chartRowsByNumberInAnyOrder()
    {
        const QByteArray file = record(3, "Li", "S", "a", 7) + record(1, "H", "G", "b", 1) +
                                record(2, "He", "G", "c", 4) + record(1, "H2", "G", "d", 9);
        frm_Vantrel &w = start({}, &file);
        w.img_Btns_Click(Command::AtomicWeightChart);
        ChartControl *chart = chartOf(w);
        QCOMPARE(chart->rowLabel(1), QStringLiteral("H2"));
        QCOMPARE(chart->value(1), 9.0);
        QCOMPARE(chart->rowLabel(2), QStringLiteral("He"));
        QCOMPARE(chart->rowLabel(3), QStringLiteral("Li"));
        QCOMPARE(chart->value(3), 7.0);
        // A shorter file leaves the other rows as they were.
        m_h->data().write(QStringLiteral("Elements.prn"), record(2, "Hx", "G", "e", 5));
        w.img_Btns_Click(Command::AtomicWeightChart);
        QCOMPARE(chart->rowLabel(3), QStringLiteral("Li"));
        QCOMPARE(chart->rowLabel(2), QStringLiteral("Hx"));
        QCOMPARE(chart->value(2), 5.0);
    }

    void chartPaneToggle()
    {
        frm_Vantrel &w = start();
        w.img_Btns_Click(Command::ShowChart);
        QVERIFY(qAbs(w.outerHeightTwips() - 5370) < 15);
        w.img_Btns_Click(Command::ShowChart);
        QVERIFY(qAbs(w.outerHeightTwips() - 9225) < 15);
        m_h->setSetting(&Settings::Values::ChartWindowsMode,
                        qint16(2));  // neither mode: nothing folds or opens
        w.img_Btns_Click(Command::ShowChart);
        QVERIFY(qAbs(w.outerHeightTwips() - 9225) < 15);
        QVERIFY(!w.chartWindow());
    }

    // A double-click arrives as press, release, double-click, release, and counts as one
    // click: on the chart button in pane mode it must unfold the pane, not unfold and fold.
    void doubleClickIsOneClick_data()
    {
        QTest::addColumn<int>("cell");     // 0: the toolbar button below
        QTest::addColumn<int>("command");  // the highlight image clicked
        QTest::newRow("element cell") << 26 << 0;
        QTest::newRow("chart button") << 0 << int(Command::ShowChart);
        QTest::newRow("atomic weight button") << 0 << int(Command::AtomicWeightChart);
    }
    void doubleClickIsOneClick()
    {
        QFETCH(int, cell);
        QFETCH(int, command);
        frm_Vantrel &w = start();
        w.img_Btns_Click(Command::ShowChart);  // the pane folded
        QSignalSpy cellClicks(w.lbl_Elements(26), &IndexedLabel::clicked);
        QSignalSpy buttonClicks(&w.img_Btns(), &ImageButtonArray::clicked);
        if (!cell) w.img_Btns_MouseMove(command - ButtonPictures::kHighlight);  // the highlight
        QWidget *target =
            cell ? static_cast<QWidget *>(w.lbl_Elements(cell)) : w.img_Btns().image(command);
        const QPointF pos = QRectF(target->rect()).center();
        for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease,
                                        QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease}) {
            const Qt::MouseButtons held =
                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
            QMouseEvent event(type, pos, target->mapToGlobal(pos), Qt::LeftButton, held,
                              Qt::NoModifier);
            QApplication::sendEvent(target, &event);
        }
        QCOMPARE(cellClicks.count() + buttonClicks.count(), 1);
        if (command == Command::ShowChart) QVERIFY(qAbs(w.outerHeightTwips() - 9225) < 15);
    }

    void exitConfirmation()
    {
        frm_Vantrel &w = start();
        w.img_Btns_Click(Command::ExitProgram);
        QCOMPARE(m_h->messages, QStringList{QStringLiteral("退出程序?|你想退出程序吗?")});
        QCOMPARE(m_h->endCalls, 0);
        QCOMPARE(chartOf(w)->rowCount(), 109);  // No goes on with the refill
        const int refills = chartOf(w)->refreshCount();
        m_h->answer = Dialogs::kYes;
        w.img_Btns_Click(Command::ExitProgram);
        QCOMPARE(m_h->endCalls, 1);
        QCOMPARE(chartOf(w)->refreshCount(), refills);  // ends at once
    }

    void aboutBox()
    {
        frm_Vantrel &w = start();
        w.img_Btns_Click(Command::ShowAbout);
        QCOMPARE(m_h->messages.size(), 1);
        QVERIFY(m_h->messages[0].startsWith(QStringLiteral("关于|")));
        QVERIFY(m_h->messages[0].contains(QStringLiteral("\r\nhttp://")));
    }

    // The boxes as they really come up, not the harness's answers: their buttons, and the
    // toolkit's own texts (here a text field's context menu), speak Chinese.
    void boxesInChinese_data()
    {
        QTest::addColumn<int>("button");
        QTest::addColumn<QStringList>("buttonTexts");
        QTest::newRow("exit") << int(Command::ExitProgram)
                              << QStringList{QStringLiteral("否"), QStringLiteral("是")};
        QTest::newRow("about") << int(Command::ShowAbout) << QStringList{QStringLiteral("确定")};
    }
    void boxesInChinese()
    {
        QFETCH(int, button);
        QFETCH(QStringList, buttonTexts);
        frm_Vantrel &w = start();
        Dialogs::Hooks realBoxes;
        realBoxes.endProgram = [] {};
        Dialogs::setHooks(&realBoxes);
        QStringList shown;
        QTimer answer;  // answers No (or OK) as soon as the box is up
        connect(&answer, &QTimer::timeout, this, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (!box) return;
            answer.stop();
            for (QAbstractButton *b : box->buttons()) shown << b->text();
            QAbstractButton *no = box->button(QMessageBox::No);
            (no ? no : box->button(QMessageBox::Ok))->click();
        });
        answer.start(10);
        w.img_Btns_Click(button);
        shown.sort();
        QCOMPARE(shown, buttonTexts);

        QLineEdit field;
        std::unique_ptr<QMenu> menu(field.createStandardContextMenu());
        QVERIFY(menu->actions().first()->text().startsWith(QStringLiteral("撤消")));
    }

    // ---- radius view ----

    void radiusView()
    {
        const QByteArray file =
            record(1, "H", "G", "a", 1, 0.79, 0.32) + record(2, "He", "G", "b", 4, 0, 0.46);
        frm_Vantrel &w = start("65535\tAtomicRadius\r\n33023\tCovalentRadius\r\n", &file);
        w.img_Btns_Click(Command::AtomicRadiusChart);
        QVERIFY(!w.grid().normalLinesShown());
        QCOMPARE(w.circles().size(), 2);  // a zero radius still draws, with radius 0
        const RadiusCircles::Circle &c = w.circles().first();
        QVERIFY(qAbs(c.centre.x() - 345) < 0.01 && qAbs(c.centre.y() - 227.6) < 0.01);
        QVERIFY(qAbs(c.radius - 63.2) < 0.001);
        QCOMPARE(c.colour, quint32(65535));
        QVERIFY(!w.lbl_Elements(2)->isVisibleTo(&w));  // radius 0 hides the cell
        QVERIFY(!w.lbl_Elements(1)->hasBorder() && w.lbl_Elements(1)->isTransparent());
        QCOMPARE(w.lbl_Elements(1)->font().pointSizeF(), 8.0);
        for (int i = 0; i <= 8; ++i) QVERIFY(!w.lne_Lines(i)->isVisibleTo(&w));
        for (int i = 0; i <= 6; ++i) QVERIFY(!w.shp_Group(i)->isVisibleTo(&w));

        w.img_Btns_Click(Command::CovalentRadiusChart);  // atomic circles cleared first
        QCOMPARE(w.circles().size(), 2);
        QCOMPARE(w.circles().first().colour, quint32(33023));
        QVERIFY(w.lbl_Elements(2)->isVisibleTo(&w));  // covalent radius not 0

        w.img_Btns_Click(Command::AtomicWeightChart);  // another property keeps the radius view
        QCOMPARE(chartOf(w)->chartProperty(), 0);
        QCOMPARE(w.circles().size(), 2);
        QVERIFY(!w.grid().normalLinesShown());

        w.img_Btns_Click(Command::ShowTable);
        QVERIFY(w.grid().normalLinesShown());
        QVERIFY(w.circles().isEmpty());
        QVERIFY(w.lbl_Elements(1)->hasBorder() && !w.lbl_Elements(1)->isTransparent());
        QCOMPARE(w.lbl_Elements(1)->font().pointSizeF(), 12.0);
        for (int i = 0; i <= 8; ++i) QVERIFY(w.lne_Lines(i)->isVisibleTo(&w));
        for (int i = 0; i <= 6; ++i) QVERIFY(w.shp_Group(i)->isVisibleTo(&w));
    }

    // Records repeated many times over (a file grown to any size) leave one row, one label
    // and one circle per element: the last record's, drawn over the others.
    void repeatedRecordsKeepOneCircleEach()
    {
        const QByteArray early =
            record(1, "H", "G", "a", 1, 0.79) + record(2, "He", "G", "b", 4, 0.3);
        const QByteArray file = early.repeated(500) + record(1, "Hx", "G", "c", 7, 0.5);
        frm_Vantrel &w = start("65535\tAtomicRadius\r\n", &file);
        w.img_Btns_Click(105);
        QCOMPARE(w.circles().size(), 2);
        QVERIFY(qAbs(w.circles().last().radius - 40) < 0.001);  // hydrogen's last record, on top
        QVERIFY(qAbs(w.circles().first().radius - 24) < 0.001);
        QCOMPARE(chartOf(w)->rowLabel(1), QStringLiteral("Hx"));
        QCOMPARE(chartOf(w)->row(), 1);  // as after one pass over the file
        w.img_Btns_Click(101);
        QCOMPARE(chartOf(w)->value(1), 7.0);
        QCOMPARE(chartOf(w)->value(2), 4.0);
    }

    // A colour number as the settings file gives it becomes a colour by rounding, clamped to
    // 0..0xFFFFFF: a hand-edited 16777215 comes back from a save as 16777220, still white.
    void radiusColourClamped_data()
    {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<quint32>("colour");
        QTest::newRow("yellow") << QByteArray("65535") << quint32(65535);
        QTest::newRow("half to even") << QByteArray("33022.5") << quint32(33022);
        QTest::newRow("white as saved") << QByteArray("1.677722E+07") << quint32(0xFFFFFF);
        QTest::newRow("far above white") << QByteArray("1e30") << quint32(0xFFFFFF);
        QTest::newRow("top bit set") << QByteArray("4294967295") << quint32(0xFFFFFF);
        QTest::newRow("negative") << QByteArray("-20") << quint32(0);
    }
    void radiusColourClamped()
    {
        QFETCH(QByteArray, value);
        QFETCH(quint32, colour);
        const QByteArray file = record(1, "H", "G", "a", 1, 0.79, 0.32);
        frm_Vantrel &w = start(value + "\tAtomicRadius\r\n", &file);
        w.img_Btns_Click(105);
        QCOMPARE(w.circles().size(), 1);
        QCOMPARE(w.circles().first().colour, colour);
    }

    void restoreKeepsTransparencyInGroupMode()
    {
        frm_Vantrel &w = start("1\tElementGroup\r\n");
        w.img_Btns_Click(Command::AtomicRadiusChart);
        w.img_Btns_Click(Command::ShowTable);
        QVERIFY(w.lbl_Elements(26)->isTransparent());
        QVERIFY(w.lbl_Elements(26)->hasBorder());
    }

    // ---- cell hover ----

    void cellHover_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<bool>("transparentAfter");
        QTest::newRow("white cells") << QByteArray("0\tElementGroup\r\n") << false;
        QTest::newRow("group colours") << QByteArray("1\tElementGroup\r\n") << true;
    }
    void cellHover()
    {
        QFETCH(QByteArray, settings);
        QFETCH(bool, transparentAfter);
        frm_Vantrel &w = start(settings);
        QTest::mouseMove(w.lbl_Elements(26));
        w.lbl_Elements_MouseMove(26);
        w.lbl_Elements_MouseMove(27);
        QCOMPARE(yellowCells(), 1);
        QCOMPARE(m_h->main().grid().HoveredElement(), qint16(27));
        QCOMPARE(w.lbl_Elements(26)->isTransparent(), transparentAfter);
        QCOMPARE(w.lbl_Elements(26)->backColour(), QColor(Qt::white));
        w.Form_MouseMove();
        QCOMPARE(yellowCells(), 0);
        QCOMPARE(w.lbl_Elements(27)->isTransparent(), transparentAfter);
    }

    void hoverOffInRadiusViewAndWhileWindowsOpen()
    {
        frm_Vantrel &w = start();
        m_h->openOtherWindow(true);
        w.lbl_Elements_MouseMove(26);
        QCOMPARE(yellowCells(), 0);
        w.optionsWindow()->close();
        w.lbl_Elements_MouseMove(26);
        w.img_Btns_Click(Command::AtomicRadiusChart);
        w.lbl_Elements_MouseMove(27);
        w.Form_MouseMove();
        QCOMPARE(m_h->main().grid().HoveredElement(), qint16(26));
    }

    void mouseMovesReachTheRightHandler()
    {
        frm_Vantrel &w = start();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        moveMouse(w.lbl_Elements(26), w.lbl_Elements(26)->rect().center());
        QCOMPARE(m_h->main().grid().HoveredElement(), qint16(26));
        QCOMPARE(yellowCells(), 1);  // the window's own step did not undo it
    }
};

FERROVA_TEST_MAIN(TestFrmVantrel)
#include "tst_frmvantrel.moc"
