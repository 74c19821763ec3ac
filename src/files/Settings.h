#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>
#include <QStringList>

// The settings file: lines of value, TAB, key. Reading sets the four settings; writing
// saves them in four fixed lines.
namespace Settings {

// The settings the file keeps; the member defaults are the values without a file.
struct Values {
    float AtomicRadiusColor = 0;
    float CovalentRadiusColor = 0;
    qint16 ChartWindowsMode = 0;  // 0 chart pane, 1 chart window
    qint16 ElementGroupMode = 0;  // 1 group colouring on
    bool operator==(const Values &o) const
    {
        return AtomicRadiusColor == o.AtomicRadiusColor &&
               CovalentRadiusColor == o.CovalentRadiusColor &&
               ChartWindowsMode == o.ChartWindowsMode && ElementGroupMode == o.ElementGroupMode;
    }
    bool operator!=(const Values &o) const { return !(*this == o); }
};

// The value text of a colour line: its whole part (rounded down) in at most seven
// significant digits, e.g. 33023 or 1.677721E+07; always "." as separator.
QString colourText(float colour);

// The whole file as SaveSettings writes it: four CR LF lines in fixed order.
QByteArray fileText(const Values &values);

// Bad lines listed one by one; the rest are summed up as "以及另外 N 行" (and N more lines).
constexpr int kMaxListedProblems = 10;

// Reads every line of `device` and applies the known keys to `values` (exact case; the
// last line of a key wins; modes rounded half to even). A line that
// cannot be read (no number first, a mode outside 16 bits) is skipped and described in
// `problems`, with its line number: the first kMaxListedProblems of them, then one more
// entry that counts the others.
void read(QIODevice &device, const QString &fileName, Values &values, QStringList *problems);

// Which file load() read (or looked for) and the problems it found.
struct Loaded {
    QString filePath;
    QStringList problems;
};

// Start-up: reads the user's own settings file when there is one, else
// <program>/Data/settings.prn (SettingsLocation), into `values`. A missing file is not an
// error: the values stay as they were.
Loaded load(Values &values);

// SaveSettings' last step: writes the four settings atomically back to the file load()
// reads, or to the user's own file when the user may not write that one (SettingsLocation);
// returns the file written. On failure throws DataError(WriteFailed) and leaves the old file
// intact.
QString save(const Values &values);

}  // namespace Settings
