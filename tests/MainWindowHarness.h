#pragma once

#include <QApplication>
#include <QEvent>
#include <QMouseEvent>
#include <memory>

#include "TempDataFolder.h"
#include "app/AppState.h"
#include "charts/ChartControl.h"
#include "chartwindow/FrmChart.h"
#include "files/ModVantrel.h"
#include "files/Settings.h"
#include "grid/ElementCell.h"
#include "mainwindow/FrmVantrel.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"

// A mouse move without a button pressed, as mouse tracking delivers it.
inline void moveMouse(QWidget *target, const QPoint &pos)
{
    QMouseEvent move(QEvent::MouseMove, QPointF(pos), QPointF(target->mapToGlobal(pos)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(target, &move);
}

// Windows closed with WA_DeleteOnClose are gone after this.
inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// A main window over a data folder of the test's own, started the way the program starts
// it, with every message box answered and recorded instead of shown.
class MainWindowHarness {
public:
    MainWindowHarness()
    {
        m_hooks.askYesNo = [this](const QString &text, const QString &title) {
            messages << title + QLatin1Char('|') + text;
            return answer;
        };
        m_hooks.message = [this](const QString &text, const QString &title) {
            messages << title + QLatin1Char('|') + text;
        };
        m_hooks.endProgram = [this] { ++endCalls; };
        Dialogs::setHooks(&m_hooks);
    }
    ~MainWindowHarness()
    {
        m_main.reset();
        flushDeletes();
        m_data.reset();
        Dialogs::setHooks(nullptr);
    }

    // `settings` goes to settings.prn unless it is null; `elements` replaces the shipped
    // element file when given.
    frm_Vantrel &start(const QByteArray &settings = {}, const QByteArray *elements = nullptr)
    {
        m_main.reset();
        m_data = std::make_unique<TempDataFolder>();
        if (elements)
            m_data->write(QStringLiteral("Elements.prn"), *elements);
        else
            m_data->copyShippedElements();
        if (!settings.isNull()) m_data->write(QStringLiteral("settings.prn"), settings);
        m_main = std::make_unique<frm_Vantrel>(frm_Vantrel::Browser::None);
        m_main->Form_Load();
        return *m_main;
    }

    frm_Vantrel &main() { return *m_main; }
    AppState &app() { return m_main->app(); }
    // Changes one setting for this run, as saving the options dialog would.
    template <typename T>
    void setSetting(T Settings::Values::*setting, T value)
    {
        Settings::Values values = app().settings();
        values.*setting = value;
        app().setSettings(values);
    }
    TempDataFolder &data() { return *m_data; }
    // Opens the options dialog, or the chart window in its mode, as their buttons do.
    void openOtherWindow(bool options)
    {
        if (!options) setSetting(&Settings::Values::ChartWindowsMode, qint16(1));
        m_main->img_Btns_Click(options ? Command::OpenOptions : Command::ShowChart);
    }

    QStringList messages;       // "title|text" of every box, in order
    int answer = Dialogs::kNo;  // the answer to every yes/no box
    int endCalls = 0;           // times the program was asked to end

private:
    Dialogs::Hooks m_hooks;
    std::unique_ptr<TempDataFolder> m_data;
    std::unique_ptr<frm_Vantrel> m_main;
};

// The four settings as the user meets them: the colours of the radius circles, what the
// chart button does (1 opens a window, 0 moves the pane, -1 nothing) and whether the cells
// let the group backdrops through once the table is back.
inline QList<double> settingsSeen(frm_Vantrel &w)
{
    QList<double> seen;
    for (int command : {Command::AtomicRadiusChart, Command::CovalentRadiusChart}) {
        w.img_Btns_Click(command);
        seen << w.circles().first().colour;
    }
    w.img_Btns_Click(Command::ShowTable);
    const double height = w.outerHeightTwips();
    w.img_Btns_Click(Command::ShowChart);
    const bool paneMoved = w.outerHeightTwips() != height;
    return seen << (w.chartWindow() ? 1 : paneMoved ? 0 : -1) << w.lbl_Elements(1)->isTransparent();
}

// The window's chart pane and chart window as the chart plugin (linked into the tests) makes
// them.
inline ChartControl *chartOf(const frm_Vantrel &window)
{
    return static_cast<ChartControl *>(window.msc_Options());
}
inline frm_Chart *chartWindowOf(const frm_Vantrel &window)
{
    return static_cast<frm_Chart *>(window.chartWindow());
}
