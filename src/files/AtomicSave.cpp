#include "AtomicSave.h"

#include "DataError.h"
#include "FileReason.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>

namespace AtomicSave {

namespace {

// Why the folder of a file to save is missing: the nearest folder above it that is there
// does not take new entries, or is not a folder at all.
QString missingFolderReason(const QString &folder)
{
    QFileInfo existing(folder);
    while (!existing.exists() && !existing.isRoot()) existing.setFile(existing.path());
    if (!existing.isDir()) return QStringLiteral("路径中有一项不是文件夹");
    if (!existing.isWritable()) return QStringLiteral("没有权限");
    return QStringLiteral("所在的文件夹不存在");
}

[[noreturn]] void fail(const QString &shownPath, const QString &step, const QString &reason)
{
    throw DataError(DataError::Kind::WriteFailed, shownPath, 0,
                    QStringLiteral("%1，%2").arg(step, reason));
}

// All of `bytes` to an open descriptor; the error number when that failed, else 0.
int writeAll(int descriptor, const QByteArray &bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const ssize_t written =
            ::write(descriptor, bytes.constData() + done, size_t(bytes.size() - done));
        if (written < 0 && errno == EINTR) continue;
        if (written <= 0) return written < 0 ? errno : EIO;
        done += written;
    }
    return 0;
}

void writeStream(int descriptor, bool close, const QByteArray &bytes, const QString &shownPath)
{
    int error = writeAll(descriptor, bytes);
    if (close && ::close(descriptor) != 0 && error == 0) error = errno;
    if (error != 0) fail(shownPath, QStringLiteral("写入未完成"), FileReason::forError(error));
}

// A terminal, pipe or other character device takes the bytes in place; false when `path`
// names none (nothing yet, a regular file, a folder), which the atomic save deals with. A
// pipe without a reader waits for one, as a shell's redirection does.
bool writeInPlace(const QString &path, const QByteArray &bytes, const QString &shownPath)
{
    const QByteArray name = QFile::encodeName(path);
    struct stat info {};
    if (::stat(name.constData(), &info) != 0 || S_ISREG(info.st_mode) || S_ISDIR(info.st_mode))
        return false;
    // Text written over a disk's blocks would wreck the file system on it.
    if (S_ISBLK(info.st_mode))
        fail(shownPath, QStringLiteral("不写入"), FileReason::forNonRegular(info.st_mode));
    const int descriptor = ::open(name.constData(), O_WRONLY | O_NOCTTY | O_CLOEXEC);
    if (descriptor < 0) fail(shownPath, QStringLiteral("无法打开"), FileReason::forError(errno));
    // Replaced by a regular file since the look: opened without truncating, so unchanged.
    if (::fstat(descriptor, &info) != 0 || S_ISREG(info.st_mode)) {
        ::close(descriptor);
        return false;
    }
    writeStream(descriptor, true, bytes, shownPath);
    return true;
}

}  // namespace

std::optional<QString> failureReason(const QString &systemText, const QString &target)
{
    const QFileInfo file(target);
    if (file.isDir()) return QStringLiteral("目标是一个文件夹");
    if (!QFileInfo(file.path()).isDir()) return missingFolderReason(file.path());
    if (const std::optional<QString> reason = FileReason::forSystemText(systemText)) return reason;
    // The toolkit's own text for an existing file it may not replace.
    if (file.exists() && !file.isWritable()) return QStringLiteral("没有权限");
    return std::nullopt;
}

void write(const QString &path, const QByteArray &bytes, const QString &shownPath)
{
    if (path == QLatin1String(kStandardOutput))
        return writeStream(STDOUT_FILENO, false, bytes, QStringLiteral("标准输出"));
    const QString shown = shownPath.isEmpty() ? path : shownPath;
    if (writeInPlace(path, bytes, shown)) return;
    QSaveFile file(path);
    // Each step names itself, and says why when that can be known; after a short write (a
    // full disk) the system gives no reason, and the step's guess stands.
    const auto failed = [&](const QString &step, const QString &guess) {
        const std::optional<QString> reason = failureReason(file.errorString(), path);
        if (reason) fail(shown, step, *reason);
        throw DataError(DataError::Kind::WriteFailed, shown, 0, guess);
    };
    if (!file.open(QIODevice::WriteOnly))
        failed(QStringLiteral("无法创建新文件"), QStringLiteral("无法创建新文件"));
    // flush() before commit(): commit() does not notice a short final write and would put a
    // cut-off file in place.
    if (file.write(bytes) != bytes.size() || !file.flush())
        failed(QStringLiteral("写入未完成"), QStringLiteral("写入未完成，磁盘可能已满"));
    if (!file.commit())
        failed(QStringLiteral("无法替换原来的文件"), QStringLiteral("无法替换原来的文件"));
}

}  // namespace AtomicSave
