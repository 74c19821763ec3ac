#include "TablePicture.h"

#include "colouring/Legend.h"
#include "widgets/Fonts.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kMargin = 12;
constexpr double kLegendPoints = 9;
constexpr int kMostLegendWidth = 560;  // wider, the two extremes sit too far apart

QFont legendFont()
{
    return Fonts::sansSerif(kLegendPoints, false);
}

int bandHeight()
{
    return int(Legend::height(legendFont())) + 2 * kMargin;
}

}  // namespace

namespace TablePicture {

QSize withLegend(QSize table, const LegendData *legend)
{
    return legend ? QSize(table.width(), table.height() + bandHeight()) : table;
}

void paintLegend(QPainter &painter, QSize table, const LegendData &legend, const QColor &ground)
{
    painter.save();
    painter.fillRect(QRect(0, table.height(), table.width(), bandHeight()), ground);
    painter.setFont(legendFont());
    const int width = std::min(table.width() - 2 * kMargin, kMostLegendWidth);
    Legend::paint(painter,
                  QRectF(kMargin, table.height() + kMargin, width, bandHeight() - 2 * kMargin),
                  legend);
    painter.restore();
}

}  // namespace TablePicture
