#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include "files/ModVantrel.h"

// Checks of the element data file, shared by the check_elements tool and its tests.
namespace ElementCheck {

constexpr int kElementCount = 109;

struct Problem {
    int line = 0;  // 1-based line of the file; 0 when no single line applies
    QString message;
};

struct LineRecord {
    int line = 0;
    mod_Vantrel::ElementRecordType record;
};

// Elements whose melting point may lie above the boiling point, and why.
struct MeltingAboveBoiling {
    int atomicNumber;
    const char *why;
};
const QList<MeltingAboveBoiling> &meltingAboveBoilingExceptions();

// Rules that look at one record on its own: phase code, signs, melting against boiling
// point, phase against the temperatures at 298 K, electron configuration against the
// atomic number, oxidation state lists.
QList<Problem> checkRecord(const mod_Vantrel::ElementRecordType &record, int line);

// Every value of the record has a source, and data/sources.csv defines it: what the
// program tells of a value's origin (ValueSources) covers the values the file holds.
QList<Problem> checkSources(const mod_Vantrel::ElementRecordType &record, int line);

// Rules over the whole set: every element 1..109 exactly once.
QList<Problem> checkSet(const QList<LineRecord> &records);

// The whole file: byte-level layout (UTF-8, CR LF, nothing after the last line end), each
// line read on its own with the program's reader, the rules above, and finally the whole
// file read the way the program reads it. Problems come sorted by line.
QList<Problem> checkFile(const QByteArray &bytes, const QString &fileName);

// checkSources over every record of a file that checkFile passes (one record a line).
QList<Problem> checkFileSources(const QByteArray &bytes, const QString &fileName);

}  // namespace ElementCheck
