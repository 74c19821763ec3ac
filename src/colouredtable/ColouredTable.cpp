#include "ColouredTable.h"

#include "chartplugin/ChartPlugin.h"
#include "colouring/PropertyValues.h"
#include "colouringwindow/CellColouring.h"
#include "colouringwindow/TablePicture.h"
#include "files/ElementFile.h"
#include "grid/ElementCell.h"
#include "grid/PeriodicGrid.h"

#include <QPainter>
#include <algorithm>

namespace {

constexpr int kMargin = 12;

// Where the cells lie on the grid, with a margin round them.
QRect cellsRect(const PeriodicGrid &grid)
{
    QRect cells;
    for (int n = 1; n <= mod_Vantrel::kElementCount; ++n) cells |= grid.cell(n)->geometry();
    return cells.adjusted(-kMargin, -kMargin, kMargin, kMargin);
}

}  // namespace

namespace ColouredTable {

Written write(ChartPlugin &output, const QString &key, const QString &path, QSize size)
{
    const std::optional<PropertyValues> values = PropertySource::load(key);
    if (!values) return Written::UnknownProperty;
    // The grid as the window makes it, without group colours; a parent of its own stands
    // for the window, so the grid counts as showing its normal look.
    QWidget window;
    auto *grid = new PeriodicGrid(&window);
    grid->showGroups(false);
    ElementFile::scan(ElementFile::Numbers::Grid, [grid](const auto &record) {
        grid->applyRecord(record);
        return ElementFile::Next::Continue;
    });
    const QRect table = cellsRect(*grid);
    grid->resize(table.bottomRight().x() + 1, table.bottomRight().y() + 1);
    QVector<QLabel *> cells;
    for (int n = 0; n <= mod_Vantrel::kElementCount; ++n) cells.append(grid->cell(n));
    auto *colouring = new CellColouring(
        grid, {cells, [grid] { return grid->normalLinesShown(); }, [] { return false; }});
    colouring->show(*values);

    const QSize natural = TablePicture::withLegend(table.size(), colouring->legend());
    const QSize picture = size.isEmpty() ? natural : size;
    const auto paint = [&](QPainter &painter) {
        painter.fillRect(QRect(QPoint(), picture), Qt::white);
        const qreal scale = std::min(qreal(picture.width()) / natural.width(),
                                     qreal(picture.height()) / natural.height());
        painter.translate((picture.width() - natural.width() * scale) / 2,
                          (picture.height() - natural.height() * scale) / 2);
        painter.scale(scale, scale);
        grid->render(&painter, QPoint(), QRegion(table), QWidget::DrawChildren);
        TablePicture::paintLegend(painter, table.size(), *colouring->legend(), Qt::white);
    };
    const QString title = QStringLiteral("元素周期表：%1").arg(values->label);
    return output.writePicture(path, title, picture, paint) == ChartPlugin::Written::Done
               ? Written::Done
               : Written::UnknownFormat;
}

}  // namespace ColouredTable
