#pragma once

// The start-up cut of Noto Sans CJK SC (widgets/Fonts.h), kept in the program. Laying out the
// built-in page and the chart's hint with it touches a few hundred kilobytes of the program
// instead of about ten megabytes of the system's 20 MB font collections, which would stay
// in memory as long as the texts are shown; the glyphs are the same.
namespace StartupFont {

// Registers it with the toolkit, once, before the texts that name it are laid out; false
// (and a warning) when the program lacks it, and the system's font is used as before.
bool add();

}  // namespace StartupFont
