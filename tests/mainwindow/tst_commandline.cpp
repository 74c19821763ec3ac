// The program's command line, run as a user runs it: without a display, from a folder of
// its own. Exit status, what it prints, and which files it leaves.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <fcntl.h>
#include <linux/capability.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include "TestMain.h"

namespace {

constexpr int kFailed = 2;
constexpr int kPowersKept = 77;  // the program could not be started without root's powers
const QString kIronCard = QStringLiteral("铁 Fe\n原子序数 26\n原子量 55.845\n");
// The card unchanged, then the sheet's groups.
const QString kIronSheet = QStringLiteral(
    "铁 Fe\n原子序数 26\n原子量 55.845\n熔点 1811.15 K（1538 °C）\n沸点 3134.15 K（2861 °C）\n"
    "密度 7.874 g/cm³\n氧化态 +2,+3（常见），+1,+4,+5,+6\n电子结构 [Ar]3d6 4s2\n基本\n  族 8\n");

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void forms_data();
    void forms();
    void targets_data();
    void targets();
    void withoutChartPlugin();
};

void TestCommandLine::forms_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("out");    // standard output starts with this
    QTest::addColumn<QString>("error");  // standard error holds this
    QTest::addColumn<QStringList>("files");

    const QStringList none;
    QTest::newRow("card by symbol")
        << QStringList{"--element", "fe"} << 0 << kIronCard << "" << none;
    QTest::newRow("card by number") << QStringList{"--element=26"} << 0 << kIronSheet << "" << none;
    QTest::newRow("card by name") << QStringList{"--element", "铁"} << 0 << kIronCard << "" << none;
    QTest::newRow("chart") << QStringList{"--export-chart", "boiling", "c.png", "--size", "300x200"}
                           << 0 << ""
                           << "" << QStringList{"c.png"};
    QTest::newRow("chart to standard output")
        << QStringList{"--export-chart", "melting", "-", "--format", "svg"} << 0 << "<?xml"
        << "" << none;
    QTest::newRow("coloured table") << QStringList{"--export-table", "melting", "c.svg"} << 0 << ""
                                    << "" << QStringList{"c.svg"};
    QTest::newRow("coloured table fitted")
        << QStringList{"--export-table", "density", "c.png", "--size", "300x200"} << 0 << ""
        << "" << QStringList{"c.png"};
    QTest::newRow("coloured table, no format")
        << QStringList{"--export-table", "density", "c.csv"} << kFailed << ""
        << "扩展名应为 .png、.svg 或 .pdf" << none;
    QTest::newRow("chart of a sheet property")
        << QStringList{"--export-chart", "electronegativity", "c.png", "--size", "300x200"} << 0
        << ""
        << "" << QStringList{"c.png"};
    QTest::newRow("help") << QStringList{"--help"} << 0 << "用法：ferrova-periodic"
                          << "" << none;
    QTest::newRow("formula") << QStringList{"--formula", "CuSO4·5H2O"} << 0
                             << "摩尔质量\t249.68 ± 0.03\tg/mol\n元素"
                             << "" << none;
    QTest::newRow("wrong formula") << QStringList{"--formula", "Xx2"} << kFailed << ""
                                   << "第 1 个字符：没有元素 'Xx'" << none;
    QTest::newRow("no such element") << QStringList{"--element", "Xx"} << kFailed << ""
                                     << "没有这个元素：“Xx”" << none;
    QTest::newRow("isotopes")
        << QStringList{"--isotopes", "U"} << 0
        << "核素\t质量数\t质量 (u)\t天然丰度 (%)\t半衰期\t自旋宇称\t衰变方式\n铀-234\t"
        << "" << none;
    QTest::newRow("isotopes of no element") << QStringList{"--isotopes", "Qq"} << kFailed << ""
                                            << "没有这个元素：“Qq”" << none;
    QTest::newRow("isotopes beside another form")
        << QStringList{"--isotopes", "U", "--element", "U"} << kFailed << ""
        << "一次只能用一个" << none;
    QTest::newRow("no such property")
        << QStringList{"--export-chart", "heat", "c.png"} << kFailed << ""
        << "没有这种性质：“heat”" << none;
    QTest::newRow("no format") << QStringList{"--export-chart", "density", "c.gif"} << kFailed << ""
                               << "扩展名应为 .png、.svg、.pdf 或 .csv" << none;
    QTest::newRow("no file") << QStringList{"--export-chart", "density"} << kFailed << ""
                             << "要写性质和一个文件名" << none;
    QTest::newRow("bad size") << QStringList{"--export-chart", "density", "c.png", "--size", "9x9"}
                              << kFailed << ""
                              << "图片大小“9x9”不对" << none;
    QTest::newRow("two forms") << QStringList{"--table", "t.csv", "--element", "Fe"} << kFailed
                               << ""
                               << "一次只能用一个" << none;
    QTest::newRow("unknown option") << QStringList{"--elemnt", "Fe"} << kFailed << ""
                                    << "未知的选项：--elemnt" << none;
    QTest::newRow("stray word") << QStringList{"Fe"} << kFailed << ""
                                << "多余的参数：Fe" << none;
    QTest::newRow("no value") << QStringList{"--element"} << kFailed << ""
                              << "参数有误" << none;
    QTest::newRow("folder missing") << QStringList{"--table", "gone/t.csv"} << kFailed << ""
                                    << "无法保存文件：无法创建新文件，所在的文件夹不存在" << none;
}

void TestCommandLine::forms()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, status);
    QFETCH(QString, out);
    QFETCH(QString, error);
    QFETCH(QStringList, files);

    QTemporaryDir folder;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(name));
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"),
                       folder.filePath(QStringLiteral(".config")));
    QProcess program;
    program.setProcessEnvironment(environment);
    program.setWorkingDirectory(folder.path());
    program.start(QStringLiteral(FERROVA_PROGRAM), arguments);
    QVERIFY(program.waitForFinished(60000));

    const QString stdOut = QString::fromUtf8(program.readAllStandardOutput());
    const QString stdErr = QString::fromUtf8(program.readAllStandardError());
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QVERIFY2(program.exitCode() == status, qPrintable(stdErr));
    QVERIFY2(out.isEmpty() || stdOut.startsWith(out), qPrintable(stdOut));
    QVERIFY2(error.isEmpty() || stdErr.contains(error), qPrintable(stdErr));
    if (status != 0) QVERIFY(stdOut.isEmpty());
    QCOMPARE(QDir(folder.path()).entryList(QDir::Files), files);
    QFile picture(folder.filePath(QStringLiteral("c.svg")));
    if (picture.open(QIODevice::ReadOnly)) {  // the legend under the table
        const QString svg = QString::fromUtf8(picture.readAll());
        QVERIFY(svg.contains(QStringLiteral(">最低<")) && svg.contains(QStringLiteral(">4762.15")));
    }
    if (files.contains(QStringLiteral("c.png")))
        QCOMPARE(QImage(folder.filePath(QStringLiteral("c.png"))).size(), QSize(300, 200));
}

// --table to each kind of thing a path can name, as an ordinary user: whether the whole table
// arrived, and that what stood there is still the same kind of thing.
void TestCommandLine::targets_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");  // none when saved
    for (const char *kind : {"new file", "existing file", "symbolic link", "named pipe", "-"})
        QTest::newRow(kind) << kind << "";
    QTest::newRow("/dev/full") << "/dev/full"
                               << "写入未完成，磁盘已满";
    QTest::newRow("folder") << "folder"
                            << "目标是一个文件夹";
    QTest::newRow("read-only folder") << "read-only folder"
                                      << "没有权限";
}

void TestCommandLine::targets()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    QTemporaryDir folder;
    const QString real = folder.filePath("real");
    QString target = kind.startsWith('/') || kind == "-" ? kind : folder.filePath("t");
    if (kind == "existing file" || kind == "symbolic link")
        QVERIFY(QFile(real).open(QIODevice::WriteOnly));
    if (kind == "existing file") QVERIFY(QFile::rename(real, target));
    if (kind == "symbolic link") QVERIFY(QFile::link(real, target));
    if (kind.endsWith("folder")) QVERIFY(QDir().mkdir(target));
    if (kind == "read-only folder") {
        QVERIFY(QFile::setPermissions(target, QFile::ReadOwner | QFile::ExeOwner));
        target += "/t";
    }
    if (kind == "/dev/full" && geteuid() == 0) {
        // Root may write /dev: a save that replaced the node would take the system's own.
        target = folder.filePath("full");
        if (mknod(qPrintable(target), S_IFCHR | 0666, makedev(1, 7)) != 0 ||
            access(qPrintable(target), W_OK) != 0)
            QSKIP("no stand-in for /dev/full can be made here");
    }
    if (kind == "named pipe") QCOMPARE(mkfifo(qPrintable(target), 0600), 0);
    // The table is smaller than a pipe holds: the reader may read it once the program is done.
    const int reader = kind == "named pipe" ? open(qPrintable(target), O_RDONLY | O_NONBLOCK) : -1;
    struct stat before {
    }, after{};
    const bool existed = lstat(qPrintable(target), &before) == 0;

    QProcess program;
    // Root may write into any folder; the program meets the checks an ordinary user meets.
    program.setChildProcessModifier([] {
        for (const int power : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER})
            if (geteuid() == 0 && prctl(PR_CAPBSET_DROP, power, 0, 0, 0) != 0) _exit(kPowersKept);
    });
    program.start(QStringLiteral(FERROVA_PROGRAM), {"--table", target});
    QVERIFY(program.waitForFinished(60000));
    if (program.exitCode() == kPowersKept) QSKIP("root's powers could not be given up");
    const QString error = QString::fromUtf8(program.readAllStandardError());
    QVERIFY2(program.exitCode() == (reason.isEmpty() ? 0 : kFailed), qPrintable(error));
    QVERIFY2(error.contains(reason), qPrintable(error));
    QByteArray arrived = program.readAllStandardOutput();
    QFile file(target);
    if (reader >= 0) {
        arrived.resize(1 << 16);
        arrived.resize(qMax(ssize_t(0), read(reader, arrived.data(), size_t(arrived.size()))));
    } else if (reason.isEmpty() && kind != "-" && file.open(QIODevice::ReadOnly)) {
        arrived = file.readAll();
    }
    const QList<QByteArray> lines = arrived.split('\n');
    QCOMPARE(lines.size(), reason.isEmpty() ? 1 + 109 + 1 : 1);
    QVERIFY(reason.size() || lines[0].contains("熔点 (K),沸点 (K),密度 (g/cm³)"));
    QVERIFY(reason.size() || lines[26].startsWith("26,Fe,铁,55.845,1811.15,3134.15,7.874,"));
    QVERIFY(reason.size() || lines[0].contains(",CAS 登记号,电负性（鲍林）,第一电离能 (kJ/mol),"));
    QVERIFY(reason.size() || lines[26].contains(",7439-89-6,1.83,762.5,7.9024681,"));
    if (kind != "-") QCOMPARE(lstat(qPrintable(target), &after) == 0, existed || reason.isEmpty());
    if (existed) QCOMPARE(after.st_mode & S_IFMT, before.st_mode & S_IFMT);
}

// A copy of the program without its plugins folder: a chart cannot be written, the user is
// told why in Chinese, and no file is left.
void TestCommandLine::withoutChartPlugin()
{
    QTemporaryDir folder;
    const QDir from = QFileInfo(QStringLiteral(FERROVA_PROGRAM)).dir();
    const QString copy = folder.filePath(QStringLiteral("ferrova-periodic"));
    QVERIFY(QFile::copy(QStringLiteral(FERROVA_PROGRAM), copy));
    QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Data")));
    QVERIFY(QFile::copy(from.filePath(QStringLiteral("Data/Elements.prn")),
                        folder.filePath(QStringLiteral("Data/Elements.prn"))));
    QProcess program;
    program.setWorkingDirectory(folder.path());
    program.start(copy, {QStringLiteral("--export-chart"), QStringLiteral("density"),
                         QStringLiteral("c.csv")});
    QVERIFY(program.waitForFinished(60000));
    QCOMPARE(program.exitCode(), kFailed);
    QVERIFY(QString::fromUtf8(program.readAllStandardError()).contains("找不到曲线图组件"));
    QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("c.csv"))));
}

FERROVA_TEST_MAIN(TestCommandLine)
#include "tst_commandline.moc"
