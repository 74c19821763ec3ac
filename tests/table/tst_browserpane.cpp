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
#include "data/ModVantrel.h"
#include "table/BrowserEngine.h"
#include "table/BrowserPane.h"
#include "table/FrmVantrel.h"

using Settings = QList<BrowserEngine::Setting>;
using namespace std::chrono_literals;

namespace {

const QString kTitle = QStringLiteral("Ferrova test page");
const QString kCertificateLine = QStringLiteral("无法验证产品网站的证书");

// A web server on 127.0.0.1 answering every request with one status, or not at all, over
// TLS when given a certificate. /elsewhere redirects to the same server under another host
// name, /download is a file to save, and the page runs the given script a moment after it
// has loaded. It keeps the host
// and path of every request.
class LocalSite : public QObject {
public:
    static constexpr int kSilent = 0;

    explicit LocalSite(int status = 200, const QSslConfiguration *tls = nullptr,
                       const QByteArray &script = {})
        : m_server(tls ? new QSslServer : new QTcpServer), m_status(status), m_script(script)
    {
        if (tls) static_cast<QSslServer *>(m_server.get())->setSslConfiguration(*tls);
        connect(m_server.get(), &QTcpServer::pendingConnectionAvailable, this, &LocalSite::accept);
    }
    bool listen(quint16 port = 0) { return m_server->listen(QHostAddress::LocalHost, port); }
    void close() { m_server->close(); }
    quint16 port() const { return m_server->serverPort(); }
    QUrl url(const QString &host = QStringLiteral("127.0.0.1")) const
    {
        const bool tls = qobject_cast<QSslServer *>(m_server.get());
        return QUrl(QStringLiteral("%1://%2:%3/").arg(tls ? "https" : "http", host).arg(port()));
    }
    QByteArrayList requests;  // "host:port/path"

private:
    void accept()
    {
        while (QTcpSocket *socket = m_server->nextPendingConnection()) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
                m_request[socket] += socket->readAll();
                if (!m_request[socket].contains("\r\n\r\n") || m_status == kSilent) return;
                answer(socket, m_request[socket]);
            });
        }
    }
    void answer(QTcpSocket *socket, const QByteArray &request)
    {
        const QByteArray path = request.split(' ').value(1);
        const qsizetype host = request.indexOf("\r\nHost: ") + 8;
        requests << request.mid(host, request.indexOf('\r', host) - host) + path;
        QByteArray head = QByteArray::number(m_status) + " Status\r\nContent-Type: text/html";
        if (path == "/elsewhere") head = "302 Found\r\nLocation: " + url("localhost").toEncoded();
        if (path == "/download") head += "\r\nContent-Disposition: attachment; filename=a.html";
        const QByteArray body = "<html><head><title>" + kTitle.toUtf8() +
                                "</title></head><body>ok<script>onload = () => setTimeout(() => {" +
                                m_script + "}, 200)</script></body></html>";
        socket->write("HTTP/1.0 " + head + "\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    std::unique_ptr<QTcpServer> m_server;
    int m_status;
    QByteArray m_script;
    QHash<QTcpSocket *, QByteArray> m_request;
};

// A certificate that nobody vouches for, made for this run.
QSslConfiguration selfSigned(const QTemporaryDir &folder)
{
    const QString key = folder.filePath(QStringLiteral("key.pem"));
    const QString certificate = folder.filePath(QStringLiteral("certificate.pem"));
    QProcess::execute(QStringLiteral("openssl"),
                      {"req", "-x509", "-newkey", "ec", "-pkeyopt", "ec_paramgen_curve:P-256",
                       "-nodes", "-days", "1", "-subj", "/CN=127.0.0.1", "-addext",
                       "subjectAltName=IP:127.0.0.1", "-keyout", key, "-out", certificate});
    QFile keyFile(key);
    keyFile.open(QIODevice::ReadOnly);
    QSslConfiguration tls = QSslConfiguration::defaultConfiguration();
    tls.setLocalCertificate(QSslCertificate::fromPath(certificate).value(0));
    tls.setPrivateKey(QSslKey(&keyFile, QSsl::Ec));
    return tls;
}

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
    void init() { BrowserPane::setPluginFolder(QStringLiteral(FERROVA_PLUGIN_DIR)); }

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
        QTest::addColumn<QString>("page");  // asked for, relative to the site
        QTest::addColumn<bool>("tls");      // with a self-signed certificate
        const QString home;
        QTest::newRow("nothing listening") << 0 << false << QString() << false << home << false;
        QTest::newRow("HTTP 404") << 404 << true << QString() << false << home << false;
        QTest::newRow("HTTP 503") << 503 << true << QString() << false << home << false;
        QTest::newRow("no answer in time")
            << int(LocalSite::kSilent) << true << QString() << false << home << false;
        QTest::newRow("plugin missing")
            << 200 << true << QStringLiteral("none") << true << home << false;
        QTest::newRow("plugin broken")
            << 200 << true << QStringLiteral("junk") << true << home << false;
        QTest::newRow("self-signed certificate")
            << 200 << true << QString() << false << home << true;
        QTest::newRow("redirect to another host")
            << 200 << true << QString() << false << QStringLiteral("elsewhere") << false;
        QTest::newRow("local file")
            << 200 << true << QString() << false
            << QStringLiteral("file://" FERROVA_SOURCE_DIR "/README.md") << false;
    }

    void offlineWithoutTheEngine()
    {
        QFETCH(int, status);
        QFETCH(bool, listening);
        QFETCH(QString, plugin);
        QFETCH(bool, engineProblem);
        QFETCH(QString, page);
        QFETCH(bool, tls);
        QTemporaryDir folder;
        const QSslConfiguration certificate = tls ? selfSigned(folder) : QSslConfiguration();
        LocalSite site(status, tls ? &certificate : nullptr);
        QVERIFY(site.listen(listening ? 0 : closedPort()));
        if (!listening) site.close();
        if (!plugin.isEmpty()) BrowserPane::setPluginFolder(folder.path());
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
        pane.navigate(site.url().resolved(page));
        QVERIFY(offline.count() || offline.wait(10000));
        QVERIFY(pane.showsOfflinePage());
        QVERIFY(!pane.webView());
        QVERIFY(pane.offlineView()->isVisible());
        const QString text = pane.offlineView()->toPlainText();
        QVERIFY(text.contains(QStringLiteral("无法打开产品网页")));
        QVERIFY(text.contains(QStringLiteral("数据来源")));
        QVERIFY(pane.offlineView()->toHtml().contains(BrowserPane::kRetryLink));
        QCOMPARE(text.contains(QStringLiteral("无法加载网页视图")), engineProblem);
        QCOMPARE(text.contains(kCertificateLine), tls);
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
        const QUrl page(QStringLiteral("http://127.0.0.1:%1/").arg(closedPort()));
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
    // Whatever the page then tries, the pane stays on it and the other host hears nothing.
    void retryLoadsThePage_data()
    {
        QTest::addColumn<QByteArray>("script");
        QTest::addColumn<QByteArray>("awaited");  // the page asks for it once it has tried
        QTest::addColumn<QString>("refused");     // what the web view says it refused
        const QByteArray later = "; setTimeout(() => fetch('/still-here'), 500)";
        const QByteArray there = "'http://localhost:' + location.port + '/'";
        const QString offSite = QStringLiteral("a page off the product site");
        QTest::newRow("plain page") << QByteArray() << QByteArray() << QString();
        QTest::newRow("redirect to another host")
            << "location = '/elsewhere'" + later << QByteArray("/still-here") << offSite;
        QTest::newRow("script to another host")
            << "location = " + there + later << QByteArray("/still-here") << offSite;
        QTest::newRow("form post to another host")
            << "document.body.innerHTML = '<form method=post action=' + " + there +
                   " + '>'; document.forms[0].submit()" + later
            << QByteArray("/still-here") << offSite;
        QTest::newRow("download") << "location = '/download'" + later << QByteArray("/still-here")
                                  << QStringLiteral("a download");
        QTest::newRow("permission request")
            << QByteArray("Notification.requestPermission().then(answer => fetch('/' + answer))")
            << QByteArray("/denied") << QStringLiteral("a permission request");
        QTest::newRow("new window")
            << "window.open('/popup')" + later << QByteArray("/still-here") << QString();
    }

    void retryLoadsThePage()
    {
        QFETCH(QByteArray, script);
        QFETCH(QByteArray, awaited);
        QFETCH(QString, refused);
        if (!refused.isEmpty())
            QTest::ignoreMessage(QtInfoMsg, QRegularExpression("refused " + refused));
        const quint16 port = closedPort();
        LocalSite site(200, nullptr, script);
        BrowserPane pane(nullptr);
        pane.resize(201, 553);
        pane.show();
        QSignalSpy offline(&pane, &BrowserPane::offlinePageShown);
        QSignalSpy shown(&pane, &BrowserPane::webPageShown);
        pane.navigate(QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(port)));
        QVERIFY(offline.wait(10000));
        if (script.isEmpty()) QVERIFY(!engineMapped());  // the first row starts it

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
        QWidget *view = pane.webView()->focusProxy();
        QTRY_COMPARE(view->property("title").toString(), kTitle);
        // One off-the-record profile: nothing is written to the user's disk.
        QVERIFY(pane.webView()->property("offTheRecord").toBool());
        QVERIFY(engineMapped());  // the check above would see it

        QTRY_VERIFY_WITH_TIMEOUT(site.requests.join(' ').contains(awaited), 10000);
        QCOMPARE(view->property("url").toUrl(), site.url());
        QVERIFY2(!site.requests.join(' ').contains("localhost"), site.requests.join(' '));
        QVERIFY(!site.requests.join(' ').contains("/popup"));
    }
};

FERROVA_TEST_MAIN(TestBrowserPane)
#include "tst_browserpane.moc"
