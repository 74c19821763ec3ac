#include "Fonts.h"

#include <QFontInfo>
#include <QGuiApplication>
#include <QStringList>

namespace {

const QString kChinese = QStringLiteral("Noto Sans CJK SC");

QFont make(const QStringList &families, double points, bool bold)
{
    QFont font;
    font.setFamilies(families);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

namespace Fonts {

QFont arial(double points, bool bold)
{
    return make({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                 QStringLiteral("Noto Sans CJK SC")},
                points, bold);
}

QFont sansSerif(double points, bool bold)
{
    return make({QStringLiteral("Liberation Sans"), QStringLiteral("Noto Sans CJK SC"),
                 QStringLiteral("Sans Serif")},
                points, bold);
}

void useSimplifiedChineseFallback()
{
    QFont font = QGuiApplication::font();
    // A generic name such as "Sans Serif" is no face of its own: name the face it stands
    // for, or the Chinese face would take the Latin text too.
    const QString face = QFontInfo(font).family();
    if (face == kChinese) return;
    font.setFamilies({face, kChinese});
    QGuiApplication::setFont(font);
}

}  // namespace Fonts
