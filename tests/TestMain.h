#pragma once

#include <QApplication>
#include <QtTest>

#include "productpage/BrowserEngine.h"
#include "widgets/ToolkitTranslation.h"

// Like QTEST_MAIN, but the browser engine is set up as the program sets it up, before the
// application object exists, and the toolkit speaks Chinese as in the program.
#define FERROVA_TEST_MAIN(TestClass)                                \
    int main(int argc, char *argv[])                                \
    {                                                               \
        BrowserEngine::configure();                                 \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); \
        QApplication app(argc, argv);                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                    \
        ToolkitTranslation::install(app);                           \
        TestClass test;                                             \
        return QTest::qExec(&test, argc, argv);                     \
    }
