// A chart taken out of the program: the files of each format read back, the rows on the
// clipboard, the K or °C choice kept apart from settings.prn, and a save that fails whole.
#include <QClipboard>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include "OrdinaryUser.h"
#include "TempDataFolder.h"
#include "TestMain.h"
#include "app/AppState.h"
#include "charts/ChartActions.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartControl.h"
#include "charts/ChartExport.h"
#include "files/AtomicSave.h"
#include "files/DataError.h"

using ChartProperties::TemperatureUnit;

namespace {

constexpr int kMelting = 1;
constexpr int kDensity = 3;

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The text of a PDF as a reader extracts it, by the poppler tool.
QString pdfText(const QString &path)
{
    QProcess tool;
    tool.start(QStringLiteral("pdftotext"), {path, QStringLiteral("-")});
    tool.waitForFinished();
    return QString::fromUtf8(tool.readAllStandardOutput());
}

}  // namespace

class TestChartExport : public QObject {
    Q_OBJECT

private slots:
    void init()
    {
        m_folder = std::make_unique<TempDataFolder>();
        m_folder->copyShippedElements();
    }
    void cleanup() { m_folder.reset(); }

    void filesReadBack_data();
    void filesReadBack();
    void rowsOnClipboard();
    void unitRememberedApart();
    void failedSaveLeavesOldFile();

private:
    std::unique_ptr<TempDataFolder> m_folder;
};

void TestChartExport::filesReadBack_data()
{
    QTest::addColumn<int>("property");
    QTest::addColumn<bool>("celsius");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("heading");
    QTest::newRow("png") << kMelting << false << "a.PNG"
                         << "熔点 (K)";
    QTest::newRow("svg") << kDensity << false << "a.svg"
                         << "密度 (g/cm³)";
    QTest::newRow("pdf, °C") << kMelting << true << "a.pdf"
                             << "熔点 (°C)";
    QTest::newRow("csv, K") << kMelting << false << "a.csv"
                            << "熔点 (K)";
    QTest::newRow("csv, °C") << kMelting << true << "a.csv"
                             << "熔点 (°C)";
}

// Each file holds what the chart shows: the PNG its size, the SVG and PDF its heading as
// text, the CSV (UTF-8 with its mark) the 109 rows as the bars' tooltips give them
// (whose second line names the source).
void TestChartExport::filesReadBack()
{
    QFETCH(int, property);
    QFETCH(bool, celsius);
    QFETCH(QString, fileName);
    QFETCH(QString, heading);
    ChartControl chart;
    if (celsius) chart.setTemperatureUnit(TemperatureUnit::Celsius);
    ChartBuilder::fill(chart, qint16(property));
    QCOMPARE(chart.title(), heading);
    const QString path = m_folder->path(fileName);
    const QSize size(640, 320);
    ChartExport::save(chart, path, *ChartExport::formatFor(path), size);

    const QByteArray bytes = contents(path);
    if (fileName.endsWith(QLatin1String("PNG"))) QCOMPARE(QImage(path).size(), size);
    if (fileName.endsWith(QLatin1String("svg"))) QVERIFY(bytes.contains(heading.toUtf8()));
    if (fileName.endsWith(QLatin1String("pdf"))) QVERIFY(pdfText(path).contains(heading));
    if (!fileName.endsWith(QLatin1String("csv"))) return;
    QVERIFY(bytes.startsWith("\xEF\xBB\xBF"));
    const QStringList lines = QString::fromUtf8(bytes.mid(3)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 1 + 109 + 1);  // heading, rows, the empty text after the last end
    for (int row = 1; row <= 109; ++row) {
        const QStringList f = lines.at(row).split(QLatin1Char(','));
        const QString shown = f[3].isEmpty() ? f[2] : f[2] + QLatin1Char(' ') + f[3];
        QCOMPARE(f[0] + QLatin1Char(' ') + f[1] + QStringLiteral(": ") + shown,
                 chart.toolTipText(row).section(QLatin1Char('\n'), 0, 0));
    }
    QCOMPARE(lines.at(26), celsius ? QStringLiteral("Fe,铁,1538,°C") : "Fe,铁,1811.15,K");
    QCOMPARE(lines.at(2), QStringLiteral("He,氦,无数据,"));
}

// Ctrl+C on the chart: one tab-separated line per element.
void TestChartExport::rowsOnClipboard()
{
    ChartControl chart;
    ChartBuilder::fill(chart, kDensity);
    chart.show();
    QVERIFY(QTest::qWaitForWindowExposed(&chart));
    QTest::keyClick(chart.focusWidget() ? chart.focusWidget() : &chart, Qt::Key_C,
                    Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 109 + 1);
    QCOMPARE(lines.at(25), QStringLiteral("Fe\t铁\t7.874\tg/cm³"));
    QCOMPARE(lines.at(108), QStringLiteral("Mt\t鿏\t无数据\t"));
}

// °C from the menu: every chart of the run follows, a chart of the next run starts in it,
// and the choice is in the user's preferences file while settings.prn is neither written
// nor made.
void TestChartExport::unitRememberedApart()
{
    AppState run;
    ChartControl first;
    ChartActions::of(first)->followUnit(run);
    ChartBuilder::fill(first, kMelting);
    ChartControl other;
    ChartActions::of(other)->followUnit(run);
    ChartActions::of(first)->celsiusAction()->trigger();
    QCOMPARE(other.temperatureUnit(), TemperatureUnit::Celsius);
    QCOMPARE(first.title(), QStringLiteral("熔点 (°C)"));
    QVERIFY(first.toolTipText(26).startsWith(QStringLiteral("Fe 铁: 1538 °C\n")));
    AppState nextRun;
    ChartControl next;
    ChartActions::of(next)->followUnit(nextRun);
    QCOMPARE(next.temperatureUnit(), TemperatureUnit::Celsius);
    QVERIFY(contents(AppState::preferencesFile()).contains("celsius"));
    QVERIFY(AppState::preferencesFile().startsWith(m_folder->configHome()));
    QVERIFY(!QFileInfo::exists(m_folder->configHome() + "/tst_chartexport/settings.prn"));
}

// An ordinary user saving over a file in a folder they may not write: the reason in
// Chinese, the old file as it was, nothing else left in the folder. (The picture is drawn
// before the child process starts: a forked process cannot draw.)
void TestChartExport::failedSaveLeavesOldFile()
{
    ChartControl chart;
    ChartBuilder::fill(chart, kMelting);
    const QByteArray picture = ChartExport::encode(chart, ChartExport::Format::Png, {200, 100});
    const QString folder = m_folder->path(QStringLiteral("locked"));
    QDir().mkpath(folder);
    const QString path = folder + QStringLiteral("/chart.png");
    m_folder->write(QStringLiteral("locked/chart.png"), "old");
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const QString outcome = runAsOrdinaryUser([&] {
        try {
            AtomicSave::write(path, picture);
            return QStringLiteral("<saved>");
        } catch (const DataError &error) {
            return error.message();
        }
    });
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY2(outcome.contains(QStringLiteral("无法保存文件")) &&
                 outcome.contains(QStringLiteral("没有权限")),
             qPrintable(outcome));
    QCOMPARE(contents(path), QByteArray("old"));
    QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"chart.png"});
}

FERROVA_TEST_MAIN(TestChartExport)
#include "tst_chartexport.moc"
