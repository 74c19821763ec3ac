#pragma once

#include <QUrl>
#include <QWidget>
#include <chrono>

#include "network/PageQuestion.h"

class BrowserView;
class QStackedLayout;
class QTextBrowser;

// The browser pane: the maker's product page, or a built-in page when it cannot be shown.
// The browser engine is heavy, so the pane first asks the site (through the network
// plugin); only when it answers is the web view plugin loaded (Plugins) and the page shown
// in it.
// Otherwise the built-in page shows in a plain text browser, with a link that asks again. Only web
// addresses are asked for, and a certificate that cannot be verified is never accepted.
class BrowserPane : public QWidget {
    Q_OBJECT
public:
    enum class Shows { Nothing, OfflinePage, WebPage };

    explicit BrowserPane(QWidget *parent);
    void navigate(const QUrl &url);  // does not wait for the page
    void setProbeTimeout(std::chrono::milliseconds timeout);

    Shows shows() const { return m_shows; }
    bool showsOfflinePage() const { return m_shows == Shows::OfflinePage; }
    QUrl requestedUrl() const { return m_home; }    // the page asked for, shown or not
    BrowserView *webView() const { return m_web; }  // null until the plugin is loaded
    QTextBrowser *offlineView() const { return m_offline; }
    QString engineProblem() const { return m_engineProblem; }  // empty unless the plugin failed

    static QString offlinePage();

    static const QString kRetryLink;

signals:
    void offlinePageShown();
    void webPageShown();

private:
    void ask();
    void answered(PageQuestion::Answer answer);
    bool loadWebView();
    void webLoaded(bool ok);
    void certificateRejected();
    void showOffline();
    void linkClicked(const QUrl &url);

    PageQuestion *m_probe = nullptr;  // nullptr without the network plugin
    QStackedLayout *m_stack;
    QTextBrowser *m_offline = nullptr;  // made when first needed
    BrowserView *m_web = nullptr;
    QUrl m_home;
    QString m_engineProblem;
    bool m_untrusted = false;     // the last answer: the certificate could not be verified
    bool m_awaitingPage = false;  // the web view was sent to the page and has not finished
    Shows m_shows = Shows::Nothing;
};
