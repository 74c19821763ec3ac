#pragma once

#include <QObject>

#include "BrowserPaneFactory.h"

// The plugin's entry point: makes WebPane objects for the program.
class WebPanePlugin : public QObject, public BrowserPaneFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID BrowserPaneFactory_iid)
    Q_INTERFACES(BrowserPaneFactory)
public:
    BrowserView *createPane(QWidget *parent) override;
};
