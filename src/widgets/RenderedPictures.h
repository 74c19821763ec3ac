#pragma once

#include <QtGlobal>

// The pictures ButtonPictures hands out, drawn when the program is built
// (tools/render_pictures.cpp writes RenderedPictures.cpp into the build folder) and kept
// as premultiplied ARGB32 pixels: showing one needs neither SVG nor an image decoder.
namespace RenderedPictures {

// What a picture is: a button picture number (1 to 200, see ButtonPictures::picture) or
// one of these.
enum Key {
    Close = 1000,
    MainIcon = 1001,
    ChartIcon = 1002,
};

struct Picture {
    int key;
    int scale;  // device pixel ratio of a button or the close box, the size of an icon
    int width;  // in pixels
    int height;
    const quint32 *pixels;  // width * height, row after row
};

extern const Picture kPictures[];
extern const int kPictureCount;

}  // namespace RenderedPictures
