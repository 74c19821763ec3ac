#include "RadiusCircles.h"

#include <cmath>

namespace RadiusCircles {

Circle circleFor(const QRectF &cellTwips, float radiusField, float colourNumber)
{
    const float centreX = float(cellTwips.left() + cellTwips.width() / 2.2);
    const float centreY = float(cellTwips.top() + cellTwips.height() / 4.6);
    const float radius = float(double(radiusField) * 80);
    // Colours outside 0..0xFFFFFF cannot come from the options dialog; keep the low bytes.
    const double rounded = std::nearbyint(double(colourNumber));
    const quint32 colour = std::isfinite(rounded) && rounded >= 0 && rounded <= 0xFFFFFFFF
                               ? quint32(qint64(rounded)) & 0xFFFFFF
                               : 0;
    return {QPointF(centreX, centreY), radius, colour};
}

}  // namespace RadiusCircles
