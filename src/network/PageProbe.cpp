#include "PageProbe.h"

#include <QHostInfo>
#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>
#include <algorithm>
#include <utility>

namespace {

constexpr int kHttpOk = 200;
constexpr int kHttpFirstNotOk = 300;

// Whether the request goes to the site itself rather than to a proxy.
bool direct(const QUrl &url)
{
    const QList<QNetworkProxy> proxies =
        QNetworkProxyFactory::systemProxyForQuery(QNetworkProxyQuery(url));
    return proxies.isEmpty() || proxies.constFirst().type() == QNetworkProxy::NoProxy;
}

}  // namespace

PageProbe::PageProbe(QObject *parent) : PageQuestion(parent)
{
    m_lookupLimit.setSingleShot(true);
    connect(&m_lookupLimit, &QTimer::timeout, this, [this] {
        QHostInfo::abortHostLookup(std::exchange(m_lookup, kNoLookup));
        emit answered(Answer::Unreachable, QStringLiteral("no answer in time"));
    });
}

PageProbe::~PageProbe()
{
    if (m_reply) m_reply->abort();
    if (m_lookup != kNoLookup) QHostInfo::abortHostLookup(m_lookup);
}

void PageProbe::ask(const QUrl &url)
{
    if (asking()) return;
    if (!m_network) {
        // Behind a proxy the product page is only reachable through it, as in the desktop's
        // browser.
        QNetworkProxyFactory::setUseSystemConfiguration(true);
        m_network = new QNetworkAccessManager(this);
    }
    m_untrusted = false;
    m_deadline = QDeadlineTimer(m_timeout);
    if (url.scheme() == QLatin1String("https") && direct(url))
        lookUp(url);
    else
        get(url);
}

// For an https request Qt Network loads the TLS library (5 MB, and 15 ms on the development
// machine) before it looks the name up. Without network the name does not resolve, so it is
// looked up first and that case stays as light as it was; behind a proxy, the proxy looks.
void PageProbe::lookUp(const QUrl &url)
{
    m_lookup = QHostInfo::lookupHost(url.host(), this, [this, url](const QHostInfo &host) {
        m_lookupLimit.stop();
        m_lookup = kNoLookup;
        if (host.error() == QHostInfo::NoError)
            get(url);
        else
            emit answered(Answer::Unreachable, host.errorString());
    });
    m_lookupLimit.start(int(m_deadline.remainingTime()));
}

void PageProbe::get(const QUrl &url)
{
    QNetworkRequest request(url);
    // At least 1 ms: 0 would mean no limit.
    request.setTransferTimeout(int(std::max<qint64>(1, m_deadline.remainingTime())));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // The web view will not follow a redirect off the site either.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    m_reply = m_network->get(request);
    connect(m_reply, &QNetworkReply::finished, this, &PageProbe::finished);
    // Not ignored, so the request fails; noted to tell the user why.
    connect(m_reply, &QNetworkReply::sslErrors, this, [this] { m_untrusted = true; });
}

void PageProbe::finished()
{
    QNetworkReply *reply = m_reply;
    m_reply = nullptr;
    reply->deleteLater();
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    const bool ok =
        reply->error() == QNetworkReply::NoError && status >= kHttpOk && status < kHttpFirstNotOk;
    QString reason;
    if (!ok) reason = status > 0 ? QStringLiteral("HTTP %1").arg(status) : reply->errorString();
    const Answer answer = ok            ? Answer::Reachable
                          : m_untrusted ? Answer::UntrustedCertificate
                                        : Answer::Unreachable;
    emit answered(answer, reason);
}
