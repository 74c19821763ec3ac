#pragma once

#include <QObject>

#include "files/ModVantrel.h"
#include "files/Settings.h"

// What the windows share for the whole run: the settings, which of the two other windows is
// open, whether the grid shows normally, and the toolbar's last command. The main window
// owns the one instance and hands it to the windows it opens; each change is announced, so
// a window that cares listens instead of asking another window.
//
// Flags are 16-bit integers, true -1 and false 0, as everywhere in the program.
class AppState : public QObject {
    Q_OBJECT
public:
    explicit AppState(QObject *parent = nullptr);

    const Settings::Values &settings() const { return m_settings; }
    void setSettings(const Settings::Values &values);

    qint16 OptionsWindowOpen() const { return m_optionsWindowOpen; }
    void setOptionsWindowOpen(qint16 open);
    qint16 ChartWindowOpen() const { return m_chartWindowOpen; }
    void setChartWindowOpen(qint16 open);
    // True while either of them is open: the main window's grid and toolbar then rest.
    bool otherWindowOpen() const { return m_optionsWindowOpen || m_chartWindowOpen; }

    qint16 NormalGridShown() const { return m_normalGridShown; }
    void setNormalGridShown(qint16 shown);

    // The highlight image shown last, in whichever window: all toolbars share it.
    qint16 HighlightedButton() const { return m_highlightedButton; }
    void setHighlightedButton(qint16 command);

    qint16 ChartProperty() const { return m_chartProperty; }  // 0 to 8
    void setChartProperty(qint16 property);
    qint16 LastButton() const { return m_lastButton; }
    void setLastButton(qint16 command);

signals:
    void settingsChanged(const Settings::Values &values);
    void optionsWindowOpenChanged(qint16 open);
    void chartWindowOpenChanged(qint16 open);
    void normalGridShownChanged(qint16 shown);
    void highlightedButtonChanged(qint16 command);
    void chartPropertyChanged(qint16 property);
    void lastButtonChanged(qint16 command);

private:
    Settings::Values m_settings;
    qint16 m_optionsWindowOpen = mod_Vantrel::False;
    qint16 m_chartWindowOpen = mod_Vantrel::False;
    qint16 m_normalGridShown = mod_Vantrel::True;
    qint16 m_highlightedButton = 0;
    qint16 m_chartProperty = 0;
    qint16 m_lastButton = 0;
};
