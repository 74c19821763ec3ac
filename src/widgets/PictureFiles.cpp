#include "PictureFiles.h"

#include <QBuffer>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPicture>
#include <QSvgGenerator>

namespace PictureFiles {

namespace {
constexpr int kScreenDpi = 96;  // what the pixels of the layout stand for
}

QImage image(QSize size, qreal scale, const Painting &paint)
{
    QImage picture(size * scale, QImage::Format_ARGB32_Premultiplied);
    picture.setDevicePixelRatio(scale);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    paint(painter);
    return picture;
}

QByteArray png(QSize size, qreal scale, const Painting &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage picture = image(size, scale, paint);
    picture.setDevicePixelRatio(1);  // the file holds device pixels, at no particular DPI
    picture.save(&buffer, "PNG");
    return bytes;
}

QByteArray svg(QSize size, const QString &title, const Painting &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(size);
    generator.setViewBox(QRect(QPoint(0, 0), size));
    generator.setTitle(title);
    generator.setResolution(kScreenDpi);  // so that the picture opens at its size in pixels
    QPainter painter(&generator);
    paint(painter);
    painter.end();
    return bytes;
}

QByteArray pdf(QSize size, const QString &title, const Painting &paint)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Ferrova元素周期表"));
    writer.setPageSize(QPageSize(QPageSize::A4));
    writer.setPageOrientation(QPageLayout::Landscape);
    paintFitted(writer, size, paint);
    return bytes;
}

bool paintFitted(QPagedPaintDevice &device, QSize size, const Painting &paint)
{
    // Widgets draw themselves on a printer through a bitmap, which would print the text as
    // dots and make the file large: they draw into a recording instead, played back as
    // lines and text.
    QPicture recording;
    QPainter recorder(&recording);
    paint(recorder);
    recorder.end();
    QPainter painter;
    if (!painter.begin(&device)) return false;
    // The device's size is that of the page's printable area, in its own pixels.
    const QRect area(0, 0, device.width(), device.height());
    const qreal scale =
        qMin(qreal(area.width()) / size.width(), qreal(area.height()) / size.height());
    const QSizeF fitted = QSizeF(size) * scale;
    painter.translate((area.width() - fitted.width()) / 2, (area.height() - fitted.height()) / 2);
    // A recording plays back scaled from its resolution to the device's; the fitted scale
    // already says how large it is to be.
    const qreal playback = qreal(recording.logicalDpiX()) / device.logicalDpiX();
    painter.scale(scale * playback, scale * playback);
    painter.drawPicture(0, 0, recording);
    return painter.end();
}

}  // namespace PictureFiles
