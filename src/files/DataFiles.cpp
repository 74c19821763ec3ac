#include "DataFiles.h"

#include "DataError.h"
#include "FileReason.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cerrno>

namespace {

QString g_programFolder;

// The entry of `folder` named `name` without regard to case; empty when there is none.
QString findEntry(const QString &folder, const QString &name)
{
    if (QFileInfo::exists(folder + QLatin1Char('/') + name)) return name;
    const QStringList entries =
        QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System);
    for (const QString &entry : entries)
        if (entry.compare(name, Qt::CaseInsensitive) == 0) return entry;
    return {};
}

}  // namespace

namespace DataFiles {

QString programFolder()
{
    return g_programFolder.isEmpty() ? QCoreApplication::applicationDirPath() : g_programFolder;
}

void setProgramFolder(const QString &folder)
{
    g_programFolder = folder;
}

QString dataPath(const QString &fileName)
{
    return programFolder() + QStringLiteral("/Data/") + fileName;
}

QString resolve(const QString &path)
{
    const QFileInfo info(path);
    const QFileInfo dataDir(info.path());
    const QString dirName = findEntry(dataDir.path(), dataDir.fileName());
    if (dirName.isEmpty()) return path;
    const QString folder = dataDir.path() + QLatin1Char('/') + dirName;
    const QString fileName = findEntry(folder, info.fileName());
    return fileName.isEmpty() ? path : folder + QLatin1Char('/') + fileName;
}

std::optional<OpenFailure> openForReading(QFile &file)
{
    const QByteArray name = QFile::encodeName(file.fileName());
    const auto failure = [](int error) {
        return OpenFailure{error == ENOENT || error == ENOTDIR, FileReason::forError(error)};
    };
    struct stat info {};
    if (::stat(name.constData(), &info) != 0) return failure(errno);
    if (!S_ISREG(info.st_mode)) return OpenFailure{false, FileReason::forNonRegular(info.st_mode)};
    // Not blocking, and checked again once open: the name may have been given to a named
    // pipe since the look above, and opening a pipe for reading waits for a writer.
    const int fd = ::open(name.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) return failure(errno);
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        return OpenFailure{false, FileReason::forNonRegular(info.st_mode)};
    }
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return OpenFailure{
            false, FileReason::forSystemText(file.errorString()).value_or(file.errorString())};
    }
    return std::nullopt;
}

}  // namespace DataFiles

InputFile::InputFile(const QString &path) : m_file(DataFiles::resolve(path))
{
    if (const auto failure = DataFiles::openForReading(m_file))
        throw DataError(DataError::Kind::OpenFailed, path, 0, failure->reason);
    m_input = std::make_unique<ListInput>(m_file, path);
}
