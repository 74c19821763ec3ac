#include "StartupFont.h"

#include <QFontDatabase>
#include <QResource>

#include "widgets/Fonts.h"

namespace StartupFont {

bool add()
{
    static const bool added = [] {
        for (const char *file : {":/fonts/start-regular.otf", ":/fonts/start-bold.otf"}) {
            // Stored uncompressed, so the toolkit reads the font where it lies in the program.
            const QResource resource(QString::fromLatin1(file));
            const int id = QFontDatabase::addApplicationFontFromData(resource.uncompressedData());
            if (QFontDatabase::applicationFontFamilies(id).value(0) != Fonts::startupFamily()) {
                qWarning("no start-up font in %s", file);
                return false;
            }
        }
        return true;
    }();
    return added;
}

}  // namespace StartupFont
