#include "RadiusCircles.h"

#include <algorithm>
#include <cmath>

namespace RadiusCircles {

Circle circleFor(const QRectF &cellTwips, float radiusField, float colourNumber)
{
    const float centreX = float(cellTwips.left() + cellTwips.width() / 2.2);
    const float centreY = float(cellTwips.top() + cellTwips.height() / 4.6);
    const float radius = float(double(radiusField) * 80);
    // Colours outside 0..0xFFFFFF cannot come from the options dialog, but a hand-edited
    // white (16777215) is saved with seven digits and reads back as 16777220: clamped, it
    // stays white instead of wrapping round to near black.
    const double rounded = std::nearbyint(double(colourNumber));
    const quint32 colour = std::isnan(rounded) ? 0 : quint32(std::clamp(rounded, 0.0, 16777215.0));
    return {QPointF(centreX, centreY), radius, colour};
}

}  // namespace RadiusCircles
