#pragma once

#include "BrowserPaneFactory.h"

class ProductPage;
class QWebEngineView;

// The web view inside the browser pane: the maker's product page, kept to the product site.
// Links to other sites open in the user's own browser; nothing else may take the pane off
// the site, and the page gets no downloads, windows or devices.
class WebPane : public BrowserView {
    Q_OBJECT
    // Whether the pane keeps nothing on the user's disk (its profile is off the record).
    Q_PROPERTY(bool offTheRecord READ offTheRecord CONSTANT)
public:
    explicit WebPane(QWidget *parent);
    void navigate(const QUrl &home) override;
    bool offTheRecord() const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWebEngineView *m_view;
    ProductPage *m_page;
};
