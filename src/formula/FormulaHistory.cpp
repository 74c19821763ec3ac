#include "FormulaHistory.h"

#include "files/AtomicSave.h"
#include "files/DataError.h"
#include "files/SettingsLocation.h"

#include <QFileInfo>
#include <QSettings>

namespace FormulaHistory {

namespace {

const QString kKey = QStringLiteral("Formula/Recent");

}  // namespace

QString fileName()
{
    return QFileInfo(SettingsLocation::userFile()).absolutePath() +
           QStringLiteral("/preferences.ini");
}

QStringList load()
{
    const QSettings file(fileName(), QSettings::IniFormat);
    return file.value(kKey).toStringList().mid(0, kMaxKept);
}

QStringList remember(const QString &formula)
{
    QStringList kept = load();
    kept.removeAll(formula);
    kept.prepend(formula);
    kept = kept.mid(0, kMaxKept);
    QSettings file(fileName(), QSettings::IniFormat);
    file.setValue(kKey, kept);
    file.sync();
    if (file.status() != QSettings::NoError)
        throw DataError(DataError::Kind::WriteFailed, fileName(), 0,
                        AtomicSave::failureReason(QString(), fileName()).value_or(QString()));
    return kept;
}

}  // namespace FormulaHistory
