#include "WebPane.h"

#include <QDesktopServices>
#include <QWebEnginePage>
#include <QWebEngineProfile>

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

// The default profile: in Qt 6 it is off the record, so nothing is written to disk, and no
// second profile is started.
WebPane::WebPane(QWidget *parent) : QWebEngineView(parent)
{
    setPage(new ProductPage(&m_home, this));
    setContextMenuPolicy(Qt::NoContextMenu);
    setAccessibleName(QStringLiteral("产品网页"));
}

bool WebPane::offTheRecord() const
{
    return page()->profile() == QWebEngineProfile::defaultProfile() &&
           page()->profile()->isOffTheRecord();
}

void WebPane::navigate(const QUrl &url)
{
    m_home = url;
    load(url);
}
