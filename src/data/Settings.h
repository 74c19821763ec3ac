#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

// The settings file: lines of value, TAB, key. Reading sets the module's settings
// variables; writing saves them in four fixed lines.
namespace Settings {

// The value text of a colour line: its whole part (rounded down) in at most seven
// significant digits, e.g. 33023 or 1.677721E+07; always "." as separator.
QString colourText(float colour);

// The whole file as SaveSettings writes it: four CR LF lines in fixed order.
QByteArray fileText(float atomicRadiusColor, float covalentRadiusColor, qint16 chartWindowsMode,
                    qint16 elementGroupMode);

// Bad lines listed one by one; the rest are summed up as "以及另外 N 行" (and N more lines).
constexpr int kMaxListedProblems = 10;

// Reads every line of `device` into SettingValue/InputText and applies the known keys
// (exact case; the last line of a key wins; modes rounded half to even). A line that
// cannot be read (no number first, a mode outside 16 bits) is skipped and described in
// `problems`, with its line number: the first kMaxListedProblems of them, then one more
// entry that counts the others.
void read(QIODevice &device, const QString &fileName, QStringList *problems);

// Start-up: reads the user's own settings file when there is one, else
// <program>/Data/settings.prn (SettingsLocation). A missing file is not an error: the
// settings keep their initial values. Returns the problems found, if any.
QStringList load();

// SaveSettings' last step: writes the four module settings atomically back to the file load()
// reads, or to the user's own file when the user may not write that one (SettingsLocation);
// on failure throws DataError(WriteFailed) and leaves the old file intact.
void save();

}  // namespace Settings
