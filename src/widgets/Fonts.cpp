#include "Fonts.h"

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

}  // namespace Fonts
