#include "BrowserPane.h"

#include <QDesktopServices>
#include <QFile>
#include <QWebEnginePage>

namespace {

// Keeps the pane on the product site; everything else goes to the desktop's browser.
class ProductPage : public QWebEnginePage {
public:
    ProductPage(const QUrl *home, QObject *parent) : QWebEnginePage(parent), m_home(home) {}

protected:
    bool acceptNavigationRequest(const QUrl &url, NavigationType type, bool isMainFrame) override
    {
        const bool elsewhere = url.host() != m_home->host() &&
                               url.scheme() != QLatin1String("data") &&
                               url.scheme() != QLatin1String("about");
        if (type == NavigationTypeLinkClicked && isMainFrame && elsewhere) {
            QDesktopServices::openUrl(url);
            return false;
        }
        return true;
    }

private:
    const QUrl *m_home;
};

}  // namespace

BrowserPane::BrowserPane(QWidget *parent) : QWebEngineView(parent)
{
    setPage(new ProductPage(&m_home, this));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAccessibleName(QStringLiteral("产品网页"));
    connect(this, &QWebEngineView::loadFinished, this, &BrowserPane::pageLoaded);
}

void BrowserPane::navigate(const QUrl &url)
{
    m_home = url;
    m_offline = false;
    load(url);
}

void BrowserPane::pageLoaded(bool ok)
{
    if (ok || m_offline || m_home.isEmpty()) return;
    m_offline = true;
    setHtml(offlinePage(), QUrl(QStringLiteral("about:blank")));
}

QString BrowserPane::offlinePage()
{
    QFile file(QStringLiteral(":/offline.html"));
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<html><body>Ferrova元素周期表</body></html>");
    return QString::fromUtf8(file.readAll());
}
