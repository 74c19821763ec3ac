#pragma once

#include <QObject>
#include <QString>
#include <QUrl>
#include <QtPlugin>
#include <chrono>

// What the network plugin offers the program: asking the product site whether its page can
// be shown. Qt Network and the libraries under it (Kerberos, proxy configuration) are linked
// by the plugin alone, which the browser pane loads after the main window's first frame.
//
// Both sides compile this header and its meta-object (ferrova_network_interface).
class PageQuestion : public QObject {
    Q_OBJECT
public:
    enum class Answer { Reachable, Unreachable, UntrustedCertificate };

    using QObject::QObject;
    virtual void setTimeout(std::chrono::milliseconds timeout) = 0;
    // answered() follows once; asking again while a request is out starts nothing new.
    virtual void ask(const QUrl &url) = 0;
    virtual bool asking() const = 0;

signals:
    // Reachable: the server answered with success (2xx, after redirects on the same site).
    // Otherwise reason says why not (no network, unknown name, HTTP error, no answer in
    // time, a redirect elsewhere, the certificate).
    void answered(PageQuestion::Answer answer, const QString &reason);
};

class PageQuestionFactory {
public:
    virtual ~PageQuestionFactory() = default;
    virtual PageQuestion *createQuestion(QObject *parent) = 0;
};

// The version goes up whenever the classes above change.
#define PageQuestionFactory_iid "example.ferrova.periodic.PageQuestionFactory/1.0"
Q_DECLARE_INTERFACE(PageQuestionFactory, PageQuestionFactory_iid)
