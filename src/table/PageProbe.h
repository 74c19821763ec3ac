#pragma once

#include <QDeadlineTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <chrono>

class QNetworkAccessManager;
class QNetworkReply;

// Asks a web server whether a page can be shown, before anything heavier is started for it:
// one GET through Qt Network, with the system's proxy settings and a time limit. Only what
// the web view would show counts: a certificate that cannot be verified or a redirect to
// another site (scheme, host or port) is a no.
class PageProbe : public QObject {
    Q_OBJECT
public:
    static constexpr std::chrono::milliseconds kDefaultTimeout{4000};

    enum class Answer { Reachable, Unreachable, UntrustedCertificate };

    explicit PageProbe(QObject *parent = nullptr);
    ~PageProbe() override;
    void setTimeout(std::chrono::milliseconds timeout) { m_timeout = timeout; }

    // answered() follows once; asking again while a request is out starts nothing new.
    void ask(const QUrl &url);
    bool asking() const { return !m_reply.isNull() || m_lookup != kNoLookup; }

signals:
    // Reachable: the server answered with success (2xx, after redirects on the same site).
    // Otherwise reason says why not (no network, unknown name, HTTP error, no answer in
    // time, a redirect elsewhere, the certificate).
    void answered(PageProbe::Answer answer, const QString &reason);

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
