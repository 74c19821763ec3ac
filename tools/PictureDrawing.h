#pragma once

#include "widgets/RenderedPictures.h"

#include <QImage>
#include <QList>
#include <QString>

#include <utility>

// Draws the pictures of RenderedPictures from the SVG glyphs and PNG files of
// resources/icons. The build runs it through tools/render_pictures.cpp and the tests run
// it to compare; the program itself never parses SVG for a button.
namespace PictureDrawing {

using Request = std::pair<int, int>;  // key and scale, as in RenderedPictures::Picture

// Every picture the program shows: each button's two faces and the close box at device
// pixel ratios 1 and 2, the window icons at each of their sizes.
QList<Request> everyPicture();

// A Format_ARGB32_Premultiplied image from the glyphs in `folder`, or a null image when
// there is no such picture or its glyph cannot be read.
QImage draw(const QString &folder, int key, int scale);

}  // namespace PictureDrawing
