#include "WebPane.h"

#include <QChildEvent>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QVBoxLayout>
#include <QWebEngineCertificateError>
#include <QWebEngineDownloadRequest>
#include <QWebEngineFileSystemAccessRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineRegisterProtocolHandlerRequest>
#include <QWebEngineSettings>
#include <QWebEngineView>

namespace {

constexpr int kHttpPort = 80;
constexpr int kHttpsPort = 443;
// How long after the user's click or key press a page may still be sent to the desktop's
// browser. The engine calls a script's navigation a link click too, with or without the
// user; only a click of the user's may open the browser.
constexpr qint64 kUserActionMs = 2000;

bool isWebAddress(const QUrl &url)
{
    return url.scheme() == QLatin1String("https") || url.scheme() == QLatin1String("http");
}

// What a link to another site may be handed to the desktop for: a page or a mail. Anything
// else (file:, a program's own scheme) could start something on the user's machine.
bool forDesktop(const QUrl &url)
{
    return isWebAddress(url) || url.scheme() == QLatin1String("mailto");
}

// Same scheme, host and port: an https page may not lead to the same host over http.
bool sameSite(const QUrl &url, const QUrl &home)
{
    const auto port = [](const QUrl &u) {
        return u.port(u.scheme() == QLatin1String("https") ? kHttpsPort : kHttpPort);
    };
    return isWebAddress(url) && url.scheme() == home.scheme() && url.host() == home.host() &&
           port(url) == port(home);
}

// On stderr, so that someone wondering why the pane did nothing can find out.
void refused(const char *what, const QUrl &url)
{
    qInfo("web view: refused %s: %s", what, qPrintable(url.toDisplayString()));
}

// What a page could otherwise do without asking the user, or what takes the pane elsewhere.
constexpr QWebEngineSettings::WebAttribute kSwitchedOff[] = {
    QWebEngineSettings::JavascriptCanOpenWindows,
    QWebEngineSettings::NavigateOnDropEnabled,  // a file dropped on the pane would open it
    QWebEngineSettings::LocalContentCanAccessFileUrls,
};

}  // namespace

// Keeps the page on the product site and says no to everything it asks for.
class ProductPage : public QWebEnginePage {
public:
    explicit ProductPage(QObject *parent) : QWebEnginePage(parent)
    {
        for (QWebEngineSettings::WebAttribute attribute : kSwitchedOff)
            settings()->setAttribute(attribute, false);
        connect(this, &QWebEnginePage::featurePermissionRequested, this,
                [this](const QUrl &origin, Feature feature) {
                    refused("a permission request", origin);
                    setFeaturePermission(origin, feature, PermissionDeniedByUser);
                });
        connect(this, &QWebEnginePage::fileSystemAccessRequested, this,
                [](QWebEngineFileSystemAccessRequest request) { request.reject(); });
        connect(this, &QWebEnginePage::registerProtocolHandlerRequested, this,
                [](QWebEngineRegisterProtocolHandlerRequest request) { request.reject(); });
        connect(profile(), &QWebEngineProfile::downloadRequested, this,
                [](QWebEngineDownloadRequest *download) {
                    refused("a download", download->url());
                    download->cancel();
                });
    }
    void setHome(const QUrl &home) { m_home = home; }
    void userActed() { m_sinceUserAction.start(); }

protected:
    // Redirects, scripts and forms that lead off the site go nowhere; a link the user
    // clicks goes to the desktop's browser.
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        if (sameSite(url, m_home)) return true;
        // Frames start empty, and the page may write into an empty frame of its own.
        if (!isMainFrame && url.scheme() == QLatin1String("about")) return true;
        const bool userAsked =
            m_sinceUserAction.isValid() && m_sinceUserAction.elapsed() < kUserActionMs;
        if (type == NavigationTypeLinkClicked && isMainFrame && userAsked && forDesktop(url)) {
            QDesktopServices::openUrl(url);
            return false;
        }
        refused("a page off the product site", url);
        return false;
    }

    QWebEnginePage *createWindow(WebWindowType) override
    {
        refused("a new window", url());
        return nullptr;
    }

private:
    QUrl m_home;
    QElapsedTimer m_sinceUserAction;  // invalid until the user first clicks or types
};

// The default profile: in Qt 6 it is off the record, so nothing is written to disk, and no
// second profile is started.
WebPane::WebPane(QWidget *parent)
    : BrowserView(parent), m_view(new QWebEngineView(this)), m_page(new ProductPage(m_view))
{
    m_view->setPage(m_page);
    m_view->setContextMenuPolicy(Qt::NoContextMenu);
    m_view->setAccessibleName(QStringLiteral("产品网页"));
    setFocusProxy(m_view);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);
    // The engine draws into a child widget it makes later; the user's input arrives there.
    m_view->installEventFilter(this);
    connect(m_view, &QWebEngineView::loadFinished, this, &BrowserView::loadFinished);
    // Never accepted: on a network that can swap the page, the certificate is all that
    // tells the product site from an impostor.
    connect(m_page, &QWebEnginePage::certificateError, this,
            [this](QWebEngineCertificateError error) {
                refused("the site's certificate", error.url());
                error.rejectCertificate();
                emit certificateRejected();
            });
}

bool WebPane::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::ChildAdded)
        static_cast<QChildEvent *>(event)->child()->installEventFilter(this);
    else if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress)
        m_page->userActed();
    return false;
}

bool WebPane::offTheRecord() const
{
    return m_page->profile() == QWebEngineProfile::defaultProfile() &&
           m_page->profile()->isOffTheRecord();
}

void WebPane::navigate(const QUrl &home)
{
    if (!isWebAddress(home)) {
        refused("a page outside the web", home);
        emit loadFinished(false);
        return;
    }
    m_page->setHome(home);
    m_view->load(home);
}
