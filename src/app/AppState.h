#pragma once

#include <QObject>
#include <optional>

#include "elements/ChartProperties.h"
#include "files/ModVantrel.h"
#include "files/Settings.h"

// What the windows share for the whole run: the settings, whether the grid shows normally,
// the toolbar's last command and highlight, the property charted last, and the unit of
// temperatures in the charts. The main window owns the one instance and hands it to the
// windows and panes it makes. Whether the options dialog or the chart window is open is
// not kept here: the main window, which opens them, asks them.
//
// Flags are 16-bit integers, true -1 and false 0, as everywhere in the program.
class AppState : public QObject {
    Q_OBJECT
public:
    using TemperatureUnit = ChartProperties::TemperatureUnit;

    explicit AppState(QObject *parent = nullptr);

    const Settings::Values &settings() const { return m_settings; }
    void setSettings(const Settings::Values &values) { m_settings = values; }

    qint16 NormalGridShown() const { return m_normalGridShown; }
    void setNormalGridShown(qint16 shown) { m_normalGridShown = shown; }

    // The highlight image shown last, in whichever window: all toolbars share it.
    qint16 HighlightedButton() const { return m_highlightedButton; }
    void setHighlightedButton(qint16 command) { m_highlightedButton = command; }

    qint16 ChartProperty() const { return m_chartProperty; }  // 0 to 8
    void setChartProperty(qint16 property) { m_chartProperty = property; }
    qint16 LastButton() const { return m_lastButton; }
    void setLastButton(qint16 command) { m_lastButton = command; }

    // The unit every chart of melting or boiling points is shown in, remembered for the
    // next start; kelvin, as the data file holds them, until one is chosen. Read from the
    // user's preferences file when first asked for, not at start.
    TemperatureUnit temperatureUnit() const;
    // Shows every chart in `unit` at once (temperatureUnitChanged) and remembers it. Throws
    // DataError(WriteFailed) when it cannot be remembered; the charts show it for this run
    // all the same.
    void setTemperatureUnit(TemperatureUnit unit);
    // Where the unit is remembered: preferences.ini beside the user's settings.prn, so that
    // the settings file keeps its four lines and the program's own copy is never written.
    static QString preferencesFile();

signals:
    // Each chart follows it (ChartUnits::follow).
    void temperatureUnitChanged(ChartProperties::TemperatureUnit unit);

private:
    Settings::Values m_settings;
    qint16 m_normalGridShown = mod_Vantrel::True;
    qint16 m_highlightedButton = 0;
    qint16 m_chartProperty = 0;
    qint16 m_lastButton = 0;
    mutable std::optional<TemperatureUnit> m_unit;  // until first asked for
};
