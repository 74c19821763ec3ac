#include "TemperatureChoice.h"

#include "files/AtomicSave.h"
#include "files/DataError.h"
#include "files/SettingsLocation.h"

#include <QFileInfo>
#include <QSettings>

using ChartProperties::TemperatureUnit;

namespace {

const QString kKey = QStringLiteral("Chart/TemperatureUnit");
const QString kCelsius = QStringLiteral("celsius");
const QString kKelvin = QStringLiteral("kelvin");

}  // namespace

TemperatureChoice &TemperatureChoice::instance()
{
    static TemperatureChoice choice;
    return choice;
}

TemperatureChoice::TemperatureChoice()
{
    const QSettings file(fileName(), QSettings::IniFormat);
    if (file.value(kKey).toString() == kCelsius) m_unit = TemperatureUnit::Celsius;
}

QString TemperatureChoice::fileName()
{
    return QFileInfo(SettingsLocation::userFile()).absolutePath() +
           QStringLiteral("/preferences.ini");
}

void TemperatureChoice::setUnit(TemperatureUnit unit)
{
    if (unit == m_unit) return;
    m_unit = unit;
    emit unitChanged(unit);
    QSettings file(fileName(), QSettings::IniFormat);
    file.setValue(kKey, unit == TemperatureUnit::Celsius ? kCelsius : kKelvin);
    file.sync();
    if (file.status() == QSettings::NoError) return;
    const QString path = fileName();
    throw DataError(DataError::Kind::WriteFailed, path, 0,
                    AtomicSave::failureReason(QString(), path).value_or(QString()));
}
