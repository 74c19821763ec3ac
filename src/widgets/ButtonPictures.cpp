#include "ButtonPictures.h"

#include "RenderedPictures.h"

#include <cmath>

// The resources (the browser pane's offline page) live in this static library and
// register themselves at start once linked: this reference makes the linker keep them.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace ButtonPictures {

namespace {

// The image shares the program's read-only pixels; a pixmap made from it takes a copy.
QImage rendered(int key, int scale)
{
    for (int i = 0; i < RenderedPictures::kPictureCount; ++i) {
        const RenderedPictures::Picture &picture = RenderedPictures::kPictures[i];
        if (picture.key != key || picture.scale != scale) continue;
        return QImage(reinterpret_cast<const uchar *>(picture.pixels), picture.width,
                      picture.height, QImage::Format_ARGB32_Premultiplied);
    }
    return QImage();
}

// Pictures exist at ratios 1 and 2; any other ratio gets the 2x one (the 1x one below 1)
// scaled smoothly, a little softer than a drawing at that ratio would be but with no
// SVG to parse.
QPixmap atRatio(int key, QSize size, qreal dpr)
{
    if (!(dpr > 0) || !std::isfinite(dpr)) dpr = 1;
    QImage image = rendered(key, dpr > 1 ? 2 : 1);
    if (image.isNull()) return QPixmap();
    const QSize device = size * dpr;
    if (image.size() != device)
        image = image.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    // Kept with its alpha channel even when opaque, as when it was drawn at run time.
    QPixmap pixmap = QPixmap::fromImage(image, Qt::NoFormatConversion);
    pixmap.setDevicePixelRatio(dpr);
    return pixmap;
}

QIcon icon(int key)
{
    QIcon icon;
    for (int i = 0; i < RenderedPictures::kPictureCount; ++i) {
        const RenderedPictures::Picture &picture = RenderedPictures::kPictures[i];
        if (picture.key == key) icon.addPixmap(QPixmap::fromImage(rendered(key, picture.scale)));
    }
    return icon;
}

}  // namespace

QPixmap picture(int index, qreal devicePixelRatio)
{
    if (index < 1 || index > 2 * kHighlight) return QPixmap();
    return atRatio(index, QSize(kSizePx, kSizePx), devicePixelRatio);
}

QPixmap closePicture(qreal devicePixelRatio)
{
    return atRatio(RenderedPictures::Close, QSize(kCloseSizePx, kCloseSizePx), devicePixelRatio);
}

// Each icon is made once. The window system takes an icon's pixmaps through the pixmap
// cache, under the icon's own key: a new icon for every window opened would leave another
// set of pixmaps there at every opening.
QIcon mainWindowIcon()
{
    static const bool loaded = (initResources(), true);
    Q_UNUSED(loaded);
    static const QIcon made = icon(RenderedPictures::MainIcon);
    return made;
}

QIcon chartWindowIcon()
{
    static const QIcon made = icon(RenderedPictures::ChartIcon);
    return made;
}

}  // namespace ButtonPictures
