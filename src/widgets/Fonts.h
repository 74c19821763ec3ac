#pragma once

#include <QFont>

// The designs name Windows faces; these are their counterparts here (Liberation Sans is
// metric-compatible with Arial), with Noto Sans CJK for the Chinese texts.
namespace Fonts {

QFont arial(double points, bool bold);
QFont sansSerif(double points, bool bold);  // stands in for "MS Sans Serif"

}  // namespace Fonts
