// The settings file: reading, writing, loading at start-up and saving.

#include <QBuffer>
#include <QDirIterator>
#include <QLocale>
#include <QRegularExpression>
#include <QtTest>

#include "OrdinaryUser.h"
#include "TempDataFolder.h"
#include "files/DataError.h"
#include "files/DataFiles.h"
#include "files/ListInput.h"
#include "files/ModVantrel.h"
#include "files/Settings.h"
#include "files/SettingsLocation.h"

#ifdef Q_OS_UNIX
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

using namespace mod_Vantrel;

Q_DECLARE_METATYPE(DataError::Kind)

namespace {

const QByteArray kExampleFile =
    "1.677721E+07\tAtomicRadius\r\n33023\tCovalentRadius\r\n1\tChartWindows\r\n1\tElementGroup\r\n";
const QByteArray kShippedFile =
    "33023\tAtomicRadius\r\n65280\tCovalentRadius\r\n0\tChartWindows\r\n1\tElementGroup\r\n";

// The settings as the program holds them, and the file load() or save() used last.
Settings::Values values;
QString filePath;

QStringList load()
{
    const Settings::Loaded loaded = Settings::load(values);
    filePath = loaded.filePath;
    return loaded.problems;
}

void save()
{
    filePath = Settings::save(values);
}

QStringList readBytes(const QByteArray &bytes)
{
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QStringList problems;
    Settings::read(buffer, QStringLiteral("settings.prn"), values, &problems);
    return problems;
}

// Every file and folder under `root` with its contents, to see that nothing changed.
QMap<QString, QByteArray> snapshot(const QString &root)
{
    QMap<QString, QByteArray> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile file(path);
        entries.insert(path.mid(root.size()), it.fileInfo().isDir() ? QByteArray("<folder>")
                                              : file.open(QIODevice::ReadOnly) ? file.readAll()
                                                                               : QByteArray("<?>"));
    }
    return entries;
}

class DefaultLocale {
public:
    explicit DefaultLocale(const QLocale &locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(m_old); }

private:
    QLocale m_old;
};

}  // namespace

class TestSettings : public QObject {
    Q_OBJECT

private slots:
    void init() { values = Settings::Values(); }

    void readsKeyedLines_data();
    void readsKeyedLines();
    void writesColourText_data();
    void writesColourText();
    void writesFourLines_data();
    void writesFourLines();

    void savesAndLoadsBack_data();
    void savesAndLoadsBack();
    void loadsFromDataFolder_data();
    void loadsFromDataFolder();
    void loadsNothingWithoutFile();
    void refusesUnreadableFile_data();
    void refusesUnreadableFile();
    void savesIntoDataFolder_data();
    void savesIntoDataFolder();
    void failedSaveLeavesOldFile_data();
    void failedSaveLeavesOldFile();

    void choosesFile_data();
    void choosesFile();
    void savesToUserFile_data();
    void savesToUserFile();
};

// ---- Reading ------------------------------------------------------------------------------

void TestSettings::readsKeyedLines_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<float>("atomicRadius");
    QTest::addColumn<float>("covalentRadius");
    QTest::addColumn<int>("chartWindows");
    QTest::addColumn<int>("elementGroup");
    QTest::addColumn<QList<int>>("problemLines");

    const QList<int> none;
    QTest::newRow("example file") << kExampleFile << 16777210.f << 33023.f << 1 << 1 << none;
    QTest::newRow("shipped file") << kShippedFile << 33023.f << 65280.f << 0 << 1 << none;
    QTest::newRow("empty file") << QByteArray() << 0.f << 0.f << 0 << 0 << none;
    QTest::newRow("one line") << QByteArray("1\tElementGroup") << 0.f << 0.f << 0 << 1 << none;
    QTest::newRow("LF line ends") << QByteArray(kExampleFile).replace("\r\n", "\n") << 16777210.f
                                  << 33023.f << 1 << 1 << none;
    QTest::newRow("CR line ends") << QByteArray(kExampleFile).replace("\r\n", "\r") << 16777210.f
                                  << 33023.f << 1 << 1 << none;
    QTest::newRow("any order, blank lines")
        << QByteArray(
               "\r\n1\tElementGroup\r\n\r\n2\tChartWindows\r\n65535\tCovalentRadius\r\n"
               "255\tAtomicRadius")
        << 255.f << 65535.f << 2 << 1 << none;

    QTest::newRow("last mode line wins")
        << QByteArray("0\tChartWindows\r\n1\tChartWindows\r\n") << 0.f << 0.f << 1 << 0 << none;
    QTest::newRow("last colour line wins")
        << QByteArray("65535\tAtomicRadius\r\n255\tAtomicRadius\r\n") << 255.f << 0.f << 0 << 0
        << none;
    QTest::newRow("colour kept unrounded")
        << QByteArray("33023.7\tAtomicRadius\r\n0.25\tCovalentRadius\r\n") << 33023.7f << 0.25f << 0
        << 0 << none;

    QTest::newRow("ChartWindows 0.5 to even")
        << QByteArray("0.5\tChartWindows") << 0.f << 0.f << 0 << 0 << none;
    QTest::newRow("ChartWindows 1.5 to even")
        << QByteArray("1.5\tChartWindows") << 0.f << 0.f << 2 << 0 << none;
    QTest::newRow("ChartWindows 2.5 to even")
        << QByteArray("2.5\tChartWindows") << 0.f << 0.f << 2 << 0 << none;
    QTest::newRow("ChartWindows 0.6 up")
        << QByteArray("0.6\tChartWindows") << 0.f << 0.f << 1 << 0 << none;
    QTest::newRow("ElementGroup 0.5 to even")
        << QByteArray("0.5\tElementGroup") << 0.f << 0.f << 0 << 0 << none;
    QTest::newRow("ElementGroup 1.5 to even")
        << QByteArray("1.5\tElementGroup") << 0.f << 0.f << 0 << 2 << none;
    QTest::newRow("ElementGroup 2.5 to even")
        << QByteArray("2.5\tElementGroup") << 0.f << 0.f << 0 << 2 << none;
    QTest::newRow("ElementGroup -1")
        << QByteArray("-1\tElementGroup") << 0.f << 0.f << 0 << -1 << none;
    QTest::newRow("modes at the 16-bit ends")
        << QByteArray("32767\tChartWindows\r\n-32768\tElementGroup") << 0.f << 0.f << 32767
        << -32768 << none;

    QTest::newRow("keys in lower case")
        << QByteArray("1\tatomicradius\r\n1\tcovalentradius\r\n1\tchartwindows\r\n1\telementgroup")
        << 0.f << 0.f << 0 << 0 << none;
    QTest::newRow("keys in upper case")
        << QByteArray("1\tATOMICRADIUS\r\n1\tELEMENTGROUP") << 0.f << 0.f << 0 << 0 << none;
    QTest::newRow("longer keys") << QByteArray("1\tAtomicRadiusColor\r\n1\tElementGroups") << 0.f
                                 << 0.f << 0 << 0 << none;
    QTest::newRow("other keys ignored")
        << QByteArray("7\tFontSize\r\n1\tElementGroup\r\n9\t") << 0.f << 0.f << 0 << 1 << none;

    QTest::newRow("key where the value belongs")
        << QByteArray("AtomicRadius\t255\r\n1\tElementGroup\r\n") << 0.f << 0.f << 0 << 1
        << QList<int>{1};
    QTest::newRow("mode beyond 16 bits")
        << QByteArray("255\tAtomicRadius\r\n40000\tChartWindows\r\n1\tElementGroup\r\n") << 255.f
        << 0.f << 0 << 1 << QList<int>{2};
    QTest::newRow("mode below 16 bits") << QByteArray("1\tChartWindows\r\n-32769\tChartWindows\r\n")
                                        << 0.f << 0.f << 1 << 0 << QList<int>{2};
    QTest::newRow("bad lines counted past blank lines")
        << QByteArray(
               "\r\n\r\nx\tAtomicRadius\r\n255\tCovalentRadius\r\n\r\n1e99\tElementGroup\r\n")
        << 0.f << 255.f << 0 << 0 << QList<int>{3, 6};
    QTest::newRow("bad line with LF")
        << QByteArray("1\tElementGroup\nNaN\tChartWindows\n2\tChartWindows") << 0.f << 0.f << 2 << 1
        << QList<int>{2};
    QTest::newRow("overlong line skipped")
        << "1\tElementGroup\r\n255\tAtomicRadius" + QByteArray(ListInput::kMaxLineChars, ' ') +
               "\r\n2\tChartWindows\r\n"
        << 0.f << 0.f << 2 << 1 << QList<int>{2};
    // Ten bad lines are listed, the rest only counted (-n: "and n more lines").
    QTest::newRow("twelve bad lines")
        << QByteArray("x\tAtomicRadius\r\n").repeated(12) + "1\tElementGroup\r\n"
        << 0.f << 0.f << 0 << 1 << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, -2};
    QTest::newRow("ten bad lines, all listed")
        << QByteArray("x\tAtomicRadius\n").repeated(10) << 0.f << 0.f << 0 << 0
        << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
}

void TestSettings::readsKeyedLines()
{
    QFETCH(QByteArray, input);
    QFETCH(float, atomicRadius);
    QFETCH(float, covalentRadius);
    QFETCH(int, chartWindows);
    QFETCH(int, elementGroup);
    QFETCH(QList<int>, problemLines);

    const QStringList problems = readBytes(input);
    QCOMPARE(values.AtomicRadiusColor, atomicRadius);
    QCOMPARE(values.CovalentRadiusColor, covalentRadius);
    QCOMPARE(int(values.ChartWindowsMode), chartWindows);
    QCOMPARE(int(values.ElementGroupMode), elementGroup);
    QCOMPARE(problems.size(), problemLines.size());
    for (int i = 0; i < problems.size(); ++i) {
        const QString expected = problemLines[i] > 0
                                     ? QStringLiteral("第 %1 行").arg(problemLines[i])
                                     : QStringLiteral("以及另外 %1 行").arg(-problemLines[i]);
        QVERIFY2(problems[i].startsWith(expected), qPrintable(problems[i]));
    }
}

// ---- Writing ------------------------------------------------------------------------------

void TestSettings::writesColourText_data()
{
    QTest::addColumn<float>("colour");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("germanDefault");

    QTest::newRow("16777210") << 16777210.f << "1.677721E+07" << false;
    QTest::newRow("15132390") << 15132390.f << "1.513239E+07" << false;
    QTest::newRow("16776960") << 16776960.f << "1.677696E+07" << false;
    QTest::newRow("33023") << 33023.f << "33023" << false;
    QTest::newRow("65535") << 65535.f << "65535" << false;
    QTest::newRow("65280") << 65280.f << "65280" << false;
    QTest::newRow("0") << 0.f << "0" << false;
    QTest::newRow("fraction dropped") << 33023.7f << "33023" << false;
    QTest::newRow("fraction below 1") << 0.9f << "0" << false;
    QTest::newRow("seven digits") << 1234567.f << "1234567" << false;
    QTest::newRow("eight digits rounded") << 16777215.f << "1.677722E+07" << false;
    QTest::newRow("German default locale") << 16777210.f << "1.677721E+07" << true;
}

void TestSettings::writesColourText()
{
    QFETCH(float, colour);
    QFETCH(QString, text);
    QFETCH(bool, germanDefault);

    DefaultLocale locale(germanDefault ? QLocale(QLocale::German, QLocale::Germany) : QLocale::c());
    QCOMPARE(Settings::colourText(colour), text);
}

void TestSettings::writesFourLines_data()
{
    QTest::addColumn<float>("atomicRadius");
    QTest::addColumn<float>("covalentRadius");
    QTest::addColumn<int>("chartWindows");
    QTest::addColumn<int>("elementGroup");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("example file") << 16777210.f << 33023.f << 1 << 1 << kExampleFile;
    QTest::newRow("shipped file") << 33023.f << 65280.f << 0 << 1 << kShippedFile;
    QTest::newRow("nothing set")
        << 0.f << 0.f << 0 << 0
        << QByteArray(
               "0\tAtomicRadius\r\n0\tCovalentRadius\r\n0\tChartWindows\r\n0\tElementGroup\r\n");
    QTest::newRow("fractions dropped, negative modes")
        << 33023.7f << 0.5f << -1 << -32768
        << QByteArray(
               "33023\tAtomicRadius\r\n0\tCovalentRadius\r\n-1\tChartWindows\r\n-"
               "32768\tElementGroup\r\n");
}

void TestSettings::writesFourLines()
{
    QFETCH(float, atomicRadius);
    QFETCH(float, covalentRadius);
    QFETCH(int, chartWindows);
    QFETCH(int, elementGroup);
    QFETCH(QByteArray, bytes);

    QCOMPARE(Settings::fileText(
                 {atomicRadius, covalentRadius, qint16(chartWindows), qint16(elementGroup)}),
             bytes);
}

// ---- The file in the Data folder ----------------------------------------------------------

void TestSettings::savesAndLoadsBack_data()
{
    QTest::addColumn<float>("colour");
    QTest::addColumn<int>("mode");

    // The six colours the options window offers, each must come back exactly.
    for (const float colour : {16777210.f, 33023.f, 15132390.f, 16776960.f, 65535.f, 65280.f})
        QTest::addRow("colour %.0f", double(colour)) << colour << 1;
    QTest::newRow("modes off") << 0.f << 0;
    QTest::newRow("modes -1") << 255.f << -1;
}

void TestSettings::savesAndLoadsBack()
{
    QFETCH(float, colour);
    QFETCH(int, mode);

    TempDataFolder folder;
    values.AtomicRadiusColor = colour;
    values.CovalentRadiusColor = colour;
    values.ChartWindowsMode = qint16(mode);
    values.ElementGroupMode = qint16(-mode);
    QVERIFY_THROWS_NO_EXCEPTION(save());
    const QByteArray saved = folder.read(QStringLiteral("settings.prn"));
    QCOMPARE(saved, Settings::fileText({colour, colour, qint16(mode), qint16(-mode)}));

    values = Settings::Values();
    QStringList problems{QStringLiteral("not loaded")};
    QVERIFY_THROWS_NO_EXCEPTION(problems = load());
    QCOMPARE(problems, QStringList());
    QCOMPARE(values.AtomicRadiusColor, colour);
    QCOMPARE(values.CovalentRadiusColor, colour);
    QCOMPARE(int(values.ChartWindowsMode), mode);
    QCOMPARE(int(values.ElementGroupMode), -mode);

    QVERIFY_THROWS_NO_EXCEPTION(save());
    QCOMPARE(folder.read(QStringLiteral("settings.prn")), saved);
}

void TestSettings::loadsFromDataFolder_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<int>("problems");

    QTest::newRow("settings.prn") << "Data"
                                  << "settings.prn" << kExampleFile << 0;
    QTest::newRow("SETTINGS.PRN") << "Data"
                                  << "SETTINGS.PRN" << kExampleFile << 0;
    QTest::newRow("data folder in lower case") << "data"
                                               << "Settings.prn" << kExampleFile << 0;
    QTest::newRow("with a bad line") << "Data"
                                     << "settings.prn"
                                     << "x\tChartWindows\r\n" + kExampleFile << 1;
}

void TestSettings::loadsFromDataFolder()
{
    QFETCH(QString, folderName);
    QFETCH(QString, fileName);
    QFETCH(QByteArray, bytes);
    QFETCH(int, problems);

    TempDataFolder folder;
    folder.write(fileName, bytes);
    const QString program = DataFiles::programFolder();
    if (folderName != QLatin1String("Data"))
        QVERIFY(QDir(program).rename(QStringLiteral("Data"), folderName));

    QStringList found;
    QVERIFY_THROWS_NO_EXCEPTION(found = load());
    QCOMPARE(found.size(), problems);
    QCOMPARE(values.AtomicRadiusColor, 16777210.f);
    QCOMPARE(values.CovalentRadiusColor, 33023.f);
    QCOMPARE(int(values.ChartWindowsMode), 1);
    QCOMPARE(int(values.ElementGroupMode), 1);
    QCOMPARE(filePath, program + QStringLiteral("/Data/settings.prn"));
}

void TestSettings::loadsNothingWithoutFile()
{
    TempDataFolder folder;
    const auto before = snapshot(DataFiles::programFolder());
    QStringList problems{QStringLiteral("not loaded")};
    QVERIFY_THROWS_NO_EXCEPTION(problems = load());
    QCOMPARE(problems, QStringList());
    QCOMPARE(values.AtomicRadiusColor, 0.f);
    QCOMPARE(values.CovalentRadiusColor, 0.f);
    QCOMPARE(int(values.ChartWindowsMode), 0);
    QCOMPARE(int(values.ElementGroupMode), 0);
    QCOMPARE(snapshot(DataFiles::programFolder()), before);
}

void TestSettings::refusesUnreadableFile_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("reason");  // how the detail starts

    // Opening a pipe for reading would wait for a writer, for ever.
    QTest::newRow("a named pipe") << "pipe"
                                  << "是一个命名管道，不是普通文件";
    QTest::newRow("a folder") << "folder"
                              << "是一个文件夹";
    QTest::newRow("file not readable") << "unreadable"
                                       << "没有权限（";
    QTest::newRow("Data folder not searchable") << "closed Data"
                                                << "没有权限（";
}

// Run as an ordinary user would, in a child process: root reads whatever it likes.
void TestSettings::refusesUnreadableFile()
{
    QFETCH(QString, setup);
    QFETCH(QString, reason);

    TempDataFolder folder;
    const QString data = DataFiles::programFolder() + QStringLiteral("/Data");
    const QString file = data + QStringLiteral("/settings.prn");
    if (setup == QLatin1String("pipe")) QCOMPARE(mkfifo(QFile::encodeName(file), 0644), 0);
    if (setup == QLatin1String("folder")) QVERIFY(QDir(data).mkdir(QStringLiteral("settings.prn")));
    if (setup == QLatin1String("unreadable") || setup == QLatin1String("closed Data")) {
        folder.write(QStringLiteral("settings.prn"), kExampleFile);
        // The folder without its search right; the file without its read right.
        const bool closedData = setup == QLatin1String("closed Data");
        QVERIFY(QFile::setPermissions(
            closedData ? data : file,
            closedData ? QFile::ReadOwner | QFile::WriteOwner : QFile::WriteOwner));
    }

    const QString detail = runAsOrdinaryUser([] {
        try {
            load();
            return QStringLiteral("<loaded>");
        } catch (const DataError &e) {
            return e.kind() == DataError::Kind::OpenFailed ? e.detail()
                                                           : QStringLiteral("<wrong error>");
        }
    });
    QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(detail.startsWith(reason), qPrintable(detail));
}

void TestSettings::savesIntoDataFolder_data()
{
    QTest::addColumn<QString>("folderName");
    QTest::addColumn<QString>("oldName");  // empty: no old file
    QTest::addColumn<QString>("savedName");
    QTest::addColumn<QStringList>("others");  // other files in the folder before the save
    QTest::addColumn<QStringList>("kept");    // those still there after it

    QTest::newRow("no file yet") << "Data"
                                 << ""
                                 << "settings.prn" << QStringList() << QStringList();
    QTest::newRow("old file replaced") << "Data"
                                       << "settings.prn"
                                       << "settings.prn" << QStringList() << QStringList();
    QTest::newRow("old file in other case replaced")
        << "Data"
        << "Settings.PRN"
        << "Settings.PRN" << QStringList() << QStringList();
    QTest::newRow("data folder in lower case") << "data"
                                               << "settings.prn"
                                               << "settings.prn" << QStringList() << QStringList();
    // What a save killed half way leaves behind goes at the next save; nothing else does.
    const QStringList nearMisses = {"settings.prn.aB3xY",  "settings.prn.aB3xYz1",
                                    "settings.prn.aB-xYz", "settings.prn.bak",
                                    "Elements.prn.aB3xYz", "xsettings.prn.aB3xYz"};
    QTest::newRow("leftovers of killed saves removed")
        << "Data"
        << "settings.prn"
        << "settings.prn" << QStringList{"settings.prn.aB3xYz", "SETTINGS.PRN.Q0q0Q0"}
        << QStringList();
    QTest::newRow("leftover without an old file removed")
        << "Data"
        << ""
        << "settings.prn" << QStringList{"settings.prn.zzzzzz"} << QStringList();
    QTest::newRow("names near the pattern kept") << "Data"
                                                 << "settings.prn"
                                                 << "settings.prn" << nearMisses << nearMisses;
}

void TestSettings::savesIntoDataFolder()
{
    QFETCH(QString, folderName);
    QFETCH(QString, oldName);
    QFETCH(QString, savedName);
    QFETCH(QStringList, others);
    QFETCH(QStringList, kept);

    TempDataFolder folder;
    if (!oldName.isEmpty()) folder.write(oldName, kShippedFile + "1\tExtraLine\r\n");
    for (const QString &name : others) folder.write(name, "33023\tAtomicRadius\r\n");
    const QString program = DataFiles::programFolder();
    if (folderName != QLatin1String("Data"))
        QVERIFY(QDir(program).rename(QStringLiteral("Data"), folderName));

    values.AtomicRadiusColor = 16777210.f;
    values.CovalentRadiusColor = 33023.f;
    values.ChartWindowsMode = 1;
    values.ElementGroupMode = 1;
    QVERIFY_THROWS_NO_EXCEPTION(save());

    QMap<QString, QByteArray> expected;
    const QString saved = QLatin1Char('/') + folderName + QLatin1Char('/');
    expected.insert(QLatin1Char('/') + folderName, "<folder>");
    expected.insert(saved + savedName, kExampleFile);
    for (const QString &name : kept) expected.insert(saved + name, "33023\tAtomicRadius\r\n");
    QCOMPARE(snapshot(program), expected);
    QCOMPARE(snapshot(folder.configHome()), (QMap<QString, QByteArray>()));
}

void TestSettings::failedSaveLeavesOldFile_data()
{
    QTest::addColumn<QString>("cause");
    QTest::addColumn<QString>("reason");  // a pattern for the start of the detail

    // Neither the Data folder nor the user's configuration folder takes the file.
    QTest::newRow("read-only Data and configuration folders") << "read-only"
                                                              << "无法创建文件夹 .*，没有权限$";
    // The user's own file is read, and saved to; the toolkit's own text names no reason.
    QTest::newRow("read-only user file") << "read-only user file"
                                         << "无法创建新文件，没有权限";
    QTest::newRow("settings.prn is a folder") << "folder"
                                              << "无法创建新文件，目标是一个文件夹";
    QTest::newRow("file size limit") << "size limit"
                                     << "写入未完成";
}

// Saved as an ordinary user would save, in a child process: root writes where it likes.
void TestSettings::failedSaveLeavesOldFile()
{
    QFETCH(QString, cause);
    QFETCH(QString, reason);

    TempDataFolder folder;
    const QString program = DataFiles::programFolder();
    const QString dataFolder = program + QStringLiteral("/Data");
    const QString configHome = folder.configHome();
    const QString user = SettingsLocation::userFile();
    if (cause == QLatin1String("folder")) {
        QVERIFY(QDir(dataFolder).mkpath(QStringLiteral("settings.prn/inner")));
        folder.write(QStringLiteral("settings.prn/inner/keep.txt"), kShippedFile);
    } else {
        folder.write(QStringLiteral("settings.prn"), kShippedFile);
    }
    const auto permissions = QFile::permissions(dataFolder);
    if (cause == QLatin1String("read-only")) {
        QVERIFY(QFile::setPermissions(dataFolder, QFile::ReadOwner | QFile::ExeOwner));
        QVERIFY(QFile::setPermissions(configHome, QFile::ReadOwner | QFile::ExeOwner));
    }
    if (cause == QLatin1String("read-only user file")) {
        QVERIFY(QDir().mkpath(QFileInfo(user).absolutePath()));
        QFile file(user);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(kShippedFile) == kShippedFile.size());
        file.close();
        QVERIFY(QFile::setPermissions(user, QFile::ReadOwner));
    }
    const auto before = snapshot(program);
    const auto configBefore = snapshot(configHome);
    QVERIFY(!before.isEmpty());

    values.AtomicRadiusColor = 16777210.f;
    values.ChartWindowsMode = 1;
    const QString outcome = runAsOrdinaryUser([&] {
        if (cause == QLatin1String("size limit")) {
            // Writing stops after a few bytes; the new text never fits.
            const rlimit limit{16, RLIM_INFINITY};
            signal(SIGXFSZ, SIG_IGN);
            if (setrlimit(RLIMIT_FSIZE, &limit) != 0) return QStringLiteral("<no limit>");
        }
        try {
            save();
            return QStringLiteral("<saved>");
        } catch (const DataError &e) {
            const bool toUser = cause.startsWith(QLatin1String("read-only"));
            if (e.kind() != DataError::Kind::WriteFailed ||
                e.file() != (toUser ? user : DataFiles::dataPath(QStringLiteral("settings.prn"))))
                return QStringLiteral("<wrong error> ") + e.message();
            return e.detail();
        }
    });
    QFile::setPermissions(dataFolder, permissions);
    QFile::setPermissions(configHome, permissions);

    QVERIFY2(QRegularExpression(QLatin1Char('^') + reason).match(outcome).hasMatch(),
             qPrintable(outcome));
    QCOMPARE(snapshot(program), before);
    QCOMPARE(snapshot(configHome), configBefore);
    QCOMPARE(values.AtomicRadiusColor, 16777210.f);
}

// ---- The user's own file ------------------------------------------------------------------

void TestSettings::choosesFile_data()
{
    QTest::addColumn<bool>("userFile");     // the user's own file exists
    QTest::addColumn<bool>("programFile");  // Data/settings.prn exists
    QTest::addColumn<bool>("writable");     // the user may write the file read
    QTest::addColumn<bool>("readsUser");
    QTest::addColumn<bool>("savesUser");

    QTest::newRow("shipped file, writable: a copy in the home folder")
        << false << true << true << false << false;
    QTest::newRow("shipped file, read-only: installed for everyone")
        << false << true << false << false << true;
    QTest::newRow("no file, Data writable") << false << false << true << false << false;
    QTest::newRow("no file, Data read-only") << false << false << false << false << true;
    QTest::newRow("user file wins over a writable shipped file")
        << true << true << true << true << true;
    QTest::newRow("user file, even read-only") << true << true << false << true << true;
}

void TestSettings::choosesFile()
{
    QFETCH(bool, userFile);
    QFETCH(bool, programFile);
    QFETCH(bool, writable);
    QFETCH(bool, readsUser);
    QFETCH(bool, savesUser);

    TempDataFolder folder;
    const QString user = folder.configHome() + QStringLiteral("/app/settings.prn");
    const QString shipped = DataFiles::dataPath(QStringLiteral("settings.prn"));
    if (userFile) {
        QVERIFY(QDir().mkpath(QFileInfo(user).path()));
        QFile file(user);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (programFile) folder.write(QStringLiteral("SETTINGS.prn"), kShippedFile);

    QStringList asked;
    const auto mayWrite = [&](const QString &path) {
        asked.append(path);
        return writable;
    };
    QCOMPARE(SettingsLocation::fileToRead(user, shipped), readsUser ? user : shipped);
    QCOMPARE(SettingsLocation::fileToSave(user, shipped, mayWrite), savesUser ? user : shipped);
    // Asked about the file as it is found on disk, whatever the case of its name.
    const QString found = userFile      ? user
                          : programFile ? folder.path(QStringLiteral("SETTINGS.prn"))
                                        : shipped;
    QCOMPARE(asked, QStringList{found});
}

void TestSettings::savesToUserFile_data()
{
    QTest::addColumn<QString>("cause");

    QTest::newRow("read-only Data folder") << "read-only folder";
    QTest::newRow("read-only settings.prn") << "read-only file";
    QTest::newRow("no Data folder") << "no Data";
    QTest::newRow("Data is a file") << "Data file";
    QTest::newRow("user file already there") << "user file";
}

// The program's folder stays as it is; the user's file gets the bytes the options dialog
// writes, is read back by the next start and takes the next save too.
void TestSettings::savesToUserFile()
{
    QFETCH(QString, cause);

    TempDataFolder folder;
    const QString program = DataFiles::programFolder();
    const QString dataFolder = program + QStringLiteral("/Data");
    const QString user = SettingsLocation::userFile();
    QVERIFY(user.startsWith(folder.configHome() + QLatin1Char('/')));
    QCOMPARE(QFileInfo(user).fileName(), QStringLiteral("settings.prn"));
    folder.write(QStringLiteral("settings.prn"), kShippedFile);
    if (cause == QLatin1String("no Data")) QVERIFY(QDir(dataFolder).removeRecursively());
    if (cause == QLatin1String("Data file")) {
        QVERIFY(QDir(dataFolder).removeRecursively());
        QFile file(dataFolder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    if (cause == QLatin1String("user file")) {
        QVERIFY(QDir().mkpath(QFileInfo(user).path()));
        QFile file(user);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("255\tAtomicRadius\r\n");
    }
    const QString locked = cause == QLatin1String("read-only folder") ? dataFolder
                           : cause == QLatin1String("read-only file")
                               ? folder.path(QStringLiteral("settings.prn"))
                               : QString();
    const auto permissions = QFile::permissions(locked);
    if (!locked.isEmpty()) {
#ifdef Q_OS_UNIX
        if (geteuid() == 0) QSKIP("root writes into read-only folders");
#endif
        QVERIFY(QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner));
    }
    const auto before = snapshot(program);

    if (cause == QLatin1String("read-only file") || cause == QLatin1String("read-only folder")) {
        QVERIFY_THROWS_NO_EXCEPTION(load());  // the shipped defaults
        QCOMPARE(values.AtomicRadiusColor, 33023.f);
    }
    values.AtomicRadiusColor = 16777210.f;
    values.CovalentRadiusColor = 33023.f;
    values.ChartWindowsMode = 1;
    values.ElementGroupMode = 1;
    QVERIFY_THROWS_NO_EXCEPTION(save());
    QCOMPARE(filePath, user);
    const auto programAfter = snapshot(program);
    if (!locked.isEmpty()) QFile::setPermissions(locked, permissions);
    QCOMPARE(programAfter, before);
    QFile saved(user);
    QVERIFY(saved.open(QIODevice::ReadOnly));
    QCOMPARE(saved.readAll(), kExampleFile);

    values = Settings::Values();
    QStringList problems{QStringLiteral("not loaded")};
    QVERIFY_THROWS_NO_EXCEPTION(problems = load());
    QCOMPARE(problems, QStringList());
    QCOMPARE(filePath, user);
    QCOMPARE(values.AtomicRadiusColor, 16777210.f);
    QCOMPARE(int(values.ElementGroupMode), 1);
}

QTEST_GUILESS_MAIN(TestSettings)
#include "tst_settings.moc"
