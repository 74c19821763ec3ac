#pragma once

#include <QDeadlineTimer>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <chrono>

#include "PageQuestion.h"

class QNetworkAccessManager;
class QNetworkReply;

// Asks a web server whether a page can be shown, before anything heavier is started for it:
// one GET through Qt Network, with the system's proxy settings and a time limit. Only what
// the web view would show counts: a certificate that cannot be verified or a redirect to
// another site (scheme, host or port) is a no.
class PageProbe : public PageQuestion {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{4000};

    explicit PageProbe(QObject *parent = nullptr);
    ~PageProbe() override;
    void setTimeout(std::chrono::milliseconds timeout) override { m_timeout = timeout; }

    void ask(const QUrl &url) override;
    bool asking() const override { return !m_reply.isNull() || m_lookup != kNoLookup; }

private:
    static constexpr int kNoLookup = -1;

    void lookUp(const QUrl &url);
    void get(const QUrl &url);
    void finished();
    QNetworkAccessManager *m_network = nullptr;  // made on the first ask, after start-up
    QPointer<QNetworkReply> m_reply;
    int m_lookup = kNoLookup;  // the host name lookup that goes before an https request
    QTimer m_lookupLimit;
    QDeadlineTimer m_deadline;  // for the whole question, lookup and request
    bool m_untrusted = false;   // the reply reported certificate errors
    std::chrono::milliseconds m_timeout = kDefaultTimeout;
};
