#include "AtomicSave.h"

#include "DataError.h"
#include "FileReason.h"

#include <QFileInfo>
#include <QSaveFile>

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
    QSaveFile file(path);
    // Each step names itself, and says why when that can be known; after a short write (a
    // full disk) the system gives no reason, and the step's guess stands.
    const auto fail = [&](const QString &step, const QString &guess) {
        const std::optional<QString> reason = failureReason(file.errorString(), path);
        throw DataError(DataError::Kind::WriteFailed, shownPath.isEmpty() ? path : shownPath, 0,
                        reason ? QStringLiteral("%1，%2").arg(step, *reason) : guess);
    };
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("无法创建新文件"), QStringLiteral("无法创建新文件"));
    // flush() before commit(): commit() does not notice a short final write and would put a
    // cut-off file in place.
    if (file.write(bytes) != bytes.size() || !file.flush())
        fail(QStringLiteral("写入未完成"), QStringLiteral("写入未完成，磁盘可能已满"));
    if (!file.commit())
        fail(QStringLiteral("无法替换原来的文件"), QStringLiteral("无法替换原来的文件"));
}

}  // namespace AtomicSave
