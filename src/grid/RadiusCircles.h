#pragma once

#include <QPointF>
#include <QRectF>
#include <QtGlobal>

// Filled circles that picture the radii on the grid, in the window's twips.
namespace RadiusCircles {

struct Circle {
    QPointF centre;  // twips
    double radius;   // twips
    quint32 colour;  // colour number
};

// Centre near the symbol that the cell draws at its top: (left + width / 2.2,
// top + height / 4.6); radius `radiusField` x 80 twips; colour rounded half to even and
// clamped to 0..0xFFFFFF.
Circle circleFor(const QRectF &cellTwips, float radiusField, float colourNumber);

}  // namespace RadiusCircles
