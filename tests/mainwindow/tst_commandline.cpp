// The program's command line, run as a user runs it: without a display, from a folder of
// its own. Exit status, what it prints, and which files it leaves.
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include "TestMain.h"

namespace {

constexpr int kFailed = 2;
const QString kIronCard = QStringLiteral("铁 Fe\n原子序数 26\n原子量 55.845\n");

}  // namespace

class TestCommandLine : public QObject {
    Q_OBJECT

private slots:
    void forms_data();
    void forms();
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
    QTest::newRow("card by number") << QStringList{"--element=26"} << 0 << kIronCard << "" << none;
    QTest::newRow("card by name") << QStringList{"--element", "铁"} << 0 << kIronCard << "" << none;
    QTest::newRow("table") << QStringList{"--table", "t.csv"} << 0 << ""
                           << "" << QStringList{"t.csv"};
    QTest::newRow("chart") << QStringList{"--export-chart", "boiling", "c.png", "--size", "300x200"}
                           << 0 << ""
                           << "" << QStringList{"c.png"};
    QTest::newRow("help") << QStringList{"--help"} << 0 << "用法：ferrova-periodic"
                          << "" << none;
    QTest::newRow("no such element") << QStringList{"--element", "Xx"} << kFailed << ""
                                     << "没有这个元素：“Xx”" << none;
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
    QTest::newRow("unknown option") << QStringList{"--table", "t.csv", "--colour"} << kFailed << ""
                                    << "未知的选项：--colour" << none;
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
    QFile table(folder.filePath(QStringLiteral("t.csv")));
    if (table.open(QIODevice::ReadOnly)) {
        const QList<QByteArray> lines = table.readAll().split('\n');
        QCOMPARE(lines.size(), 1 + 109 + 1);
        QVERIFY(lines[0].contains("熔点 (K),沸点 (K),密度 (g/cm³)"));
        QVERIFY(lines[26].startsWith("26,Fe,铁,55.845,1811.15,3134.15,7.874,"));
    }
    if (files.contains(QStringLiteral("c.png")))
        QCOMPARE(QImage(folder.filePath(QStringLiteral("c.png"))).size(), QSize(300, 200));
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
