#pragma once

#include <QApplication>
#include <QtTest>

#include "widgets/ToolkitTranslation.h"

// Like QTEST_MAIN, with the toolkit speaking Chinese at 96 dpi as in the program, for tests
// that link the widget layer alone (no browser engine to set up).
#define FERROVA_WIDGET_TEST_MAIN(TestClass)      \
    int main(int argc, char *argv[])             \
    {                                            \
        QApplication app(argc, argv);            \
        app.setAttribute(Qt::AA_Use96Dpi, true); \
        ToolkitTranslation::install(app);        \
        TestClass test;                          \
        return QTest::qExec(&test, argc, argv);  \
    }
