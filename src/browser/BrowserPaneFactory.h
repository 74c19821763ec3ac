#pragma once

#include <QUrl>
#include <QWidget>
#include <QtPlugin>

// What the web view plugin offers the program. The plugin is the only part of the program
// that links the browser engine; the program loads it with QPluginLoader once the product
// page is known to answer, so a start without network never maps the engine.
//
// Both sides compile this header and its meta-object (the ferrova_browser_interface
// library), so a call or a connection that does not match the interface fails to build
// instead of failing quietly at run time.

// The web view as the program sees it. It keeps to the site of the page it was sent to:
// links to other sites go to the desktop's browser, everything else that would leave the
// site, open a window, download or ask for a device is refused.
class BrowserView : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    // Loads the page; an address that is not http: or https: is refused (loadFinished(false)).
    virtual void navigate(const QUrl &home) = 0;

signals:
    void loadFinished(bool ok);  // after every page load; false when it failed
    // The site's certificate could not be verified; the page is not loaded.
    void certificateRejected();
};

class BrowserPaneFactory {
public:
    virtual ~BrowserPaneFactory() = default;
    virtual BrowserView *createPane(QWidget *parent) = 0;
};

// The version goes up whenever the classes above change, so an old plugin is turned away by
// QPluginLoader instead of being called through the wrong layout.
#define BrowserPaneFactory_iid "example.ferrova.periodic.BrowserPaneFactory/2.0"
Q_DECLARE_INTERFACE(BrowserPaneFactory, BrowserPaneFactory_iid)
