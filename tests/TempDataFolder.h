#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/DataFiles.h"

// A program folder of the test's own, with a Data folder; the program reads from it
// while the object lives. The user's configuration folder (XDG_CONFIG_HOME) is an empty
// folder of the test's own too, so that no one's own settings file gets in.
class TempDataFolder {
public:
    TempDataFolder() : m_oldConfigHome(qgetenv("XDG_CONFIG_HOME"))
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("Data"));
        DataFiles::setProgramFolder(m_dir.path());
        qputenv("XDG_CONFIG_HOME", m_configHome.path().toLocal8Bit());
    }
    ~TempDataFolder()
    {
        DataFiles::setProgramFolder(QString());
        if (m_oldConfigHome.isNull())
            qunsetenv("XDG_CONFIG_HOME");
        else
            qputenv("XDG_CONFIG_HOME", m_oldConfigHome);
    }

    // The folder that stands for the user's configuration folder (~/.config).
    QString configHome() const { return m_configHome.path(); }

    QString path(const QString &name) const
    {
        return m_dir.path() + QStringLiteral("/Data/") + name;
    }

    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        if (file.open(QIODevice::WriteOnly)) file.write(bytes);
    }

    QByteArray read(const QString &name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    // The shipped element data file, copied in, with the sheet's and the nuclides' files.
    void copyShippedElements() const
    {
        for (const char *name : {"Elements.prn", "Properties.csv", "Isotopes.csv"})
            QFile::copy(QStringLiteral(FERROVA_SOURCE_DIR "/Data/") + QLatin1String(name),
                        path(QLatin1String(name)));
    }

private:
    QTemporaryDir m_dir;
    QTemporaryDir m_configHome;
    QByteArray m_oldConfigHome;
};
