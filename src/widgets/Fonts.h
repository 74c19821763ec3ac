#pragma once

#include <QFont>

// The designs name Windows faces; these are their counterparts here (Liberation Sans is
// metric-compatible with Arial), with Noto Sans CJK for the Chinese texts.
namespace Fonts {

QFont arial(double points, bool bold);
QFont sansSerif(double points, bool bold);  // stands in for "MS Sans Serif"

// The application's own font keeps the desktop's face for Latin text and takes Noto Sans
// CJK SC for Chinese, whatever the locale: a Simplified Chinese interface wants its glyph
// forms, and one CJK face for every text loads that large font once. It looks the desktop's
// face up, so the main window calls it after its first frame.
void useSimplifiedChineseFallback();

}  // namespace Fonts
