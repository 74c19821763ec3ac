// The browser pane: made after the window's first frame, one navigate request at load, and
// the built-in page when the product site cannot be reached (this machine has no network,
// like many classrooms).
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <algorithm>

#include "TempDataFolder.h"
#include "TestMain.h"
#include "data/ModVantrel.h"
#include "table/BrowserEngine.h"
#include "table/BrowserPane.h"
#include "table/FrmVantrel.h"

using Settings = QList<BrowserEngine::Setting>;

class TestBrowserPane : public QObject {
    Q_OBJECT

private slots:
    void offlinePageIsBuiltIn()
    {
        const QString page = BrowserPane::offlinePage();
        QVERIFY(page.contains(QStringLiteral("Ferrova元素周期表")));
        QVERIFY(page.contains(QStringLiteral("版本 1.0")));
        QVERIFY(page.contains(QStringLiteral("数据来源")));
    }

    void paneWaitsForTheFirstFrame()
    {
        mod_Vantrel::resetModuleState();
        TempDataFolder data;
        data.copyShippedElements();
        frm_Vantrel window(frm_Vantrel::Browser::Shown);
        window.Form_Load();  // asks for the page before any pane exists
        QVERIFY(!window.WebBrowser1());
        QSignalSpy created(&window, &frm_Vantrel::browserCreated);
        window.show();
        QVERIFY(created.wait(30000));
        auto *pane = static_cast<BrowserPane *>(window.WebBrowser1());
        QCOMPARE(pane->requestedUrl(), QUrl(frm_Vantrel::kProductPage));
        QCOMPARE(pane->geometry(), QRect(592, 0, 201, 553));
        QVERIFY(pane->isVisible());
        // One off-the-record profile: nothing is written to the user's disk.
        QCOMPARE(pane->page()->profile(), QWebEngineProfile::defaultProfile());
        QVERIFY(pane->page()->profile()->isOffTheRecord());
        QTRY_VERIFY_WITH_TIMEOUT(pane->showsOfflinePage(), 60000);
        QCOMPARE(created.count(), 1);
    }

    void noPaneWithoutTheBrowser()
    {
        mod_Vantrel::resetModuleState();
        TempDataFolder data;
        data.copyShippedElements();
        frm_Vantrel window(frm_Vantrel::Browser::None);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        QVERIFY(!window.WebBrowser1());
    }

    // The real program, headless, reports its milestones in the order the user sees them:
    // the grid first, the browser engine after it.
    void programShowsTheGridBeforeTheBrowser()
    {
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FERROVA_STARTUP_TRACE"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.setReadChannel(QProcess::StandardError);
        program.start(QStringLiteral(FERROVA_PROGRAM), {});
        QVERIFY(program.waitForStarted());
        QStringList milestones;
        QList<double> mainMs;
        QElapsedTimer clock;
        clock.start();
        while (!milestones.contains(QStringLiteral("browser-page-shown")) &&
               clock.elapsed() < 60000) {
            program.waitForReadyRead(1000);
            while (program.canReadLine()) {
                const QStringList words =
                    QString::fromUtf8(program.readLine()).split(QLatin1Char(' '));
                if (words.size() < 5 || words[0] != QLatin1String("ferrova-startup")) continue;
                milestones << words[1];
                mainMs << words[3].section(QLatin1Char('='), 1).toDouble();
            }
        }
        program.kill();
        program.waitForFinished();
        QCOMPARE(milestones, (QStringList{"application", "grid-loaded", "first-frame",
                                          "browser-created", "browser-page-shown"}));
        QVERIFY(mainMs[0] > 0);
        QVERIFY(std::is_sorted(mainMs.begin(), mainMs.end()));
    }

    void engineSettings_data()
    {
        QTest::addColumn<QStringList>("environment");
        QTest::addColumn<Settings>("expected");
        const BrowserEngine::Setting quick{"QT_QUICK_BACKEND", "software"};
        const BrowserEngine::Setting gl{"QT_XCB_GL_INTEGRATION", "none"};
        QTest::newRow("plain desktop") << QStringList() << Settings{quick, gl};
        QTest::newRow("user's drawing choices win")
            << QStringList{"QT_QUICK_BACKEND=rhi", "QT_XCB_GL_INTEGRATION=xcb_egl"} << Settings{};
        QTest::newRow("sandbox off: no zygote")
            << QStringList{"QTWEBENGINE_DISABLE_SANDBOX=1"}
            << Settings{quick, gl, {"QTWEBENGINE_CHROMIUM_FLAGS", "--no-zygote"}};
        QTest::newRow("user's flags kept")
            << QStringList{"QTWEBENGINE_DISABLE_SANDBOX=1",
                           "QTWEBENGINE_CHROMIUM_FLAGS= --disable-gpu "}
            << Settings{quick, gl, {"QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-zygote"}};
        QTest::newRow("sandbox off by flag")
            << QStringList{"QTWEBENGINE_CHROMIUM_FLAGS=--no-sandbox"}
            << Settings{quick, gl, {"QTWEBENGINE_CHROMIUM_FLAGS", "--no-sandbox --no-zygote"}};
        // The zygote is what starts sandboxed page processes: it must stay.
        QTest::newRow("sandbox on: zygote kept")
            << QStringList{"QTWEBENGINE_CHROMIUM_FLAGS=--no-sandboxing-please"}
            << Settings{quick, gl};
        QTest::newRow("already without zygote")
            << QStringList{"QTWEBENGINE_DISABLE_SANDBOX=1",
                           "QTWEBENGINE_CHROMIUM_FLAGS=--no-zygote"}
            << Settings{quick, gl};
        QTest::newRow("single process")
            << QStringList{"QTWEBENGINE_DISABLE_SANDBOX=1",
                           "QTWEBENGINE_CHROMIUM_FLAGS=--single-process"}
            << Settings{quick, gl};
    }

    void engineSettings()
    {
        QFETCH(QStringList, environment);
        QFETCH(Settings, expected);
        QProcessEnvironment env;
        for (const QString &entry : environment) {
            const int equals = entry.indexOf(QLatin1Char('='));
            env.insert(entry.left(equals), entry.mid(equals + 1));
        }
        QCOMPARE(BrowserEngine::settingsFor(env), expected);
    }
};

FERROVA_TEST_MAIN(TestBrowserPane)
#include "tst_browserpane.moc"
