#pragma once

#include <QFile>
#include <QString>
#include <memory>
#include <optional>

#include "ListInput.h"

// The data files live in the Data folder beside the program. Names are matched without
// regard to letter case, so "Elements.prn" and "Elements.PRN" name the same file.
namespace DataFiles {

QString programFolder();
// Tests point the program at a folder of their own; an empty text restores the default.
void setProgramFolder(const QString &folder);

// programFolder() + "/Data/" + fileName, as written (the text kept in DataFilePath).
QString dataPath(const QString &fileName);

// The existing file whose path equals `path` when letter case is ignored in its last two
// parts (the Data folder and the file name); `path` itself when there is none.
QString resolve(const QString &path);

// Why a data file was not opened: it is not there at all, or the reason says why not.
struct OpenFailure {
    bool missing;
    QString reason;
};

// Opens `file` (its name already resolved) for reading. Never waits: a named pipe, a device
// or anything else that is not a regular file is refused without being opened for reading.
std::optional<OpenFailure> openForReading(QFile &file);

}  // namespace DataFiles

// A data file opened for sequential input for the length of one operation ("file number
// 1" or "2"); closed when it goes out of scope, on every path.
class InputFile {
public:
    // Throws DataError(OpenFailed) when the file is missing, unreadable or not a regular
    // file, with the reason.
    explicit InputFile(const QString &path);
    ListInput &input() { return *m_input; }
    bool atEnd() { return m_input->atEnd(); }

private:
    QFile m_file;
    std::unique_ptr<ListInput> m_input;
};
