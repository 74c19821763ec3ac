#include "PictureDrawing.h"

#include "widgets/ButtonPictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>

namespace PictureDrawing {

namespace {

using namespace ButtonPictures;

// The small sizes of the program's icon are kept as PNG files, drawn once by hand, so
// they look the same wherever the desktop picks them up; larger ones come from the SVG.
constexpr int kLargestIconFile = 64;
constexpr int kMainIconSizes[] = {16, 32, 64, 128, 256};
constexpr int kChartIconSizes[] = {16, 32, 64};
constexpr int kRatios[] = {1, 2};

QString glyphFile(int button)
{
    switch (button) {
        case AtomicWeight: return QStringLiteral("atomic-weight");
        case MeltingPoint: return QStringLiteral("melting-point");
        case BoilingPoint: return QStringLiteral("boiling-point");
        case Density: return QStringLiteral("density");
        case AtomicRadius: return QStringLiteral("atomic-radius");
        case CovalentRadius: return QStringLiteral("covalent-radius");
        case ElectronAffinity: return QStringLiteral("electron-affinity");
        case FusionEnthalpy: return QStringLiteral("fusion-enthalpy");
        case VaporisationEnthalpy: return QStringLiteral("vaporisation-enthalpy");
        case Save: return QStringLiteral("save");
        case Cancel: return QStringLiteral("cancel");
        case Chart: return QStringLiteral("chart");
        case Options: return QStringLiteral("options");
        case PeriodicTable: return QStringLiteral("periodic-table");
        case About: return QStringLiteral("about");
        case Exit: return QStringLiteral("exit");
        default: return QString();
    }
}

// A transparent image of `size` device-independent pixels for drawing at `scale`.
QImage blank(QSize size, int scale)
{
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::transparent);
    return image;
}

void drawFace(QPainter &painter, bool highlight)
{
    const QRectF face(0, 0, kSizePx, kSizePx);
    if (!highlight) {
        // Flat: a light face with a faint frame.
        painter.fillRect(face, QColor(0xf4, 0xf5, 0xf7));
        painter.setPen(QColor(0xc6, 0xcb, 0xd3));
        painter.drawRect(face.adjusted(0.5, 0.5, -0.5, -0.5));
        return;
    }
    // Raised: a light yellow face lit from the top left, framed in dark amber.
    QLinearGradient gradient(0, 0, 0, kSizePx);
    gradient.setColorAt(0, QColor(0xff, 0xfb, 0xe0));
    gradient.setColorAt(1, QColor(0xff, 0xe0, 0x78));
    painter.fillRect(face, gradient);
    painter.setPen(QColor(0xff, 0xff, 0xff));
    painter.drawLine(QPointF(1.5, 1.5), QPointF(kSizePx - 2, 1.5));
    painter.drawLine(QPointF(1.5, 1.5), QPointF(1.5, kSizePx - 2));
    painter.setPen(QColor(0xd0, 0xa4, 0x2c));
    painter.drawLine(QPointF(2, kSizePx - 1.5), QPointF(kSizePx - 1.5, kSizePx - 1.5));
    painter.drawLine(QPointF(kSizePx - 1.5, 2), QPointF(kSizePx - 1.5, kSizePx - 1.5));
    painter.setPen(QColor(0x8a, 0x66, 0x0e));
    painter.drawRect(face.adjusted(0.5, 0.5, -0.5, -0.5));
}

// False when the glyph is missing or broken, so that the build stops instead of
// showing an empty button.
bool drawGlyph(QPainter &painter, const QString &folder, const QString &name, const QRectF &where)
{
    QSvgRenderer renderer(folder + QLatin1Char('/') + name + QStringLiteral(".svg"));
    if (!renderer.isValid()) return false;
    renderer.render(&painter, where);
    return true;
}

QImage button(const QString &folder, int index, int scale)
{
    const bool highlight = index > kHighlight;
    const QString name = glyphFile(highlight ? index - kHighlight : index);
    if (name.isEmpty() || index < 1 || index > 2 * kHighlight) return QImage();

    QImage image = blank(QSize(kSizePx, kSizePx), scale);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFace(painter, highlight);
    // The glyph sits in the 18 x 18 pixels inside the frame.
    if (!drawGlyph(painter, folder, name, QRectF(2, 2, kSizePx - 4, kSizePx - 4))) return QImage();
    return image;
}

QImage glyph(const QString &folder, const QString &name, QSize size, int scale)
{
    QImage image = blank(size, scale);
    QPainter painter(&image);
    if (!drawGlyph(painter, folder, name, QRectF(QPointF(0, 0), size))) return QImage();
    return image;
}

QImage mainIcon(const QString &folder, int size)
{
    if (size > kLargestIconFile)
        return glyph(folder, QStringLiteral("ferrova-periodic"), QSize(size, size), 1);
    const QImage file(folder + QStringLiteral("/ferrova-periodic-%1.png").arg(size));
    return file.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QList<Request> everyPicture()
{
    QList<Request> pictures;
    for (int button = 1; button < kHighlight; ++button) {
        if (glyphFile(button).isEmpty()) continue;
        for (int ratio : kRatios) {
            pictures.append({button, ratio});
            pictures.append({button + kHighlight, ratio});
        }
    }
    for (int ratio : kRatios) pictures.append({RenderedPictures::Close, ratio});
    for (int size : kMainIconSizes) pictures.append({RenderedPictures::MainIcon, size});
    for (int size : kChartIconSizes) pictures.append({RenderedPictures::ChartIcon, size});
    return pictures;
}

QImage draw(const QString &folder, int key, int scale)
{
    switch (key) {
        case RenderedPictures::Close:
            return glyph(folder, QStringLiteral("close"), QSize(kCloseSizePx, kCloseSizePx), scale);
        case RenderedPictures::MainIcon: return mainIcon(folder, scale);
        case RenderedPictures::ChartIcon:
            return glyph(folder, QStringLiteral("chart-window"), QSize(scale, scale), 1);
        default: return button(folder, key, scale);
    }
}

}  // namespace PictureDrawing
