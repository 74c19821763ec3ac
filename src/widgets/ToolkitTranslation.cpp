#include "ToolkitTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace ToolkitTranslation {

namespace {

// The base catalogue covers widgets and standard dialogs; the browser pane's context menu
// has a catalogue of its own.
const char *const kCatalogues[] = {"qtbase_zh_CN", "qtwebengine_zh_CN"};

}  // namespace

bool install(QCoreApplication &app)
{
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    bool baseLoaded = false;
    for (const char *catalogue : kCatalogues) {
        auto *translator = new QTranslator(&app);
        if (translator->load(QLatin1String(catalogue), folder) &&
            QCoreApplication::installTranslator(translator)) {
            baseLoaded = baseLoaded || catalogue == kCatalogues[0];
        } else {
            delete translator;
        }
    }
    return baseLoaded;
}

}  // namespace ToolkitTranslation
