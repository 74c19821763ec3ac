#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

// The one way the program saves. A regular file (new, or replaced; a symbolic link is
// followed to it) is written whole or not changed at all: the bytes go to a new file beside
// the target that is renamed into place only when all of them are on the disk, so a failed
// save leaves the old file (or no file) and no half-written one. A terminal, a named pipe
// or another character device already there is written directly, since renaming a file
// over it would destroy it; a disk device or a folder is refused.
namespace AtomicSave {

// The path that means standard output, as on every command line.
inline constexpr char kStandardOutput[] = "-";

// Why saving to `target` failed, from the save file's error text (`systemText`, may be
// empty) and a look at the target and its folder; nullopt when neither tells.
std::optional<QString> failureReason(const QString &systemText, const QString &target);

// Writes `bytes` to `path` (kStandardOutput: to standard output). Throws
// DataError(WriteFailed) with the Chinese reason when the file cannot be created, written,
// closed or put in place; the error names `shownPath` when given (the path as the user knows
// it), else `path`.
void write(const QString &path, const QByteArray &bytes, const QString &shownPath = {});

}  // namespace AtomicSave
