#pragma once

#include <QColor>
#include <QSize>

struct LegendData;
class QPainter;

// The coloured table on paper and in pictures: the legend in a band under the table, in
// the tool window's type, on the table's own ground.
namespace TablePicture {

// The picture of a table `table` pixels large, with the legend under it when there is one.
QSize withLegend(QSize table, const LegendData *legend);
// Draws `legend` in its band, filled with `ground`, under a table `table` pixels large.
void paintLegend(QPainter &painter, QSize table, const LegendData &legend, const QColor &ground);

}  // namespace TablePicture
