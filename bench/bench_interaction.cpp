// Times what a user waits for after a click, in the process, on the real main window:
//   the first chart of a new window, from its first property click (atomic weight) until the
//   chart is painted, the chart plugin's pane having been made after the first frame;
//   a cell click, from lbl_Elements_Click's start until the details panel is painted;
//   a toolbar click, from img_Btns_Click's start until the chart (and the circles) are
//   painted; a choice in the tool window "按性质着色", from the list's change until the grid
//   is repainted in the new colours (the file read included), and "无" until the cells are
//   back; the isotope window, from the cells' "同位素…" until its table is painted, the
//   data file read anew each time as on the first open; the element sheet (Ctrl+I), from the
//   call until it is painted, opened cold (its data file read again, a new window) and
//   following a cell click; and ReadElementRecord over the
//   whole element file, in records per second.
// "Painted" means every event the click left behind has been handled, so the window and
// the chart have been redrawn and handed to the window system, as the event loop would.
//
// Prints one JSON object per line: {"name": ..., "unit": ..., "samples": [...]}.
// Usage: bench_interaction [--runs N]   (N samples per measure, 20 or more; default 101)
//        bench_interaction --soak [--rounds N] [--only ID]   the long-session soak (soak.cpp):
//          N rounds (200) of each window, or of the one named ID
//        bench_interaction --soak --list   the soaks' IDs, one a line
#include <QApplication>
#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QStringList>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <functional>
#include <vector>

#include "colouringwindow/CellColouring.h"
#include "colouringwindow/ColouringWindow.h"
#include "details/DetailsPanel.h"
#include "files/DataFiles.h"
#include "files/ElementFile.h"
#include "files/ListInput.h"
#include "files/ModVantrel.h"
#include "isotopes/IsotopeData.h"
#include "isotopewindow/IsotopeWindow.h"
#include "mainwindow/FrmVantrel.h"
#include "productpage/BrowserEngine.h"
#include "properties/PropertyFile.h"
#include "sheet/ElementSheetWindow.h"
#include "soak.h"
#include "widgets/Commands.h"

namespace {

void report(const char *name, const char *unit, const std::vector<double> &samples)
{
    std::printf("{\"name\": \"%s\", \"unit\": \"%s\", \"samples\": [", name, unit);
    for (size_t i = 0; i < samples.size(); ++i) std::printf("%s%.4f", i ? ", " : "", samples[i]);
    std::printf("]}\n");
    std::fflush(stdout);
}

// Handles everything the click posted: scene changes, layout, then the repaint requests
// those produce, until nothing is left.
void settle()
{
    for (int i = 0; i < 3; ++i) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

double timeMs(const std::function<void()> &action)
{
    QElapsedTimer timer;
    timer.start();
    action();
    settle();
    return timer.nsecsElapsed() / 1e6;
}

bool chartPaneMade(const frm_Vantrel &window)
{
    // msc_Options() would make the pane itself: here the first frame must have made it.
    return window.findChild<QWidget *>(QStringLiteral("msc_Options")) != nullptr;
}

void waitForChartPane(const frm_Vantrel &window)
{
    constexpr qint64 kTimeoutMs = 10000;
    QElapsedTimer waited;
    waited.start();
    while (!chartPaneMade(window)) {
        if (waited.hasExpired(kTimeoutMs)) qFatal("no chart pane after the first frame");
        QThread::msleep(1);  // the window system's expose may still be on its way
        settle();
    }
    for (int i = 0; i < 20; ++i) settle();  // the empty pane painted, as long before a click
}

// A new main window per sample: a few dozen are enough and keep the run short.
constexpr int kFirstChartWindows = 31;

// Run before anything else draws a chart, so that the first sample pays what a user's first
// click after start-up pays; each later window still builds its chart's series and axes anew.
void benchFirstChart(int runs)
{
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        frm_Vantrel window(frm_Vantrel::Browser::None);
        window.Form_Load();
        window.show();
        waitForChartPane(window);
        samples.push_back(timeMs([&] { window.img_Btns_Click(Command::AtomicWeightChart); }));
    }
    report("first chart after the plugin is loaded: click → chart drawn", "ms", samples);
}

void benchCellClicks(frm_Vantrel &window, int runs)
{
    // Hydrogen stands first in the file, meitnerium last: the click reads up to it.
    std::vector<double> first, last;
    for (int i = 0; i < runs; ++i) {
        first.push_back(timeMs([&] { window.lbl_Elements_Click(1); }));
        last.push_back(timeMs([&] { window.lbl_Elements_Click(109); }));
    }
    report("cell click, first record (H)", "ms", first);
    report("cell click, last record (Mt)", "ms", last);
}

void benchToolbarClicks(frm_Vantrel &window, int runs)
{
    // The order a user would take: a property, a radius view, back to the table.
    std::vector<double> melting, radius, table;
    for (int i = 0; i < runs; ++i) {
        melting.push_back(timeMs([&] { window.img_Btns_Click(Command::MeltingPointChart); }));
        radius.push_back(timeMs([&] { window.img_Btns_Click(Command::AtomicRadiusChart); }));
        table.push_back(timeMs([&] { window.img_Btns_Click(Command::ShowTable); }));
    }
    report("toolbar 102, melting point chart", "ms", melting);
    report("toolbar 105, atomic radius chart + 109 circles", "ms", radius);
    report("toolbar 182, table restored", "ms", table);
}

void benchColouring(frm_Vantrel &window, int runs)
{
    auto *colouring = window.findChild<CellColouring *>();
    colouring->openWindow();
    ColouringWindow *tool = colouring->window();
    for (int i = 0; i < 20; ++i) settle();
    std::vector<double> melting, density, none;
    for (int i = 0; i < runs; ++i) {
        melting.push_back(timeMs([&] { tool->choose(QStringLiteral("melting")); }));
        density.push_back(timeMs([&] { tool->choose(QStringLiteral("density")); }));
        none.push_back(timeMs([&] { tool->choose(QString()); }));
    }
    tool->close();
    settle();
    report("colouring by melting point: choice → grid repainted", "ms", melting);
    report("colouring by density (logarithmic): choice → grid repainted", "ms", density);
    report("colouring 无: choice → cells restored", "ms", none);
}

void benchIsotopeWindow(frm_Vantrel &window, int runs)
{
    // Uranium: among the longest tables; the window made, filled and drawn each time.
    std::vector<double> samples;
    for (int i = 0; i < runs; ++i) {
        Isotopes::forget();
        samples.push_back(timeMs([&] { IsotopeWindow::open(&window, 92, 235); }));
        if (auto *shown = window.findChild<IsotopeWindow *>()) shown->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    report("isotope window, uranium, data file read: open → table drawn", "ms", samples);
}

void benchSheet(frm_Vantrel &window, int runs)
{
    std::vector<double> opened, followed;
    for (int i = 0; i < runs; ++i) {
        PropertyFile::forget();  // as at the first Ctrl+I of a session
        opened.push_back(timeMs([&] { ElementSheetWindow::open(&window, 26); }));
        followed.push_back(timeMs([&] { ElementSheetWindow::follow(29); }));
        ElementSheetWindow::current()->close();
        settle();
    }
    report("element sheet, Ctrl+I: file read, window made and painted", "ms", opened);
    report("element sheet, following a cell click", "ms", followed);
}

int readAll(QIODevice &device)
{
    ListInput input(device, QStringLiteral("Elements.prn"));
    int records = 0;
    mod_Vantrel::ElementRecordType record;
    while (!input.atEnd()) {
        mod_Vantrel::ReadElementRecord(input, record);
        ++records;
    }
    return records;
}

void benchReader(int runs)
{
    const QString path = DataFiles::dataPath(QStringLiteral("Elements.prn"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) qFatal("cannot open %s", qPrintable(path));
    const QByteArray bytes = file.readAll();
    constexpr int kPasses = 200;
    std::vector<double> inMemory, fromFile;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        int records = 0;
        for (int pass = 0; pass < kPasses; ++pass) {
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            records += readAll(buffer);
        }
        inMemory.push_back(records / (timer.nsecsElapsed() / 1e9));
        timer.restart();
        records = 0;
        for (int pass = 0; pass < kPasses; ++pass)  // opened and read the way every click does it
            ElementFile::scan(ElementFile::Numbers::Any,
                              [&](const mod_Vantrel::ElementRecordType &) {
                                  ++records;
                                  return ElementFile::Next::Continue;
                              });
        fromFile.push_back(records / (timer.nsecsElapsed() / 1e9));
    }
    report("ReadElementRecord, whole file from memory", "records/s", inMemory);
    report("ReadElementRecord, whole file opened from disk", "records/s", fromFile);
}

}  // namespace

int main(int argc, char *argv[])
{
    if (std::find_if(argv + 1, argv + argc,
                     [](const char *a) { return !std::strcmp(a, "--list"); }) != argv + argc) {
        std::printf("%s\n", qPrintable(soakIds().join(QLatin1Char('\n'))));  // no screen needed
        return 0;
    }
    BrowserEngine::configure();
    QApplication app(argc, argv);
    const QStringList args = app.arguments();
    const int at = args.indexOf(QStringLiteral("--runs"));
    const int runs = at > 0 && at + 1 < args.size() ? qMax(1, args.at(at + 1).toInt()) : 101;
    if (args.contains(QStringLiteral("--soak"))) {
        const int roundsAt = args.indexOf(QStringLiteral("--rounds"));
        const int onlyAt = args.indexOf(QStringLiteral("--only"));
        runSoak(roundsAt > 0 && roundsAt + 1 < args.size() ? qMax(1, args.at(roundsAt + 1).toInt())
                                                           : 200,
                onlyAt > 0 && onlyAt + 1 < args.size() ? args.at(onlyAt + 1) : QString());
        return 0;
    }

    benchFirstChart(qMin(runs, kFirstChartWindows));
    frm_Vantrel window(frm_Vantrel::Browser::None);
    window.Form_Load();
    window.show();
    for (int i = 0; i < 20; ++i) settle();  // mapped and painted before the first sample
    benchCellClicks(window, runs);
    benchToolbarClicks(window, runs);
    benchColouring(window, runs);
    benchIsotopeWindow(window, runs);
    benchSheet(window, runs);
    benchReader(runs);
    return 0;
}
