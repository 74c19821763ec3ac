// The yardstick for memory and start-up: a bare Qt window holding only a web view and a
// chart, built the way the toolkit's documentation shows, with every setting left at its
// default. It asks for the same page as the program and, when that cannot be reached,
// shows the same built-in page, so both engines end up rendering the same document.
// Prints "bare-window page-shown" on stderr once the view has shown a page.
// Usage: bare_window URL OFFLINE_HTML_FILE
#include <QApplication>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QFile>
#include <QHBoxLayout>
#include <QWebEngineView>
#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: bare_window URL OFFLINE_HTML_FILE\n");
        return 2;
    }
    QFile offline(QString::fromLocal8Bit(argv[2]));
    if (!offline.open(QIODevice::ReadOnly)) return 2;
    const QString offlineHtml = QString::fromUtf8(offline.readAll());

    QWidget window;
    window.resize(807, 563);
    auto *layout = new QHBoxLayout(&window);
    auto *chart = new QChart;
    auto *set = new QBarSet(QStringLiteral("values"));
    for (int i = 1; i <= 109; ++i) *set << i;
    auto *series = new QBarSeries;
    series->append(set);
    chart->addSeries(series);
    chart->createDefaultAxes();
    layout->addWidget(new QChartView(chart), 3);
    auto *view = new QWebEngineView;
    layout->addWidget(view, 1);
    bool offlineShown = false;
    QObject::connect(view, &QWebEngineView::loadFinished, view, [&](bool ok) {
        if (ok) {
            std::fprintf(stderr, "bare-window page-shown\n");
            std::fflush(stderr);
        } else if (!offlineShown) {
            offlineShown = true;
            view->setHtml(offlineHtml);
        }
    });
    view->load(QUrl(QString::fromLocal8Bit(argv[1])));
    window.show();
    return app.exec();
}
