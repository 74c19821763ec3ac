#pragma once

#include <QtPlugin>

class QWidget;

// What the web view plugin offers the program. The plugin is the only part of the program
// that links the browser engine; the program loads it with QPluginLoader once the product
// page is known to answer, so a start without network never maps the engine.
//
// The pane made by createPane() is a QWidget with
//   slot   navigate(QUrl)       loads the page; links to other sites go to the desktop's browser
//   signal loadFinished(bool)   true once the page is shown
// reached through the meta-object system (QMetaObject::invokeMethod, a SIGNAL() connection),
// so neither side needs the other's classes.
class BrowserPaneFactory {
public:
    virtual ~BrowserPaneFactory() = default;
    virtual QWidget *createPane(QWidget *parent) = 0;
};

#define BrowserPaneFactory_iid "example.ferrova.periodic.BrowserPaneFactory/1.0"
Q_DECLARE_INTERFACE(BrowserPaneFactory, BrowserPaneFactory_iid)
