#include "BrowserPane.h"

#include "browser/BrowserPaneFactory.h"
#include "plugins/Plugins.h"
#include "startup/StartupFont.h"
#include "startup/StartupTrace.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"

#include <QDesktopServices>
#include <QFile>
#include <QStackedLayout>
#include <QTextBrowser>
#include <utility>

const QString BrowserPane::kRetryLink = QStringLiteral("ferrova:retry");

namespace {

const QString kPluginName = QStringLiteral("ferrova-browser.so");
const QString kNetworkPluginName = QStringLiteral("ferrova-network.so");
// Where the built-in page takes the retry link and, if the web view failed, that news.
const QString kStatusMarker = QStringLiteral("<!-- status -->");

// The text browser sizes headings by their level whatever the style sheet says, and takes a
// bare line height as a multiple of the font's own (already generous) line spacing. The
// built-in page is written for a web browser; for the text browser its headings become
// styled paragraphs and its lines keep the font's spacing, so both look alike.
QString forTextBrowser(QString html)
{
    for (const char *level : {"h1", "h2"}) {
        const QString tag = QString::fromLatin1(level);
        html.replace(QStringLiteral("<%1>").arg(tag), QStringLiteral("<p class=\"%1\">").arg(tag));
        html.replace(QStringLiteral("</%1>").arg(tag), QStringLiteral("</p>"));
    }
    // The start-up cut of the page's Chinese font comes before the families the page names.
    if (StartupFont::add())
        html.replace(QStringLiteral("font-family: "),
                     QStringLiteral("font-family: \"%1\", ").arg(Fonts::startupFamily()));
    return html.replace(
        QStringLiteral("</style>"),
        QStringLiteral("  p.h1 { font-size: 16px; font-weight: bold; color: #000080; "
                       "margin-top: 0; margin-bottom: 4px; }\n"
                       "  p.h2 { font-size: 14px; font-weight: bold; color: #000080; "
                       "margin-top: 14px; margin-bottom: 4px; }\n"
                       "  p, li { font-size: 13px; line-height: 100%; }\n</style>"));
}

// The look of the built-in page where the text browser does not take it from the page's
// style sheet.
constexpr int kPageMargin = 10;
constexpr int kListIndent = 18;
const QColor kPageBackground(0xf4, 0xf4, 0xf4);

}  // namespace

BrowserPane::BrowserPane(QWidget *parent) : QWidget(parent), m_stack(new QStackedLayout(this))
{
    setAccessibleName(QStringLiteral("产品网页"));
    Palette::fillBackground(this, Qt::white);
    m_stack->setContentsMargins(0, 0, 0, 0);
    QString problem;
    auto *factory = qobject_cast<PageQuestionFactory *>(Plugins::instance(
        qobject_interface_iid<PageQuestionFactory *>(), kNetworkPluginName, &problem));
    if (!factory) {
        // Without a way to ask, the site counts as unreachable: the built-in page is shown.
        qWarning("network plugin: %s", qPrintable(problem));
        return;
    }
    m_probe = factory->createQuestion(this);
    connect(m_probe, &PageQuestion::answered, this,
            [this](PageQuestion::Answer answer) { answered(answer); });
}

void BrowserPane::setProbeTimeout(std::chrono::milliseconds timeout)
{
    if (m_probe) m_probe->setTimeout(timeout);
}

void BrowserPane::navigate(const QUrl &url)
{
    m_home = url;
    ask();
}

// Only web addresses are asked for: reading a file could wait forever on a device, and the
// web view would show it as if the site had sent it.
void BrowserPane::ask()
{
    const bool web =
        m_home.scheme() == QLatin1String("https") || m_home.scheme() == QLatin1String("http");
    if (web && m_probe)
        m_probe->ask(m_home);
    else
        answered(PageQuestion::Answer::Unreachable);
}

void BrowserPane::answered(PageQuestion::Answer answer)
{
    const bool reachable = answer == PageQuestion::Answer::Reachable;
    m_untrusted = answer == PageQuestion::Answer::UntrustedCertificate;
    if (reachable) StartupTrace::mark("browser-site-answered");
    if (!reachable || !loadWebView()) {
        showOffline();
        return;
    }
    m_awaitingPage = true;
    m_web->navigate(m_home);
}

// Loads the plugin once; false (and the reason in engineProblem) when it is missing, broken
// or not what the program expects.
bool BrowserPane::loadWebView()
{
    if (m_web) return true;
    QString problem;
    auto *factory = qobject_cast<BrowserPaneFactory *>(
        Plugins::instance(qobject_interface_iid<BrowserPaneFactory *>(), kPluginName, &problem,
                          QStringLiteral("网页视图插件")));
    BrowserView *web = factory ? factory->createPane(this) : nullptr;
    if (!web) {
        m_engineProblem = problem;
        qWarning("web view plugin: %s", qPrintable(m_engineProblem));
        return false;
    }
    StartupTrace::mark("browser-engine-loaded");
    connect(web, &BrowserView::loadFinished, this, &BrowserPane::webLoaded);
    connect(web, &BrowserView::certificateRejected, this, &BrowserPane::certificateRejected);
    m_web = web;
    m_web->setObjectName(QStringLiteral("webView"));
    m_stack->addWidget(m_web);
    return true;
}

// A page that fails in the web view itself (the site went away between the question and
// the load) gets the built-in page too; later pages are the web view's own business.
void BrowserPane::webLoaded(bool ok)
{
    if (!std::exchange(m_awaitingPage, false)) return;
    if (!ok) {
        showOffline();
        return;
    }
    m_shows = Shows::WebPage;
    m_stack->setCurrentWidget(m_web);
    StartupTrace::mark("browser-page-shown");
    emit webPageShown();
}

// The web view can distrust a certificate that Qt Network accepted (each has its own list
// of authorities), and at any page, not only the first: the built-in page says so.
void BrowserPane::certificateRejected()
{
    m_untrusted = true;
    m_awaitingPage = false;
    showOffline();
}

void BrowserPane::showOffline()
{
    if (!m_offline) {
        m_offline = new QTextBrowser(this);
        m_offline->setObjectName(QStringLiteral("offlinePage"));
        m_offline->setAccessibleName(QStringLiteral("产品网页"));
        m_offline->setAccessibleDescription(QStringLiteral("无法打开产品网页时显示的使用说明"));
        m_offline->setFrameShape(QFrame::NoFrame);
        m_offline->setOpenLinks(false);
        m_offline->document()->setDocumentMargin(kPageMargin);
        m_offline->document()->setIndentWidth(kListIndent);
        Palette::setColour(m_offline, QPalette::Base, kPageBackground);
        connect(m_offline, &QTextBrowser::anchorClicked, this, &BrowserPane::linkClicked);
        m_stack->addWidget(m_offline);
    }
    // Why the page is not shown comes first: a certificate that failed is not a missing network.
    QString status = m_untrusted
                         ? QStringLiteral("<p>无法验证产品网站的证书，为了安全没有打开它。")
                         : QStringLiteral("<p>无法打开产品网页（没有网络连接或找不到服务器）。");
    status += QStringLiteral("下面是本程序的使用说明。</p>");
    status += QStringLiteral("<p><a href=\"%1\">重试</a></p>").arg(kRetryLink);
    if (!m_engineProblem.isEmpty())
        status += QStringLiteral("<p>无法加载网页视图：%1。请重新安装本程序。</p>")
                      .arg(m_engineProblem.toHtmlEscaped());
    m_offline->setHtml(forTextBrowser(offlinePage().replace(kStatusMarker, status)));
    m_stack->setCurrentWidget(m_offline);
    m_shows = Shows::OfflinePage;
    StartupTrace::mark("browser-offline-shown");
    emit offlinePageShown();
}

void BrowserPane::linkClicked(const QUrl &url)
{
    if (url == QUrl(kRetryLink))
        ask();
    else
        QDesktopServices::openUrl(url);
}

QString BrowserPane::offlinePage()
{
    QFile file(QStringLiteral(":/offline.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<html><body>Ferrova元素周期表</body></html>");
    return QString::fromUtf8(file.readAll());
}
