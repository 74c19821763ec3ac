// Broken and vanishing data files met by the real main window handlers: every failure shows
// one message that names the file (and the line, where there is one), leaves the window,
// the module settings and the files on disk as they were, and never ends the program.
#include <sys/resource.h>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <csignal>

#include "MainWindowHarness.h"
#include "TempDataFolder.h"
#include "TestMain.h"
#include "charts/ChartControl.h"
#include "details/DetailsPanel.h"
#include "files/DataError.h"
#include "grid/ElementCell.h"
#include "mainwindow/FrmVantrel.h"
#include "options/FrmOptions.h"
#include "widgets/ButtonPictures.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"
#include "widgets/ImageButtons.h"

namespace {

const QString kErrorTitle = QStringLiteral("Ferrova元素周期表 - 错误");
const QString kElements = QStringLiteral("Elements.prn");
const QString kSettings = QStringLiteral("settings.prn");

// The line of the shipped file that the broken files damage (neon), and an element after it
// whose click has to read through it (iron).
constexpr int kBrokenLine = 10;
constexpr int kLaterElement = 26;

QByteArray shippedElements()
{
    QFile file(QStringLiteral(FERROVA_SOURCE_DIR "/Data/Elements.prn"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray shippedSettings()
{
    QFile file(QStringLiteral(FERROVA_SOURCE_DIR "/Data/settings.prn"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// The shipped element file with line `kBrokenLine` passed through `damage`. The lines
// before it are untouched, so whatever was read from them before reads the same again.
QByteArray withBrokenLine(const std::function<QByteArray(QByteArray)> &damage)
{
    QList<QByteArray> lines = shippedElements().split('\n');
    lines[kBrokenLine - 1] = damage(lines[kBrokenLine - 1]);
    return lines.join('\n');
}

// The items of a comma-form record line: 15 numbers and the quoted tail (with its CR).
QList<QByteArray> items(const QByteArray &line)
{
    const qsizetype quote = line.indexOf('"');
    QList<QByteArray> parts = line.left(quote - 1).split(',');
    parts.append(line.mid(quote));
    return parts;
}

// Every file of a folder (recursively) with its bytes; folders appear as "<name>/".
QMap<QString, QByteArray> filesIn(const QString &folder)
{
    QMap<QString, QByteArray> files;
    const QDir dir(folder);
    for (const QFileInfo &entry :
         dir.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)) {
        if (entry.isDir()) {
            files.insert(entry.fileName() + QLatin1Char('/'), {});
            const QMap<QString, QByteArray> inner = filesIn(entry.filePath());
            for (auto it = inner.begin(); it != inner.end(); ++it)
                files.insert(entry.fileName() + QLatin1Char('/') + it.key(), it.value());
            continue;
        }
        QFile file(entry.filePath());
        files.insert(entry.fileName(),
                     file.open(QIODevice::ReadOnly) ? file.readAll() : "<unreadable>");
    }
    return files;
}

// What the user sees, in comparable form.
struct WindowState {
    bool panelShown = false;
    QStringList panel;  // every label of the details panel: name, text, geometry
    QStringList cells;  // every cell: text, tooltip, colours, visibility
    QStringList chart;  // every row: label and value

    explicit WindowState(const frm_Vantrel &w)
    {
        DetailsPanel *p = w.pic_Elements();
        panelShown = p->isVisibleTo(&w);
        for (const QLabel *label : p->findChildren<QLabel *>()) {
            const QRect g = label->geometry();
            panel << QStringLiteral("%1=%2 @%3,%4 %5x%6")
                         .arg(label->objectName(), label->text())
                         .arg(g.x())
                         .arg(g.y())
                         .arg(g.width())
                         .arg(g.height());
        }
        for (int n = 0; n <= 109; ++n) {
            const ElementCell *c = w.lbl_Elements(n);
            cells << QStringLiteral("%1 %2 %3 %4 %5 %6 %7")
                         .arg(n)
                         .arg(c->text(), c->toolTip(), c->textColour().name(),
                              c->backColour().name())
                         .arg(c->isTransparent())
                         .arg(c->isVisibleTo(&w));
        }
        const ChartControl *chart = static_cast<ChartControl *>(w.msc_Options());
        for (int row = 1; row <= chart->rowCount(); ++row)
            this->chart << chart->rowLabel(row) + QLatin1Char('=') +
                               QString::number(chart->value(row));
    }
};

// Field by field, so that a failure names what changed.
void compareStates(const WindowState &now, const WindowState &before)
{
    QCOMPARE(now.panelShown, before.panelShown);
    QCOMPARE(now.panel, before.panel);
    QCOMPARE(now.cells, before.cells);
    QCOMPARE(now.chart, before.chart);
}

}  // namespace

Q_DECLARE_METATYPE(DataError::Kind)

// One broken file for each way the element data can fail.
void brokenElementsTable()
{
    QTest::addColumn<QByteArray>("elements");  // null: no file at all
    QTest::addColumn<DataError::Kind>("kind");
    QTest::addColumn<int>("line");  // 0: the message names no line
    QTest::addColumn<QString>("problem");

    QTest::newRow("file missing") << QByteArray() << DataError::Kind::OpenFailed << 0
                                  << QStringLiteral("无法打开文件");
    QTest::newRow("tail with eight TABs") << withBrokenLine([](QByteArray line) {
        // Drop the name field: the symbol then lacks the TAB that ends it.
        return line.left(line.lastIndexOf('\t')) + "\"\r";
    }) << DataError::Kind::TooFewTabs << kBrokenLine
                                          << QStringLiteral("记录的文本项少于九个制表符");
    QTest::newRow("file ends inside a record")
        << shippedElements().split('\n').mid(0, kBrokenLine - 1).join('\n') +
               "\n10,20.18,27.1,24.56"
        << DataError::Kind::PastEnd << kBrokenLine << QStringLiteral("文件在记录中途结束");
    QTest::newRow("whole number beyond 16 bits") << withBrokenLine([](const QByteArray &line) {
        QList<QByteArray> parts = items(line);
        parts[5] = "40000";  // the group number, read as a 16-bit integer
        return parts.join(',');
    }) << DataError::Kind::Overflow << kBrokenLine
                                                 << QStringLiteral("数值超出范围");
    QTest::newRow("not a number") << withBrokenLine([](const QByteArray &line) {
        QList<QByteArray> parts = items(line);
        parts[3] = "n/a";  // melting point
        return parts.join(',');
    }) << DataError::Kind::NotANumber
                                  << kBrokenLine << QStringLiteral("应为数字");
    QTest::newRow("line over a million characters") << withBrokenLine([](const QByteArray &line) {
        return line.left(line.size() - 2) + QByteArray(1'100'000, 'x') + "\"\r";
    }) << DataError::Kind::TooLong << kBrokenLine << QStringLiteral("行或数据项过长");
    // Items are read, not lines: the extra item becomes the first of the next record, which
    // then finds a number where its text item should be.
    QTest::newRow("extra item after a record") << withBrokenLine([](const QByteArray &line) {
        return line.left(line.size() - 1) + ",7\r";
    }) << DataError::Kind::TooFewTabs << kBrokenLine + 1
                                               << QStringLiteral("记录的文本项少于九个制表符");
}

class TestBadInput : public QObject {
    Q_OBJECT

    std::unique_ptr<TempDataFolder> m_data;
    std::unique_ptr<frm_Vantrel> m_window;
    Dialogs::Hooks m_hooks;
    QStringList m_titles;
    QStringList m_messages;
    int m_endCalls = 0;

    QString dataFolder() const { return QFileInfo(m_data->path(QString())).absolutePath(); }

    // A fresh program folder with the shipped files (or the ones given) and a main window
    // over it, started the way main() starts it.
    frm_Vantrel &start(const QByteArray &settings = shippedSettings(),
                       const QByteArray &elements = shippedElements())
    {
        m_window.reset();
        m_data = std::make_unique<TempDataFolder>();
        m_data->write(kElements, elements);
        m_data->write(kSettings, settings);
        m_window = std::make_unique<frm_Vantrel>(frm_Vantrel::Browser::None);
        m_window->Form_Load();
        return *m_window;
    }

    // A toolbar button as the user presses it: the pointer over the normal image shows the
    // highlight, which takes the click.
    void pressToolbar(int normalIndex)
    {
        m_window->img_Btns_MouseMove(normalIndex);
        QTest::mouseClick(m_window->img_Btns().image(normalIndex + 100), Qt::LeftButton);
    }

    void clickCell(int number)
    {
        QTest::mouseClick(m_window->lbl_Elements(number), Qt::LeftButton);
    }

    QString panelText(const char *name) const
    {
        return m_window->pic_Elements()->findChild<QLabel *>(QLatin1String(name))->text();
    }

private slots:
    void init()
    {
        m_titles.clear();
        m_messages.clear();
        m_endCalls = 0;
        m_hooks.askYesNo = [this](const QString &text, const QString &title) {
            m_titles << title;
            m_messages << text;
            return Dialogs::kNo;
        };
        m_hooks.message = [this](const QString &text, const QString &title) {
            m_titles << title;
            m_messages << text;
        };
        m_hooks.endProgram = [this] { ++m_endCalls; };
        Dialogs::setHooks(&m_hooks);
    }
    void cleanup()
    {
        m_window.reset();
        m_data.reset();
        Dialogs::setHooks(nullptr);
    }

    // ---- broken element data file ----

    void brokenElementsAtStart_data() { brokenElementsTable(); }
    void brokenElementsOnClick_data() { brokenElementsTable(); }

    // The same files at start-up: Form_Load throws, and main() makes the error its message
    // and exit status (see programExitsOnBrokenData).
    void brokenElementsAtStart()
    {
        QFETCH(QByteArray, elements);
        QFETCH(DataError::Kind, kind);
        QFETCH(int, line);
        QFETCH(QString, problem);

        TempDataFolder data;
        data.write(kSettings, shippedSettings());
        if (!elements.isNull()) data.write(kElements, elements);
        const QMap<QString, QByteArray> files =
            filesIn(QFileInfo(data.path(QString())).absolutePath());
        frm_Vantrel w(frm_Vantrel::Browser::None);
        try {
            w.Form_Load();
            QFAIL("start-up accepted a broken element file");
        } catch (const DataError &e) {
            QCOMPARE(e.kind(), kind);
            QCOMPARE(e.line(), line);
            QVERIFY(e.message().contains(kElements));
            QVERIFY2(e.message().contains(problem), qPrintable(e.message()));
            QCOMPARE(e.message().contains(QStringLiteral("第 %1 行").arg(line)), line > 0);
        }
        QCOMPARE(filesIn(QFileInfo(data.path(QString())).absolutePath()), files);
        QVERIFY(m_messages.isEmpty());  // main() shows it, not the window
    }

    // The file breaks (or goes) while the program runs: a cell click and a toolbar click
    // each report it once and change nothing.
    void brokenElementsOnClick()
    {
        QFETCH(QByteArray, elements);
        QFETCH(int, line);
        QFETCH(QString, problem);

        frm_Vantrel &w = start();
        clickCell(8);
        pressToolbar(2);  // melting points charted
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("O"));
        QCOMPARE(static_cast<ChartControl *>(w.msc_Options())->rowCount(), 109);
        QVERIFY(m_messages.isEmpty());

        if (elements.isNull())
            QVERIFY(QFile::remove(m_data->path(kElements)));
        else
            m_data->write(kElements, elements);
        const QMap<QString, QByteArray> files = filesIn(dataFolder());
        const WindowState before(w);

        clickCell(kLaterElement);
        QCOMPARE(m_messages.size(), 1);
        pressToolbar(2);  // the same chart again: rows read before the break come out the same
        QCOMPARE(m_messages.size(), 2);

        for (int i = 0; i < 2; ++i) {
            QCOMPARE(m_titles[i], kErrorTitle);
            const QString &text = m_messages[i];
            QVERIFY2(text.contains(kElements, Qt::CaseInsensitive), qPrintable(text));
            QVERIFY2(text.contains(problem), qPrintable(text));
            QCOMPARE(text.contains(QStringLiteral("第 %1 行").arg(line)), line > 0);
            QVERIFY2(text.contains(QStringLiteral("请")), qPrintable(text));  // says what to do
        }
        compareStates(WindowState(w), before);
        if (QTest::currentTestFailed()) return;
        QCOMPARE(filesIn(dataFolder()), files);
        QCOMPARE(m_endCalls, 0);

        // Still working once the file is good again.
        m_data->write(kElements, shippedElements());
        clickCell(kLaterElement);
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("Fe"));
        QCOMPARE(m_messages.size(), 2);
        QCOMPARE(settingsSeen(w), (QList<double>{65535, 16776960, 0, 1}));  // the shipped ones
    }

    // Another property asked for over a file that breaks half way: the chart must not end up
    // with the new property in the rows read before the break and the old one after it.
    void brokenFileLeavesNoMixedChart()
    {
        frm_Vantrel &w = start();
        pressToolbar(2);  // melting points
        const WindowState before(w);
        m_data->write(kElements, withBrokenLine([](const QByteArray &line) {
                          QList<QByteArray> parts = items(line);
                          parts[3] = "n/a";
                          return parts.join(',');
                      }));
        pressToolbar(4);  // densities
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(WindowState(w).chart, before.chart);
    }

    // What the reader lets through on purpose: the whole program starts and shows as with
    // the shipped file.
    void harmlessOddities_data()
    {
        QTest::addColumn<QByteArray>("elements");
        const QByteArray shipped = shippedElements();
        QByteArray tabColumns;
        for (const QByteArray &line : shipped.split('\n')) {
            if (line.isEmpty()) continue;
            QList<QByteArray> parts = items(line);
            parts.last() = parts.last().mid(1, parts.last().size() - 3);  // unquoted, no CR
            tabColumns += parts.join('\t') + '\n';
        }
        QTest::newRow("blank and blank-looking lines between records")
            << QByteArray(shipped).replace("\r\n", "\r\n\r\n \t\r\n");
        QTest::newRow("25 TAB-separated columns, LF") << tabColumns;
        QTest::newRow("lone CR line ends") << QByteArray(shipped).replace("\r\n", "\r");
        QTest::newRow("no line end after the last record") << shipped.trimmed();
        // Start-up gives it the hidden cell 0; the chart has no row for it and passes it by.
        QTest::newRow("a record with atomic number 0") << QByteArray(shipped).insert(
            0, QByteArray(shipped.left(shipped.indexOf('\n') + 1)).replace(0, 1, "0"));
    }
    void harmlessOddities()
    {
        QFETCH(QByteArray, elements);
        frm_Vantrel &w = start(shippedSettings(), elements);
        QCOMPARE(w.lbl_Elements(109)->text(), QStringLiteral("Mt"));
        clickCell(kLaterElement);
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("Fe"));
        QCOMPARE(panelText("lbl_Name"), QStringLiteral("铁"));
        pressToolbar(2);
        QCOMPARE(static_cast<ChartControl *>(w.msc_Options())->rowLabel(109), QStringLiteral("Mt"));
        pressToolbar(5);  // atomic radii, circles and all
        QCOMPARE(w.circles().size(), 109);
        QVERIFY2(m_messages.isEmpty(), qPrintable(m_messages.join('\n')));
    }

    // A record whose oxidation or configuration field is absurdly long still shows; the
    // panel keeps its labels' left edges within a 16-bit pixel coordinate.
    void overlongFieldShows_data()
    {
        QTest::addColumn<int>("field");  // of the ten tail fields, 0-based
        QTest::addColumn<QString>("label");
        QTest::newRow("stable oxidation states") << 0 << "lbl_OxidationStable";
        QTest::newRow("other oxidation states") << 1 << "lbl_Oxidation";
        QTest::newRow("first configuration part") << 2 << "lbl_EConfig0";
        QTest::newRow("last configuration part") << 5 << "lbl_EConfig6";
    }
    void overlongFieldShows()
    {
        QFETCH(int, field);
        QFETCH(QString, label);

        const QByteArray longText = QByteArray("+1#").repeated(33'333) + "+2";  // 100 001 chars
        const QByteArray elements = withBrokenLine([&](const QByteArray &line) {
            QList<QByteArray> parts = items(line);
            QList<QByteArray> tail = parts.last().mid(1, parts.last().size() - 3).split('\t');
            tail[field] = longText;
            parts.last() = '"' + tail.join('\t') + "\"\r";
            return parts.join(',');
        });
        frm_Vantrel &w = start(shippedSettings(), elements);
        clickCell(kBrokenLine);
        QVERIFY(m_messages.isEmpty());
        DetailsPanel *panel = w.pic_Elements();
        QVERIFY(panel->isVisibleTo(&w));
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("Ne"));
        const QString shown = panelText(qPrintable(label));
        QVERIFY(shown.size() >= 100'000);
        QVERIFY(shown.endsWith(QStringLiteral("+2")));
        for (const QLabel *child : panel->findChildren<QLabel *>())
            QVERIFY2(qAbs(child->x()) <= 32767, qPrintable(child->objectName()));

        clickCell(kLaterElement);  // and the next element shows normally
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("Fe"));
        QVERIFY(m_messages.isEmpty());
    }

    // ---- settings file ----

    void badSettingsLine_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<int>("badLine");
        QTest::addColumn<QList<double>>("applied");  // the four settings after start-up

        QTest::newRow("value not a number")
            << QByteArray(
                   "33023\tAtomicRadius\r\nblue\tCovalentRadius\r\n1\tChartWindows\r\n"
                   "1\tElementGroup\r\n")
            << 2 << QList<double>{33023, 0, 1, 1};
        QTest::newRow("mode beyond 16 bits")
            << QByteArray(
                   "33023\tAtomicRadius\r\n65280\tCovalentRadius\r\n99999\tChartWindows\r\n"
                   "1\tElementGroup\r\n")
            << 3 << QList<double>{33023, 65280, 0, 1};
        QTest::newRow("colour beyond single range")
            << QByteArray("1e99999\tAtomicRadius\r\n65280\tCovalentRadius\r\n1\tElementGroup\r\n")
            << 1 << QList<double>{0, 65280, 0, 1};
        QTest::newRow("line over a million characters, after a blank line")
            << QByteArray("33023\tAtomicRadius\r\n\r\n") + QByteArray(1'100'000, '7') +
                   "\tCovalentRadius\r\n1\tElementGroup\r\n"
            << 3 << QList<double>{33023, 0, 0, 1};
        QTest::newRow("NUL bytes for a value")
            << QByteArray("33023\tAtomicRadius\r\n") + QByteArray(3, '\0') +
                   "\tElementGroup\r\n1\tChartWindows\r\n"
            << 2 << QList<double>{33023, 0, 1, 0};
    }
    void badSettingsLine()
    {
        QFETCH(QByteArray, settings);
        QFETCH(int, badLine);
        QFETCH(QList<double>, applied);

        frm_Vantrel &w = start(settings);
        QCOMPARE(m_messages.size(), 1);
        const QString &text = m_messages[0];
        QVERIFY2(text.contains(kSettings), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("第 %1 行").arg(badLine)), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("无法读取")), qPrintable(text));
        QCOMPARE(text.count(QStringLiteral("行：")), 1);  // only the bad line is listed
        QCOMPARE(m_data->read(kSettings), settings);      // reading never rewrites it
        QCOMPARE(w.lbl_Elements(kLaterElement)->text(), QStringLiteral("Fe"));  // start-up went on
        QCOMPARE(m_endCalls, 0);
        QCOMPARE(settingsSeen(w), applied);
    }

    // Hundreds of thousands of bad lines make one short message: ten lines and a count.
    void manyBadSettingsLines()
    {
        const int bad = 200'000;
        frm_Vantrel &w =
            start(QByteArray("x\tAtomicRadius\r\n").repeated(bad) + "1\tElementGroup\r\n");
        QCOMPARE(m_messages.size(), 1);
        const QString &text = m_messages[0];
        QCOMPARE(text.count(QStringLiteral("行：")), 10);
        QVERIFY2(text.contains(QStringLiteral("以及另外 %1 行").arg(bad - 10)), qPrintable(text));
        QVERIFY2(text.count(QLatin1Char('\n')) < 20, qPrintable(text));
        QCOMPARE(w.lbl_Elements(kLaterElement)->text(), QStringLiteral("Fe"));
        QCOMPARE(settingsSeen(w)[3], 1);  // the good line after them still counts
    }

    // A save that cannot complete, whoever runs the program: the file system refuses to let
    // the new file grow (as on a full disk). The old file stays byte for byte, no temporary
    // file is left behind, the dialog stays open.
    void failedSaveKeepsOldFile()
    {
        const QByteArray old = shippedSettings();
        frm_Vantrel &w = start(old);
        pressToolbar(81);
        QPointer<frm_Options> options = w.optionsWindow();
        QVERIFY(options);
        options->cmb_Color(0)->setEditText(QStringLiteral("黄色"));
        const QMap<QString, QByteArray> files = filesIn(dataFolder());
        QVERIFY(files.contains(kSettings));

        // Writes past 16 bytes of any file fail with EFBIG; the signal that would end the
        // process is ignored for the length of the click.
        rlimit saved{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &saved) == 0);
        const rlimit small{16, saved.rlim_max};
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        if (setrlimit(RLIMIT_FSIZE, &small) != 0) QSKIP("cannot limit the file size here");
        options->img_Btns_MouseMove(ButtonPictures::Save);
        QTest::mouseClick(options->img_Btns().image(Command::SaveSettings), Qt::LeftButton);
        setrlimit(RLIMIT_FSIZE, &saved);
        std::signal(SIGXFSZ, previousHandler);

        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_titles[0], kErrorTitle);
        QVERIFY2(m_messages[0].contains(kSettings), qPrintable(m_messages[0]));
        QVERIFY2(m_messages[0].contains(QStringLiteral("无法保存文件")), qPrintable(m_messages[0]));
        QVERIFY2(m_messages[0].contains(QStringLiteral("原来的文件保持不变")),
                 qPrintable(m_messages[0]));
        QVERIFY2(m_messages[0].contains(QStringLiteral("磁盘可能已满")), qPrintable(m_messages[0]));
        QVERIFY2(!m_messages[0].contains(QStringLiteral("Unknown")), qPrintable(m_messages[0]));
        QCOMPARE(filesIn(dataFolder()), files);  // old bytes, nothing like settings.prn.XXXXXX
        QCOMPARE(settingsSeen(w)[0], 65535);     // still applied for this run
        QVERIFY(options && options->isVisible());
        QCOMPARE(m_endCalls, 0);

        // The next save, with room again, goes through.
        QTest::mouseClick(options->img_Btns().image(Command::SaveSettings), Qt::LeftButton);
        QCOMPARE(m_messages.size(), 1);
        QVERIFY(m_data->read(kSettings).startsWith("65535\tAtomicRadius\r\n"));
        QCOMPARE(QDir(dataFolder()).entryList(QDir::Files | QDir::Hidden).size(), 2);
    }

    // Running out of memory in a handler is said in words, not as the exception's name.
    void outOfMemoryIsReported()
    {
        start();
        Dialogs::runHandler(m_window.get(), [] { throw std::bad_alloc(); });
        QCOMPARE(m_messages.size(), 1);
        QCOMPARE(m_titles[0], kErrorTitle);
        QVERIFY2(m_messages[0].contains(QStringLiteral("内存不足")), qPrintable(m_messages[0]));
        QVERIFY2(!m_messages[0].contains(QStringLiteral("bad_alloc")), qPrintable(m_messages[0]));
        QCOMPARE(m_endCalls, 0);
    }

    // ---- main() ----

    // Without its element data the program shows why on stderr and ends with status 1.
    void programExitsOnBrokenData_data()
    {
        QTest::addColumn<QByteArray>("elements");
        QTest::addColumn<QString>("problem");
        QTest::newRow("file missing") << QByteArray() << QStringLiteral("无法打开文件");
        QTest::newRow("file ends inside a record")
            << QByteArray("1,1.008,20") << QStringLiteral("文件在记录中途结束");
    }
    void programExitsOnBrokenData()
    {
        QFETCH(QByteArray, elements);
        QFETCH(QString, problem);

        // The program reads the Data folder beside its own executable: give it a copy.
        QTemporaryDir folder;
        QVERIFY(folder.isValid());
        const QString program = folder.filePath(QStringLiteral("ferrova-periodic"));
        QVERIFY(QFile::copy(QStringLiteral(FERROVA_PROGRAM), program));
        QVERIFY(QDir(folder.path()).mkdir(QStringLiteral("Data")));
        const QString data = folder.filePath(QStringLiteral("Data"));
        if (!elements.isNull()) {
            QFile file(data + QLatin1Char('/') + kElements);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(elements) == elements.size());
        }
        const QMap<QString, QByteArray> files = filesIn(folder.path());

        QProcess process;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        process.setProcessEnvironment(env);
        process.start(program, {});
        QVERIFY(process.waitForStarted());
        const bool ended = process.waitForFinished(60'000);
        if (!ended) {
            process.kill();
            process.waitForFinished();
        }
        const QString err = QString::fromUtf8(process.readAllStandardError());
        QVERIFY2(err.contains(kElements), qPrintable(err));
        QVERIFY2(err.contains(problem), qPrintable(err));
        QCOMPARE(filesIn(folder.path()), files);
        QVERIFY2(ended,
                 "the program is still waiting after a minute: a message box nobody can see?");
        QCOMPARE(process.exitStatus(), QProcess::NormalExit);
        QCOMPARE(process.exitCode(), 1);
    }
};

FERROVA_TEST_MAIN(TestBadInput)
#include "tst_badinput.moc"
