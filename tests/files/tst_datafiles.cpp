// Finding and opening the files of the Data folder.

#include <sys/stat.h>
#include <QCoreApplication>
#include <QDir>
#include <QtTest>
#include <optional>

#include "OrdinaryUser.h"
#include "TempDataFolder.h"
#include "files/DataError.h"
#include "files/DataFiles.h"

namespace {

// Open file descriptors of this process, or -1 where that cannot be seen.
int openFiles()
{
    const QDir fds(QStringLiteral("/proc/self/fd"));
    return fds.exists()
               ? int(fds.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System).size())
               : -1;
}

}  // namespace

class TestDataFiles : public QObject {
    Q_OBJECT

private slots:
    void dataPathIsInProgramFolder_data();
    void dataPathIsInProgramFolder();
    void opensWithoutRegardToCase_data();
    void opensWithoutRegardToCase();
    void refusedFileFailsToOpen_data();
    void refusedFileFailsToOpen();
    void closesFileWhenLeavingScope_data();
    void closesFileWhenLeavingScope();
};

void TestDataFiles::dataPathIsInProgramFolder_data()
{
    QTest::addColumn<bool>("ownFolder");
    QTest::addColumn<QString>("name");

    QTest::newRow("element data, own folder") << true << "Elements.prn";
    QTest::newRow("settings, own folder") << true << "settings.prn";
    QTest::newRow("element data, beside the program") << false << "Elements.prn";
}

void TestDataFiles::dataPathIsInProgramFolder()
{
    QFETCH(bool, ownFolder);
    QFETCH(QString, name);

    if (ownFolder) {
        TempDataFolder folder;
        QVERIFY(DataFiles::programFolder() != QCoreApplication::applicationDirPath());
        QCOMPARE(DataFiles::dataPath(name), DataFiles::programFolder() + "/Data/" + name);
        QCOMPARE(DataFiles::dataPath(name), folder.path(name));
    }
    QCOMPARE(DataFiles::programFolder(), QCoreApplication::applicationDirPath());
    QCOMPARE(DataFiles::dataPath(name), QCoreApplication::applicationDirPath() + "/Data/" + name);
}

void TestDataFiles::opensWithoutRegardToCase_data()
{
    QTest::addColumn<QString>("storedFolder");
    QTest::addColumn<QString>("storedName");
    QTest::addColumn<QString>("askedName");

    QTest::newRow("asked in upper case") << "Data"
                                         << "Elements.prn"
                                         << "Elements.PRN";
    QTest::newRow("stored in upper case") << "Data"
                                          << "Elements.PRN"
                                          << "Elements.prn";
    QTest::newRow("same case") << "Data"
                               << "Elements.prn"
                               << "Elements.prn";
    QTest::newRow("data folder in lower case") << "data"
                                               << "Elements.prn"
                                               << "Elements.prn";
    QTest::newRow("both in other case") << "DATA"
                                        << "ELEMENTS.PRN"
                                        << "Elements.prn";
}

void TestDataFiles::opensWithoutRegardToCase()
{
    QFETCH(QString, storedFolder);
    QFETCH(QString, storedName);
    QFETCH(QString, askedName);

    TempDataFolder folder;
    folder.write(storedName, "42,\"text\"\r\n");
    if (storedFolder != QLatin1String("Data"))
        QVERIFY(QDir(DataFiles::programFolder()).rename(QStringLiteral("Data"), storedFolder));

    const QString path = DataFiles::dataPath(askedName);
    std::optional<InputFile> file;
    QVERIFY_THROWS_NO_EXCEPTION(file.emplace(path));
    qint16 number = 0;
    QString text;
    QVERIFY_THROWS_NO_EXCEPTION(number = file->input().readInt16());
    QVERIFY_THROWS_NO_EXCEPTION(text = file->input().readText());
    QCOMPARE(number, qint16(42));
    QCOMPARE(text, QStringLiteral("text"));
    QVERIFY(file->atEnd());
    // Errors name the file as the program asked for it.
    QCOMPARE(file->input().fileName(), path);
}

void TestDataFiles::refusedFileFailsToOpen_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("reason");  // how the detail starts

    QTest::newRow("no such file") << ""
                                  << "文件不存在";
    QTest::newRow("only another file") << "other"
                                       << "文件不存在";
    QTest::newRow("no Data folder") << "no Data"
                                    << "文件不存在";
    QTest::newRow("a folder of that name") << "folder"
                                           << "是一个文件夹";
    // Opening a pipe for reading would wait for a writer, for ever.
    QTest::newRow("a named pipe of that name") << "pipe"
                                               << "是一个命名管道，不是普通文件";
    QTest::newRow("a device of that name") << "device"
                                           << "是一个设备，不是普通文件";
    QTest::newRow("file not readable") << "unreadable"
                                       << "没有权限（";
    QTest::newRow("Data folder not searchable") << "closed Data"
                                                << "没有权限（";
}

// Run as an ordinary user would, in a child process: root reads whatever it likes.
void TestDataFiles::refusedFileFailsToOpen()
{
    QFETCH(QString, setup);
    QFETCH(QString, reason);

    TempDataFolder folder;
    const QString data = DataFiles::programFolder() + QStringLiteral("/Data");
    const QString file = data + QStringLiteral("/Elements.prn");
    if (setup == QLatin1String("other")) folder.write(QStringLiteral("Elements.prn.bak"), "1");
    if (setup == QLatin1String("no Data")) QVERIFY(QDir(data).removeRecursively());
    if (setup == QLatin1String("folder")) QVERIFY(QDir(data).mkdir(QStringLiteral("elements.prn")));
    if (setup == QLatin1String("pipe")) QCOMPARE(mkfifo(QFile::encodeName(file), 0644), 0);
    if (setup == QLatin1String("device")) QVERIFY(QFile::link(QStringLiteral("/dev/zero"), file));
    if (setup == QLatin1String("unreadable") || setup == QLatin1String("closed Data")) {
        folder.write(QStringLiteral("Elements.prn"), "1,\"x\"\r\n");
        // The folder without its search right; the file without its read right.
        const bool closedData = setup == QLatin1String("closed Data");
        QVERIFY(QFile::setPermissions(
            closedData ? data : file,
            closedData ? QFile::ReadOwner | QFile::WriteOwner : QFile::WriteOwner));
    }

    const QString path = DataFiles::dataPath(QStringLiteral("Elements.prn"));
    const QString detail = runAsOrdinaryUser([&] {
        try {
            InputFile input(path);
            return QStringLiteral("<opened>");
        } catch (const DataError &e) {
            if (e.kind() != DataError::Kind::OpenFailed || e.file() != path ||
                !e.message().contains(QDir::toNativeSeparators(path)))
                return QStringLiteral("<wrong error> ") + e.message();
            return e.detail();
        }
    });
    QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(detail.startsWith(reason), qPrintable(detail));
}

void TestDataFiles::closesFileWhenLeavingScope_data()
{
    QTest::addColumn<bool>("byError");

    QTest::newRow("normal end of scope") << false;
    QTest::newRow("left by a read error") << true;
}

void TestDataFiles::closesFileWhenLeavingScope()
{
    QFETCH(bool, byError);

    TempDataFolder folder;
    folder.write(QStringLiteral("Elements.prn"), "1,abc\r\n");
    const int before = openFiles();
    if (before < 0) QSKIP("cannot count open files here");

    bool failed = false;
    try {
        InputFile file(DataFiles::dataPath(QStringLiteral("Elements.prn")));
        QCOMPARE(openFiles(), before + 1);
        file.input().readInt16();
        if (byError) file.input().readInt16();
    } catch (const DataError &e) {
        failed = true;
        QCOMPARE(e.kind(), DataError::Kind::NotANumber);
    }
    QCOMPARE(failed, byError);
    QCOMPARE(openFiles(), before);
}

QTEST_GUILESS_MAIN(TestDataFiles)
#include "tst_datafiles.moc"
