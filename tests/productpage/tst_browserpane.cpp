// The browser pane: made after the window's first frame; it asks the product site first and
// starts the browser engine (a plugin) only when the site answers; otherwise, or when the
// plugin cannot be loaded, the built-in page with a retry link (this machine has no
// network, like many classrooms).
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QSslKey>
#include <QSslServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <algorithm>

#include "TempDataFolder.h"
#include "TestMain.h"
#include "browser/BrowserPaneFactory.h"
#include "files/ModVantrel.h"
#include "mainwindow/FrmVantrel.h"
#include "plugins/Plugins.h"
#include "productpage/BrowserEngine.h"
#include "productpage/BrowserPane.h"

using Settings = QList<BrowserEngine::Setting>;
using namespace std::chrono_literals;

namespace {

const QString kTitle = QStringLiteral("Ferrova test page");

// A certificate that nobody vouches for, made for this run.
QSslConfiguration selfSigned()
{
    QProcess openssl;
    openssl.start("openssl", {"req", "-x509", "-newkey", "ec", "-pkeyopt",
                              "ec_paramgen_curve:P-256", "-nodes", "-subj", "/CN=127.0.0.1",
                              "-addext", "subjectAltName=IP:127.0.0.1", "-keyout", "/dev/stdout"});
    openssl.waitForFinished();
    const QByteArray pem = openssl.readAllStandardOutput();
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate(pem));
    tls.setPrivateKey(QSslKey(pem, QSsl::Ec));
    return tls;
}

// A web server on 127.0.0.1 answering every request with one status, or not at all, or over
// TLS with a self-signed certificate. A 3xx status and /elsewhere redirect to another name of
// it (answered 200), /download is a file, pages run the script. Keeps host:port/path of requests.
class LocalSite : public QObject {
public:
    static constexpr int kSilent = 0;
    static constexpr int kSelfSigned = 1;

    explicit LocalSite(int status = 200, const QByteArray &script = {})
        : m_server(status == kSelfSigned ? new QSslServer : new QTcpServer),
          m_status(status == kSelfSigned ? 200 : status),
          m_script(script)
    {
        if (status == kSelfSigned)
            static_cast<QSslServer *>(m_server.get())->setSslConfiguration(selfSigned());
        connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &LocalSite::accept);
    }
    bool listen(quint16 port = 0) { return m_server->listen(QHostAddress::LocalHost, port); }
    void close() { m_server->close(); }
    quint16 port() const { return m_server->serverPort(); }
    QUrl url(const char *host = "127.0.0.1") const
    {
        const char *scheme = qobject_cast<QSslServer *>(m_server.get()) ? "https" : "http";
        return QUrl(QStringLiteral("%1://%2:%3/").arg(scheme, host).arg(port()));
    }
    QByteArrayList requests;

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                const QByteArray request = m_request[socket] += socket->readAll();
                if (!request.contains("\r\n\r\n") || m_status == kSilent) return;
                const QByteArray path = request.split(' ').value(1);
                const qsizetype host = request.indexOf("\r\nHost: ") + 8;
                requests << request.mid(host, request.indexOf('\r', host) - host) + path;
                const int status = request.contains("Host: localhost") ? 200 : m_status;
                QByteArray head = QByteArray::number(status) + " Status\r\nContent-Type: text/html";
                if (status / 100 == 3 || path == "/elsewhere")
                    head = "302 Found\r\nLocation: " + url("localhost").toEncoded();
                if (path == "/download") head += "\r\nContent-Disposition: attachment";
                const QByteArray body =
                    "<html><head><title>" + kTitle.toUtf8() +
                    "</title></head><body>ok<script>onload = () => setTimeout(() => {" + m_script +
                    "}, 200)</script></body></html>";
                socket->write("HTTP/1.0 " + head +
                              "\r\nContent-Length: " + QByteArray::number(body.size()) +
                              "\r\nConnection: close\r\n\r\n" + body);
                socket->disconnectFromHost();
            });
        }
    }

    std::unique_ptr<QTcpServer> m_server;
    int m_status;
    QByteArray m_script;
    QHash<QTcpSocket *, QByteArray> m_request;
};

bool engineMapped()
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngine");
}

// A port that nothing listens on: taken from the system, then given back.
quint16 closedPort()
{
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

}  // namespace

class TestBrowserPane : public QObject {
    Q_OBJECT

private slots:
    void init() { Plugins::setFolder(QStringLiteral(FERROVA_PLUGIN_DIR)); }

    void offlinePageIsBuiltIn()
    {
        const QString page = BrowserPane::offlinePage();
        QVERIFY(page.contains(QStringLiteral("Ferrova元素周期表")));
        QVERIFY(page.contains(QStringLiteral("版本 1.0")));
        QVERIFY(page.contains(QStringLiteral("数据来源")));
    }

    // Runs before anything in this process loads the plugin.
    void offlineWithoutTheEngine_data()
    {
        QTest::addColumn<int>("status");  // 0: nothing listens; LocalSite::kSilent: no answer
        QTest::addColumn<bool>("listening");
        QTest::addColumn<QString>("plugin");  // empty: the built one
        QTest::addColumn<bool>("engineProblem");
        QTest::newRow("nothing listening") << 0 << false << QString() << false;
        QTest::newRow("HTTP 404") << 404 << true << QString() << false;
        QTest::newRow("HTTP 503") << 503 << true << QString() << false;
        QTest::newRow("no answer in time") << int(LocalSite::kSilent) << true << QString() << false;
        QTest::newRow("plugin missing") << 200 << true << QStringLiteral("none") << true;
        QTest::newRow("plugin broken") << 200 << true << QStringLiteral("junk") << true;
        QTest::newRow("self-signed certificate")
            << int(LocalSite::kSelfSigned) << true << QString() << false;
        QTest::newRow("redirect to another host") << 302 << true << QString() << false;
    }

    void offlineWithoutTheEngine()
    {
        QFETCH(int, status);
        QFETCH(bool, listening);
        QFETCH(QString, plugin);
        QFETCH(bool, engineProblem);
        LocalSite site(status);
        QVERIFY(site.listen(listening ? 0 : closedPort()));
        if (!listening) site.close();
        QTemporaryDir folder;
        if (!plugin.isEmpty()) Plugins::setFolder(folder.path());
        if (plugin == QLatin1String("junk")) {
            QFile junk(folder.filePath(QStringLiteral("ferrova-browser.so")));
            QVERIFY(junk.open(QIODevice::WriteOnly));
            junk.write(QByteArray(4096, 'x'));
        }
        BrowserPane pane(nullptr);
        pane.setProbeTimeout(300ms);
        pane.resize(201, 553);
        pane.show();
        QSignalSpy offline(&pane, &BrowserPane::offlinePageShown);
        pane.navigate(site.url());
        QVERIFY(offline.wait(10000));
        QVERIFY(pane.showsOfflinePage());
        QVERIFY(!pane.webView());
        QVERIFY(pane.offlineView()->isVisible());
        const QString text = pane.offlineView()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("下面是本程序的使用说明")));
        QVERIFY(text.contains(QStringLiteral("数据来源")));
        QVERIFY(pane.offlineView()->toHtml().contains(BrowserPane::kRetryLink));
        QCOMPARE(text.contains(QStringLiteral("无法加载网页视图")), engineProblem);
        // The reason comes first: a certificate that failed is not a missing network.
        QCOMPARE(text.contains(QStringLiteral("无法验证产品网站的证书")),
                 status == LocalSite::kSelfSigned);
        QCOMPARE(text.contains(QStringLiteral("没有网络连接")), status != LocalSite::kSelfSigned);
        QCOMPARE(pane.engineProblem().isEmpty(), !engineProblem);
        // The line names the file, so the user knows what to put back.
        if (engineProblem) QVERIFY(text.contains(QDir::toNativeSeparators(folder.path())));
        QVERIFY(!engineMapped());
    }

    void paneWaitsForTheFirstFrame()
    {
        TempDataFolder data;
        data.copyShippedElements();
        frm_Vantrel window(frm_Vantrel::Browser::Shown);
        // A file is never shown as the product page.
        const QUrl page = QUrl::fromLocalFile(QStringLiteral(FERROVA_SOURCE_DIR "/README.md"));
        window.setProductPage(page);
        window.Form_Load();  // asks for the page before any pane exists
        QVERIFY(!window.WebBrowser1());
        QSignalSpy created(&window, &frm_Vantrel::browserCreated);
        window.show();
        QVERIFY(created.wait(30000));
        BrowserPane *pane = window.WebBrowser1();
        QCOMPARE(pane->requestedUrl(), page);
        QCOMPARE(pane->geometry(), QRect(592, 0, 201, 553));
        QVERIFY(pane->isVisible());
        QTRY_VERIFY_WITH_TIMEOUT(pane->showsOfflinePage(), 30000);
        QCOMPARE(created.count(), 1);
        QVERIFY(!engineMapped());
    }

    void noPaneWithoutTheBrowser()
    {
        TempDataFolder data;
        data.copyShippedElements();
        frm_Vantrel window(frm_Vantrel::Browser::None);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTest::qWait(50);
        QVERIFY(!window.WebBrowser1());
    }

    // The real program, headless, with --product-url, reports its milestones in the order
    // the user sees them: the grid first, the browser pane after it, and the browser engine
    // (found beside the program) only when the site answers.
    void programShowsTheGridBeforeTheBrowser_data()
    {
        QTest::addColumn<bool>("siteAnswers");
        QTest::addColumn<QStringList>("expected");
        const QStringList start{"application", "grid-loaded", "first-frame", "browser-created"};
        QTest::newRow("site unreachable") << false << start + QStringList{"browser-offline-shown"};
        QTest::newRow("site answers")
            << true
            << start + QStringList{"browser-site-answered", "browser-engine-loaded",
                                   "browser-page-shown"};
    }

    void programShowsTheGridBeforeTheBrowser()
    {
        QFETCH(bool, siteAnswers);
        QFETCH(QStringList, expected);
        LocalSite site;
        QVERIFY(site.listen(siteAnswers ? 0 : closedPort()));
        if (!siteAnswers) site.close();
        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("FERROVA_STARTUP_TRACE"), QStringLiteral("1"));
        program.setProcessEnvironment(env);
        program.setReadChannel(QProcess::StandardError);
        program.start(QStringLiteral(FERROVA_PROGRAM),
                      {QStringLiteral("--product-url"), site.url().toString()});
        QVERIFY(program.waitForStarted());
        QStringList milestones;
        QList<double> mainMs;
        QElapsedTimer clock;
        clock.start();
        while (milestones.size() < expected.size() && clock.elapsed() < 60000) {
            QTest::qWait(20);  // the site answers from this thread's event loop
            while (program.canReadLine()) {
                const QStringList words =
                    QString::fromUtf8(program.readLine()).split(QLatin1Char(' '));
                if (words.size() < 5 || words[0] != QLatin1String("ferrova-startup")) continue;
                milestones << words[1];
                mainMs << words[3].section(QLatin1Char('='), 1).toDouble();
            }
        }
        // The Chinese texts at start come from the program's own cut of the font: none of
        // the system's 20 MB collections is held for them.
        QFile maps(QStringLiteral("/proc/%1/maps").arg(program.processId()));
        QVERIFY(maps.open(QIODevice::ReadOnly));
        QVERIFY2(siteAnswers || !maps.readAll().contains("NotoSansCJK"),
                 "a system CJK font collection is mapped");
        program.kill();
        program.waitForFinished();
        QCOMPARE(milestones, expected);
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

    // Last: from here on the browser engine is in this process. The site is down at first;
    // once it is up, the user follows "重试" (by keyboard) and the page shows in the web view.
    // Whatever the page then tries, it stays on the site. The first row starts the engine.
    void retryLoadsThePage_data()
    {
        QTest::addColumn<QByteArray>("script");  // ends by asking for /still-here
        QTest::addColumn<QString>("refused");    // what the web view says it refused
        const QByteArray then = "; setTimeout(() => fetch('/still-here'), 500)";
        const QString offSite = QStringLiteral("a page off the product site");
        QTest::newRow("redirect") << "location = '/elsewhere'" + then << offSite;
        QTest::newRow("script") << "location = '//localhost:' + location.port" + then << offSite;
        QTest::newRow("download") << "location = '/download'" + then
                                  << QStringLiteral("a download");
        QTest::newRow("permission request")
            << QByteArray("Notification.requestPermission().then(a => fetch('/still-here/' + a))")
            << QStringLiteral("a permission request");
    }

    void retryLoadsThePage()
    {
        QFETCH(QByteArray, script);
        QFETCH(QString, refused);
        QTest::ignoreMessage(QtInfoMsg, QRegularExpression("refused " + refused));
        const quint16 port = closedPort();
        LocalSite site(200, script);
        BrowserPane pane(nullptr);
        pane.resize(201, 553);
        pane.show();
        QSignalSpy offline(&pane, &BrowserPane::offlinePageShown);
        QSignalSpy shown(&pane, &BrowserPane::webPageShown);
        pane.navigate(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
        QVERIFY(offline.wait(10000));
        if (QTest::currentDataTag() == QByteArray("redirect")) QVERIFY(!engineMapped());

        QVERIFY(site.listen(port));
        QTextBrowser *text = pane.offlineView();
        text->setFocus();
        QTest::keyClick(text, Qt::Key_Tab);  // to the first link, "重试"
        QCOMPARE(text->textCursor().selectedText(), QStringLiteral("重试"));
        QTest::keyClick(text, Qt::Key_Return);
        QVERIFY(shown.wait(60000));
        QCOMPARE(pane.shows(), BrowserPane::Shows::WebPage);
        QVERIFY(pane.webView()->isVisible());
        QVERIFY(!text->isVisible());
        QTRY_COMPARE(pane.webView()->focusProxy()->property("title").toString(), kTitle);
        // One off-the-record profile: nothing is written to the user's disk.
        QVERIFY(pane.webView()->property("offTheRecord").toBool());
        QVERIFY(engineMapped());  // the check above would see it
        QTRY_VERIFY_WITH_TIMEOUT(site.requests.join().contains("/still-here"), 10000);
        const QString heard = site.requests.join(' ');  // nothing elsewhere, nothing granted
        QVERIFY2(!heard.contains(QRegularExpression("localhost|granted")), qPrintable(heard));
    }
};

FERROVA_TEST_MAIN(TestBrowserPane)
#include "tst_browserpane.moc"
