#pragma once

#include <QIcon>
#include <QPixmap>

// The pictures of the picture buttons, the close box of the details panel and the
// window icons. Their SVG glyphs are composed onto the button face when the program is
// built, at device pixel ratios 1 and 2 (tools/PictureDrawing.cpp), so that they are
// sharp on high-DPI screens and showing one parses no SVG.
namespace ButtonPictures {

// Button numbers; a button's highlight picture (shown under the mouse) is its number
// plus kHighlight.
enum Button {
    AtomicWeight = 1,
    MeltingPoint = 2,
    BoilingPoint = 3,
    Density = 4,
    AtomicRadius = 5,
    CovalentRadius = 6,
    ElectronAffinity = 7,
    FusionEnthalpy = 8,
    VaporisationEnthalpy = 9,
    Save = 70,
    Cancel = 71,
    Chart = 80,
    Options = 81,
    PeriodicTable = 82,
    About = 83,
    Exit = 90,
};
constexpr int kHighlight = 100;
constexpr int kSizePx = 22;  // shown at 330 x 330 twips
constexpr int kCloseSizePx = 13;

// Index 1..100 gives the normal face, 101..200 the highlighted one: the same glyph on a
// raised, yellowish face with a darker frame. A null pixmap for numbers without a button.
// The pixmap is kSizePx x kSizePx device-independent pixels, carrying `devicePixelRatio`;
// ratios other than 1 and 2 get the 2x picture (the 1x one below 1) smoothly scaled.
QPixmap picture(int index, qreal devicePixelRatio);

// A cross in a small square, kCloseSizePx x kCloseSizePx device-independent pixels.
QPixmap closePicture(qreal devicePixelRatio);

QIcon mainWindowIcon();   // a small periodic table: 16, 32, 64, 128, 256 pixels
QIcon chartWindowIcon();  // a bar chart in the same colours: 16, 32, 64 pixels

}  // namespace ButtonPictures
