#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// Writing a whole file so that it is either there complete or not changed at all: the bytes
// go to a new file beside the target that is renamed into place only when all of them are
// on the disk. A failed save leaves the old file (or no file) and no half-written one.
namespace AtomicSave {

// Why saving to `target` failed, from the save file's error text (`systemText`, may be
// empty) and a look at the target and its folder; nullopt when neither tells.
std::optional<QString> failureReason(const QString &systemText, const QString &target);

// Writes `bytes` to `path`. Throws DataError(WriteFailed) with the Chinese reason when the
// file cannot be created, written or put in place; the error names `shownPath` when given
// (the path as the user knows it), else `path`.
void write(const QString &path, const QByteArray &bytes, const QString &shownPath = {});

}  // namespace AtomicSave
