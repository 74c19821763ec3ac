#pragma once

#include <QString>
#include <QVector>
#include <functional>
#include <optional>

#include "ModVantrel.h"

// The one way into the element data file: open <program>/Data/Elements.prn, read its
// records from the start and hand each to the caller. Nothing is kept between scans: every
// operation that needs element data scans the file again.
namespace ElementFile {

// The file's path as the program asks for it (found without regard to letter case).
QString path();

// Which atomic numbers a scan accepts; a record outside them ends the scan with
// DataError(NoSuchElement) and its line.
enum class Numbers {
    Any,      // the caller compares the number itself
    Grid,     // 0 to 109: the grid has a hidden cell 0
    Charted,  // 1 to 109; records with 0 are passed by without a word
};

enum class Next { Continue, Stop };

// Called with each record in file order.
using Visit = std::function<Next(const mod_Vantrel::ElementRecordType &record)>;

// Reads the file from its start until its end or until `visit` says Stop. Throws DataError
// when the file cannot be opened or a record is malformed or out of `numbers`.
void scan(Numbers numbers, const Visit &visit);

// The first record with `atomicNumber`, read from the file's start; nullopt when none has it.
std::optional<mod_Vantrel::ElementRecordType> find(int atomicNumber);

// Of several records with one atomic number the last, none for atomic number 0, in the
// order of those records in the file: the rows of a chart or a table of all elements.
QVector<mod_Vantrel::ElementRecordType> latestRecords();

}  // namespace ElementFile
