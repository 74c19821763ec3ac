#include "AppState.h"

#include "files/AtomicSave.h"
#include "files/DataError.h"
#include "files/SettingsLocation.h"

#include <QFileInfo>
#include <QSettings>

namespace {

// The key and values of preferences.ini, as earlier versions wrote them.
const QString kUnitKey = QStringLiteral("Chart/TemperatureUnit");
const QString kCelsius = QStringLiteral("celsius");
const QString kKelvin = QStringLiteral("kelvin");

}  // namespace

AppState::AppState(QObject *parent) : QObject(parent) {}

AppState::TemperatureUnit AppState::temperatureUnit() const
{
    if (!m_unit) {
        const QSettings file(preferencesFile(), QSettings::IniFormat);
        m_unit = file.value(kUnitKey).toString() == kCelsius ? TemperatureUnit::Celsius
                                                             : TemperatureUnit::Kelvin;
    }
    return *m_unit;
}

void AppState::setTemperatureUnit(TemperatureUnit unit)
{
    if (unit == temperatureUnit()) return;
    m_unit = unit;
    emit temperatureUnitChanged(unit);
    QSettings file(preferencesFile(), QSettings::IniFormat);
    file.setValue(kUnitKey, unit == TemperatureUnit::Celsius ? kCelsius : kKelvin);
    file.sync();
    if (file.status() == QSettings::NoError) return;
    const QString path = preferencesFile();
    throw DataError(DataError::Kind::WriteFailed, path, 0,
                    AtomicSave::failureReason(QString(), path).value_or(QString()));
}

QString AppState::preferencesFile()
{
    return QFileInfo(SettingsLocation::userFile()).absolutePath() +
           QStringLiteral("/preferences.ini");
}
