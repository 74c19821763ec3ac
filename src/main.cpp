#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

#include "CommandLine.h"
#include "files/DataError.h"
#include "mainwindow/FrmVantrel.h"
#include "plugins/Plugins.h"
#include "productpage/BrowserEngine.h"
#include "startup/StartupTrace.h"
#include "widgets/Dialogs.h"
#include "widgets/ToolkitTranslation.h"

int main(int argc, char *argv[])
{
    StartupTrace::start();
    if (CommandLine::isWindowless(argc, argv)) return CommandLine::run(argc, argv);
    BrowserEngine::configure();
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ferrova-periodic"));
    QApplication::setApplicationVersion(QStringLiteral(FERROVA_VERSION));
    ToolkitTranslation::install(app);
    StartupTrace::mark("application");

    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Ferrova元素周期表"));
    options.addHelpOption();
    const QCommandLineOption productUrl(
        QStringLiteral("product-url"),
        QStringLiteral("浏览器窗格显示的产品网页地址（默认：%1）").arg(Plugins::productPage()),
        QStringLiteral("URL"));
    options.addOption(productUrl);
    options.process(app);

    frm_Vantrel window;
    if (options.isSet(productUrl))
        window.setProductPage(QUrl::fromUserInput(options.value(productUrl)));
    try {
        window.Form_Load();
    } catch (const DataError &error) {
        // Without its element data the program has nothing to show. Without a screen
        // (headless runs) nobody could close the box, so stderr alone carries the message.
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal"))
            std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        else
            Dialogs::showError(nullptr, error);
        return 1;
    }
    StartupTrace::mark("grid-loaded");
    window.show();
    return app.exec();
}
