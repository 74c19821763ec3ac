#pragma once

#include <QFont>

// The designs name Windows faces; these are their counterparts here (Liberation Sans is
// metric-compatible with Arial), with Noto Sans CJK for the Chinese texts.
namespace Fonts {

QFont arial(double points, bool bold);
QFont sansSerif(double points, bool bold);  // stands in for "MS Sans Serif"

// A font of the toolkit's own (the chart's texts) with, after the face it stands for, the
// start-up cut of Noto Sans CJK SC and then the whole font, as above: otherwise its Chinese
// falls back to whichever language's Noto Sans CJK the locale picks (Japanese glyph forms
// in an English one).
QFont withChinese(QFont font);
// The family of that cut: the characters of the Chinese texts the window shows at start,
// made from Noto Sans CJK SC when the program is built (tools/subset_startup_font.py).
QString startupFamily();

}  // namespace Fonts
