#include "DataFiles.h"

#include "DataError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

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

}  // namespace DataFiles

InputFile::InputFile(const QString &path) : m_file(DataFiles::resolve(path))
{
    if (QFileInfo(m_file.fileName()).isDir() || !m_file.open(QIODevice::ReadOnly))
        throw DataError(DataError::Kind::OpenFailed, path, 0,
                        m_file.exists() ? m_file.errorString() : QStringLiteral("文件不存在"));
    m_input = std::make_unique<ListInput>(m_file, path);
}
