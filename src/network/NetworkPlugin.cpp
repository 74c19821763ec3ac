#include "NetworkPlugin.h"

#include "PageProbe.h"

PageQuestion *NetworkPlugin::createQuestion(QObject *parent)
{
    return new PageProbe(parent);
}
