#include "GridNavigation.h"

#include <algorithm>
#include <limits>

namespace GridNavigation {

namespace {

bool sameRow(const QRectF &from, const QRectF &cell)
{
    const double y = cell.center().y();
    return y > from.top() && y < from.bottom();
}

bool sameColumn(const QRectF &from, const QRectF &cell)
{
    const double x = cell.center().x();
    return x > from.left() && x < from.right();
}

// How far ahead `cell` lies in the direction of `move`; 0 or less when it is not ahead.
double ahead(const QRectF &from, const QRectF &cell, Move move)
{
    const QPointF a = from.center();
    const QPointF b = cell.center();
    switch (move) {
        case Move::Right: return sameRow(from, cell) ? b.x() - a.x() : 0;
        case Move::Left: return sameRow(from, cell) ? a.x() - b.x() : 0;
        case Move::Down: return sameColumn(from, cell) ? b.y() - a.y() : 0;
        case Move::Up: return sameColumn(from, cell) ? a.y() - b.y() : 0;
        case Move::RowStart:
        case Move::RowEnd: break;
    }
    return 0;
}

int rowEnd(const QVector<Cell> &cells, const QRectF &from, Move move)
{
    int best = 0;
    double bestX = 0;
    for (const Cell &cell : cells) {
        if (!sameRow(from, cell.rect)) continue;
        const double x = cell.rect.center().x();
        const bool further = move == Move::RowStart ? x < bestX : x > bestX;
        if (best == 0 || further) {
            best = cell.index;
            bestX = x;
        }
    }
    return best;
}

}  // namespace

int neighbour(const QVector<Cell> &cells, const QRectF &from, Move move)
{
    if (move == Move::RowStart || move == Move::RowEnd) return rowEnd(cells, from, move);
    int best = 0;
    double nearest = std::numeric_limits<double>::max();
    for (const Cell &cell : cells) {
        const double d = ahead(from, cell.rect, move);
        if (d > 0 && d < nearest) {
            nearest = d;
            best = cell.index;
        }
    }
    return best;
}

QVector<int> readingOrder(QVector<Cell> cells)
{
    std::stable_sort(cells.begin(), cells.end(), [](const Cell &a, const Cell &b) {
        if (a.rect.top() != b.rect.top()) return a.rect.top() < b.rect.top();
        return a.rect.left() < b.rect.left();
    });
    QVector<int> order;
    for (const Cell &cell : cells) order.append(cell.index);
    return order;
}

}  // namespace GridNavigation
