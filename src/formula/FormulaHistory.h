#pragma once

#include <QString>
#include <QStringList>

// The formulas a user last worked out, newest first, for the next start. They are kept in
// the preferences file beside the user's settings.prn (the one the chart's temperature unit
// uses), so the settings file keeps its four lines.
namespace FormulaHistory {

constexpr int kMaxKept = 20;

// ~/.config/ferrova-periodic/preferences.ini
QString fileName();

QStringList load();

// Puts `formula` first (once), keeps kMaxKept, writes the file and returns the list.
// Throws DataError(WriteFailed) when the file cannot be written.
QStringList remember(const QString &formula);

}  // namespace FormulaHistory
