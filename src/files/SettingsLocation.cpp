#include "SettingsLocation.h"

#include "DataFiles.h"

#include <QFileInfo>
#include <QStandardPaths>

namespace SettingsLocation {

namespace {
const QString kFileName = QStringLiteral("settings.prn");
}

QString userFile()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation) + QLatin1Char('/') +
           kFileName;
}

QString programFile()
{
    return DataFiles::dataPath(kFileName);
}

bool mayWrite(const QString &path)
{
    // The save writes a new file beside the old one and renames it into place, so the folder
    // must take new files; an existing file the user may not write is left alone all the same.
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    return folder.isDir() && folder.isWritable() && (!file.exists() || file.isWritable());
}

QString fileToRead(const QString &userFile, const QString &programFile)
{
    return QFileInfo::exists(userFile) ? userFile : programFile;
}

QString fileToSave(const QString &userFile, const QString &programFile,
                   const std::function<bool(const QString &)> &writable)
{
    const QString read = fileToRead(userFile, programFile);
    return writable(DataFiles::resolve(read)) ? read : userFile;
}

}  // namespace SettingsLocation
