#pragma once

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "data/DataFiles.h"

// A program folder of the test's own, with a Data folder; the program reads from it
// while the object lives.
class TempDataFolder {
public:
    TempDataFolder()
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("Data"));
        DataFiles::setProgramFolder(m_dir.path());
    }
    ~TempDataFolder() { DataFiles::setProgramFolder(QString()); }

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

    // The shipped element data file, copied in.
    void copyShippedElements() const
    {
        QFile::copy(QStringLiteral(FERROVA_SOURCE_DIR "/Data/Elements.prn"),
                    path(QStringLiteral("Elements.prn")));
    }

private:
    QTemporaryDir m_dir;
};
