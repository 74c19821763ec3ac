#pragma once

#include "PageQuestion.h"

// The plugin's entry point: makes PageProbe objects for the browser pane.
class NetworkPlugin : public QObject, public PageQuestionFactory {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID PageQuestionFactory_iid)
    Q_INTERFACES(PageQuestionFactory)
public:
    PageQuestion *createQuestion(QObject *parent) override;
};
