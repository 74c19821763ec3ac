// The long-session soak: every window opened and closed many times, the way a user does it,
// in one process on the real windows, watching the process's resident memory and its open
// file descriptors. Driven from inside the process rather than by sending X events from
// outside: each step waits until the window system has answered and every event it left
// has been handled (deferred deletes included), so a round is one open, input and close,
// never half of one, and the figures do not depend on the machine's load.
//
// Prints one JSON object per soak, one a line:
//   {"id": .., "soak": what a round does, "rounds": N, "warmup": W, "fds_start": ..,
//    "rss_kb_warm": .., "fds_warm": .., "rss_kb_end": .., "fds_end": .., "widgets_end": ..}
// RSS and open descriptors after the first W rounds and after all N (the growth per round is
// taken in between), and the widgets alive at the end.
#include "soak.h"

#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <functional>

#include "app/AppState.h"
#include "chartplugin/ChartPlugin.h"
#include "details/DetailsPanel.h"
#include "files/DataFiles.h"
#include "grid/ElementCell.h"
#include "mainwindow/FrmVantrel.h"
#include "options/FrmOptions.h"
#include "widgets/Commands.h"
#include "widgets/ImageButtons.h"

namespace {

constexpr int kWarmup = 50;  // rounds before the first reading: fonts, caches, pools fill
constexpr int kWaitMs = 5000;

long residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toLong() * (sysconf(_SC_PAGESIZE) / 1024) : -1;
}

int openFds()
{
    return int(QDir(QStringLiteral("/proc/self/fd"))
                   .entryList(QDir::NoDotAndDotDot | QDir::System)
                   .size()) -
           1;  // less the one the listing itself holds open
}

// Everything the last step left behind handled, as the event loop would between two of the
// user's actions: posted events, the window system's answers, then deferred deletes.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void waitActive(QWidget *window)
{
    if (!QTest::qWaitForWindowActive(window, kWaitMs))
        qFatal("soak: %s did not become active", qPrintable(window->objectName()));
}

void activate(QWidget *window)
{
    // Without a window manager nothing hands the activation back when a tool window closes:
    // the user's click on the main window does it.
    window->activateWindow();
    waitActive(window);
}

// A toolbar button pressed as the keyboard and screen readers press it: hover, then click.
void press(ImageButtonArray &buttons, int command)
{
    buttons.image(command - ButtonPictures::kHighlight)->click();
    settle();
}

QWidget *shownWindow(const QString &objectName)
{
    for (QWidget *widget : QApplication::topLevelWidgets())
        if (widget->objectName() == objectName && widget->isVisible()) return widget;
    qFatal("soak: no window %s", qPrintable(objectName));
    return nullptr;
}

void closeByEscape(QWidget *window)
{
    QPointer<QWidget> watched(window);
    QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, Qt::Key_Escape);
    settle();
    if (watched && watched->isVisible())
        qFatal("soak: Escape left %s open", qPrintable(watched->objectName()));
}

void typeTemperature(QWidget *window, int round)
{
    // Across solid, liquid and gas for most elements; the box shows °C and its text is selected.
    static const char *const kCelsius[] = {"25", "-40", "100", "660", "1538", "3000", "-200", "0"};
    QWidget *box = window->focusWidget();
    QTest::keyClicks(box, QLatin1String(kCelsius[round % std::size(kCelsius)]));
    QTest::keyClick(box, Qt::Key_Return);
}

void chooseProperty(QWidget *window, int round)
{
    // Down through the list, wrapping to "无" now and then, as a user compares properties.
    QWidget *list = window->focusWidget();
    QTest::keyClick(list, round % 5 == 4 ? Qt::Key_Home : Qt::Key_Down);
}

void typeFormula(QWidget *window, int round)
{
    // The field keeps the last formula selected; typing replaces it.
    static const char *const kFormulas[] = {"H2O",  "CuSO4*5H2O", "Ca3(PO4)2", "K4[Fe(CN)6]",
                                            "NaCl", "C6H12O6",    "Xx2",       "SO4^2-"};
    QWidget *field = window->focusWidget();
    QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field, QLatin1String(kFormulas[round % std::size(kFormulas)]));
}

void moveThroughRows(QWidget *window, int round)
{
    // Down the rows a screen reader would read, back to the top now and then.
    QTest::keyClick(window->focusWidget(), round % 8 == 7 ? Qt::Key_Home : Qt::Key_Down);
}

// The tool windows the grid opens by a key: opened from the grid, given a typical input,
// closed with Escape. A new tool window is one line here.
struct ToolWindow {
    const char *id;
    const char *name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    const char *objectName;
    void (*input)(QWidget *window, int round);
};

const ToolWindow kToolWindows[] = {
    {"temperature", "temperature window: Ctrl+T, a temperature, Esc", Qt::Key_T,
     Qt::ControlModifier, "frm_Temperature", typeTemperature},
    {"colouring", "colouring by a property: Ctrl+H, a property, Esc", Qt::Key_H,
     Qt::ControlModifier, "frm_Colouring", chooseProperty},
    {"formula", "formula mass: Ctrl+M, a formula, Esc", Qt::Key_M, Qt::ControlModifier,
     "frm_Formula", typeFormula},
    {"sheet", "element sheet: Ctrl+I, a row down, Esc", Qt::Key_I, Qt::ControlModifier,
     "frm_ElementSheet", moveThroughRows},
};

using Round = std::function<void(int round)>;

void soak(const char *id, const char *name, int rounds, const Round &round)
{
    settle();
    const int fdsStart = openFds();
    long warmKb = 0;
    int warmFds = 0;
    for (int i = 0; i < rounds; ++i) {
        round(i);
        settle();
        if (i + 1 == qMin(kWarmup, rounds)) {
            warmKb = residentKb();
            warmFds = openFds();
        }
    }
    std::printf(
        "{\"id\": \"%s\", \"soak\": \"%s\", \"rounds\": %d, \"warmup\": %d, "
        "\"fds_start\": %d, \"rss_kb_warm\": %ld, \"fds_warm\": %d, \"rss_kb_end\": %ld, "
        "\"fds_end\": %d, \"widgets_end\": %d}\n",
        id, name, rounds, qMin(kWarmup, rounds), fdsStart, warmKb, warmFds, residentKb(), openFds(),
        int(QApplication::allWidgets().size()));
    std::fflush(stdout);
}

void soakToolWindow(frm_Vantrel &main, const ToolWindow &tool, int rounds)
{
    soak(tool.id, tool.name, rounds, [&](int round) {
        activate(&main);
        QTest::keyClick(QApplication::focusWidget(), tool.key, tool.modifiers);
        settle();
        QWidget *window = shownWindow(QLatin1String(tool.objectName));
        waitActive(window);
        tool.input(window, round);
        settle();
        closeByEscape(window);
    });
}

void setChartWindowsMode(AppState &app, qint16 mode)
{
    Settings::Values values = app.settings();
    values.ChartWindowsMode = mode;
    app.setSettings(values);
}

Round chartWindowRound(frm_Vantrel &main)
{
    setChartWindowsMode(main.app(), 1);  // the chart button opens the chart window
    return [&main](int round) {
        activate(&main);
        press(main.img_Btns(), Command::ShowChart);
        QWidget *chart = main.chartWindow();
        if (!chart) qFatal("soak: the chart button opened no chart window");
        waitActive(chart);
        auto *buttons = chart->findChild<ImageButtonArray *>(QString(), Qt::FindDirectChildrenOnly);
        press(*buttons, Command::AtomicWeightChart + round % 9);
        closeByEscape(chart);
    };
}

Round optionsRound(frm_Vantrel &main)
{
    return [&main](int round) {
        activate(&main);
        press(main.img_Btns(), Command::OpenOptions);
        frm_Options *options = main.optionsWindow();
        if (!options) qFatal("soak: the options button opened no dialog");
        waitActive(options);
        QComboBox *colours = options->cmb_Color(round % 2);
        colours->setCurrentIndex((colours->currentIndex() + 1) % colours->count());
        settle();
        if (round % 2)
            press(options->img_Btns(), Command::SaveSettings);
        else
            closeByEscape(options);
    };
}

Round cellClickRound(frm_Vantrel &main)
{
    return [&main](int round) {
        activate(&main);
        // 25 elements across the table, each shown twice in the warm-up: what stays from
        // a first sight (the glyphs of a name) is not counted as growth per click.
        ElementCell *cell = main.lbl_Elements(1 + round % 25 * 4);
        QTest::mouseClick(cell, Qt::LeftButton);
        settle();
        if (!main.pic_Elements()->isVisible()) qFatal("soak: a cell click showed no panel");
        QTest::keyClick(&main, Qt::Key_Escape);
    };
}

Round isotopesRound(frm_Vantrel &main)
{
    return [&main](int round) {
        activate(&main);
        // The cells' "同位素…", on elements with short and long tables in turn.
        static const int kElements[] = {6, 92, 26, 1, 50};
        const int element = kElements[round % std::size(kElements)];
        const QList<QAction *> entries = main.lbl_Elements(element)->actions();
        const auto entry = std::find_if(entries.begin(), entries.end(), [](QAction *action) {
            return action->text() == QStringLiteral("同位素…");
        });
        if (entry == entries.end()) qFatal("soak: no 同位素… on a cell");
        (*entry)->trigger();
        settle();
        QWidget *window = shownWindow(QStringLiteral("ferrovaIsotopeWindow"));
        waitActive(window);
        moveThroughRows(window, round);
        settle();
        closeByEscape(window);
    };
}

Round toolbarChartRound(frm_Vantrel &main)
{
    press(main.img_Btns(), Command::ShowChart);  // the chart pane unfolded
    return [&main](int round) { press(main.img_Btns(), Command::AtomicWeightChart + round % 9); };
}

// The other windows and actions: each sets the main window up and gives one round.
struct Action {
    const char *id;
    const char *name;
    Round (*prepare)(frm_Vantrel &main);
};

const Action kActions[] = {
    {"chart-window", "chart window: chart button, a property, Esc", chartWindowRound},
    {"options", "options dialog: options button, a colour, save or Esc", optionsRound},
    {"cell-click", "cell click with the details panel, Esc", cellClickRound},
    {"isotopes", "isotopes: a cell's 同位素…, a row down, Esc", isotopesRound},
    {"toolbar-chart", "toolbar chart, each property in turn", toolbarChartRound},
};

// Saving the options writes the settings file: here a copy in a folder of the run's own.
void keepSettingsAside(const QTemporaryDir &folder)
{
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(folder.path()));
    const QString own = folder.filePath(QCoreApplication::applicationName());
    QDir().mkpath(own);
    QFile::copy(DataFiles::dataPath(QStringLiteral("settings.prn")),
                own + QStringLiteral("/settings.prn"));
}

void showMain(frm_Vantrel &main)
{
    main.Form_Load();
    main.show();
    if (!QTest::qWaitForWindowExposed(&main, kWaitMs)) qFatal("soak: the main window never showed");
    settle();
}

}  // namespace

QStringList soakIds()
{
    QStringList ids;
    for (const ToolWindow &tool : kToolWindows) ids << QLatin1String(tool.id);
    for (const Action &action : kActions) ids << QLatin1String(action.id);
    return ids;
}

void runSoak(int rounds, const QString &only)
{
    if (!only.isEmpty() && !soakIds().contains(only)) qFatal("soak: no soak %s", qPrintable(only));
    const QTemporaryDir config;
    keepSettingsAside(config);
    // Each soak on a main window of its own, as after a start.
    for (const ToolWindow &tool : kToolWindows) {
        if (!only.isEmpty() && only != QLatin1String(tool.id)) continue;
        frm_Vantrel main(frm_Vantrel::Browser::None);
        showMain(main);
        soakToolWindow(main, tool, rounds);
    }
    for (const Action &action : kActions) {
        if (!only.isEmpty() && only != QLatin1String(action.id)) continue;
        frm_Vantrel main(frm_Vantrel::Browser::None);
        showMain(main);
        soak(action.id, action.name, rounds, action.prepare(main));
    }
}
