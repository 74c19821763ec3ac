#include "WebPanePlugin.h"

#include "WebPane.h"

BrowserView *WebPanePlugin::createPane(QWidget *parent)
{
    return new WebPane(parent);
}
