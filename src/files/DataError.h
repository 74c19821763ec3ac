#pragma once

#include <QString>
#include <stdexcept>

// What goes wrong while a data or settings file is opened, read or written.
// Carries everything the user needs to see: the file, the line, the problem and what to do.
class DataError : public std::runtime_error {
public:
    enum class Kind {
        OpenFailed,     // missing or unreadable file
        TooFewTabs,     // text item without the nine TABs of the ten tail fields
        PastEnd,        // the file ended inside a record
        Overflow,       // whole number outside -32768..32767, or a number beyond single range
        NotANumber,     // a number item that is not a number
        TooLong,        // a line or item beyond the reader's limits
        WriteFailed,    // saving failed
        NoSuchElement,  // an atomic number for which the grid has no cell
        BadItem,        // an item that breaks its file's rules (a unit, a field count)
        BadTable,       // a CSV data file whose columns or rows are not as they should be
    };

    DataError(Kind kind, QString file, int line, QString detail);

    Kind kind() const { return m_kind; }
    const QString &file() const { return m_file; }
    int line() const { return m_line; }  // 0 when no line applies
    const QString &detail() const { return m_detail; }

    // The complete Chinese text for a message box.
    QString message() const;

private:
    Kind m_kind;
    QString m_file;
    int m_line;
    QString m_detail;
};
