#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <functional>

class QPagedPaintDevice;
class QPainter;

// A picture drawn by the program, as the bytes of a PNG, SVG or PDF file, or on a page of a
// printer. `paint` draws it at (0, 0) in `size` logical pixels; everything it draws with text
// stays text in SVG and PDF.
namespace PictureFiles {

using Painting = std::function<void(QPainter &painter)>;

// Saved and copied pictures have twice the screen's pixels, so they stay sharp in a document.
constexpr qreal kSavedScale = 2;

// `scale` device pixels per logical pixel: 2 gives a picture twice as sharp, same layout.
QImage image(QSize size, qreal scale, const Painting &paint);
QByteArray png(QSize size, qreal scale, const Painting &paint);
QByteArray svg(QSize size, const QString &title, const Painting &paint);
// One A4 page in landscape, the picture fitted to it.
QByteArray pdf(QSize size, const QString &title, const Painting &paint);

// Draws the picture as large as the page's printable area allows, centred, its proportions
// kept. False when nothing can be drawn on `device` (a printer that failed to start).
bool paintFitted(QPagedPaintDevice &device, QSize size, const Painting &paint);

}  // namespace PictureFiles
