#pragma once

#include <QColor>
#include <QLineF>
#include <QRectF>
#include <QString>
#include <QVector>

// The fixed layout of the main window's periodic grid, in twips.
namespace ElementGrid {

constexpr double kCellSize = 495;
constexpr double kPitch = 480;

// Grid row (1-7 periods, 8 and 9 the two separate rows) and column (1-18) of element n.
struct Place {
    int row;
    int column;
};
Place placeOf(int atomicNumber);

// The cell of element n (1..109); the hidden cell 0 for n = 0.
QRectF cellRect(int atomicNumber);

struct Backdrop {
    QColor colour;
    QRectF rect;
};
const QVector<Backdrop> &backdrops();  // shp_Group(0..6)

const QVector<QLineF> &staircase();  // lne_Lines(0..8), by index
QColor staircaseColour();

// Text colour of a symbol by phase code; an invalid colour for an unknown code.
QColor phaseColour(const QString &phaseCode);

}  // namespace ElementGrid
