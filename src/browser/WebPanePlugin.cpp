#include "WebPanePlugin.h"

#include "WebPane.h"

QWidget *WebPanePlugin::createPane(QWidget *parent)
{
    return new WebPane(parent);
}
