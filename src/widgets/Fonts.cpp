#include "Fonts.h"

#include <QFontInfo>
#include <QStringList>

namespace {

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

QFont withChinese(QFont font)
{
    // A generic family ("Sans Serif") is resolved only when named alone: the face it stands
    // for here goes first, so that the Latin text and the line height stay as they were.
    font.setFamilies(
        {QFontInfo(font).family(), startupFamily(), QStringLiteral("Noto Sans CJK SC")});
    return font;
}

QString startupFamily()
{
    return QStringLiteral("Ferrova Start Sans");
}

}  // namespace Fonts
