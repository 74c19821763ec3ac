#pragma once

#include <QUrl>
#include <QWebEngineView>

// The browser pane: the maker's product page, or a built-in page when it cannot be loaded.
// Links to other sites open in the user's own browser.
class BrowserPane : public QWebEngineView {
    Q_OBJECT
public:
    explicit BrowserPane(QWidget *parent);
    void navigate(const QUrl &url);  // does not wait for the page
    bool showsOfflinePage() const { return m_offline; }
    QUrl requestedUrl() const { return m_home; }  // the page asked for, loaded or not

    static QString offlinePage();

private:
    void pageLoaded(bool ok);
    QUrl m_home;
    bool m_offline = false;
};
