#pragma once

#include <QUrl>
#include <QWebEngineView>

// The web view inside the browser pane: the maker's product page. Links to other sites open
// in the user's own browser.
class WebPane : public QWebEngineView {
    Q_OBJECT
    // Whether the pane keeps nothing on the user's disk (its profile is off the record).
    Q_PROPERTY(bool offTheRecord READ offTheRecord CONSTANT)
public:
    explicit WebPane(QWidget *parent);
    bool offTheRecord() const;

public slots:
    void navigate(const QUrl &url);

private:
    QUrl m_home;
};
