#pragma once

#include <QRectF>
#include <QVector>

// Moving a keyboard position over controls laid out in rows and columns, found from the
// controls' rectangles alone, so that gaps in a layout need no table of their own.
namespace GridNavigation {

enum class Move { Left, Right, Up, Down, RowStart, RowEnd };

struct Cell {
    int index;
    QRectF rect;
};

// The cell that `move` reaches from the rectangle `from`, or 0 when none lies that way.
// A row holds the cells whose centres lie within the height of `from`, a column those
// whose centres lie within its width; a move goes on past empty places to the nearest
// cell in its row or column.
int neighbour(const QVector<Cell> &cells, const QRectF &from, Move move);

// The indexes in reading order: top row first, left to right within a row.
QVector<int> readingOrder(QVector<Cell> cells);

}  // namespace GridNavigation
