#pragma once

#include <QApplication>
#include <QtTest>

// Like QTEST_MAIN, but the browser engine needs OpenGL contexts shared before the
// application object exists.
#define FERROVA_TEST_MAIN(TestClass)                                \
    int main(int argc, char *argv[])                                \
    {                                                               \
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts); \
        QApplication app(argc, argv);                               \
        app.setAttribute(Qt::AA_Use96Dpi, true);                    \
        TestClass test;                                             \
        return QTest::qExec(&test, argc, argv);                     \
    }
