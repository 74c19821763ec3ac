#pragma once

#include <QObject>
#include <QString>

#include "elements/ChartProperties.h"

// The unit every chart of melting or boiling points is shown in, chosen from a chart's
// context menu and remembered for the next start. It is kept in a preferences file of its
// own in the user's configuration folder, beside their settings.prn, so that the settings
// file keeps its four lines and the program's own copy is never written for it.
class TemperatureChoice : public QObject {
    Q_OBJECT
public:
    static TemperatureChoice &instance();

    // The remembered unit; kelvin, as the data file holds them, until one is chosen.
    ChartProperties::TemperatureUnit unit() const { return m_unit; }

    // Shows every chart in `unit` at once and remembers it. Throws DataError(WriteFailed)
    // when it cannot be remembered; the charts show it for this run all the same.
    void setUnit(ChartProperties::TemperatureUnit unit);

    // ~/.config/ferrova-periodic/preferences.ini
    static QString fileName();

signals:
    void unitChanged(ChartProperties::TemperatureUnit unit);

private:
    TemperatureChoice();

    ChartProperties::TemperatureUnit m_unit = ChartProperties::TemperatureUnit::Kelvin;
};
