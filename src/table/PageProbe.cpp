#include "PageProbe.h"

#include <QNetworkAccessManager>
#include <QNetworkProxyFactory>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QSslError>

namespace {

constexpr int kHttpOk = 200;
constexpr int kHttpFirstNotOk = 300;

}  // namespace

PageProbe::PageProbe(QObject *parent) : QObject(parent) {}

PageProbe::~PageProbe()
{
    if (m_reply) m_reply->abort();
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
    QNetworkRequest request(url);
    request.setTransferTimeout(int(m_timeout.count()));
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    // The web view will not follow a redirect off the site either.
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::SameOriginRedirectPolicy);
    m_untrusted = false;
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
