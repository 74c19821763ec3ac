#include "ButtonPictures.h"

#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

// The resources live in a static library: make sure the linker keeps them.
static void initResources()
{
    Q_INIT_RESOURCE(resources);
}

namespace ButtonPictures {

namespace {

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

QString iconPath(const QString &name)
{
    static const bool loaded = (initResources(), true);
    Q_UNUSED(loaded);
    return QStringLiteral(":/icons/") + name + QStringLiteral(".svg");
}

// A transparent pixmap of `size` device-independent pixels for drawing at `dpr`.
QPixmap blank(QSize size, qreal dpr)
{
    if (!(dpr > 0) || !std::isfinite(dpr)) dpr = 1;
    QPixmap pixmap(size * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    return pixmap;
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

QPixmap render(const QString &name, QSize size, qreal dpr)
{
    QPixmap pixmap = blank(size, dpr);
    QPainter painter(&pixmap);
    QSvgRenderer(iconPath(name)).render(&painter, QRectF(QPointF(0, 0), size));
    return pixmap;
}

QIcon iconFromSvg(const QString &name, std::initializer_list<int> sizes)
{
    QIcon icon;
    for (int size : sizes) icon.addPixmap(render(name, QSize(size, size), 1));
    return icon;
}

}  // namespace

QPixmap picture(int index, qreal devicePixelRatio)
{
    const bool highlight = index > kHighlight;
    const QString name = glyphFile(highlight ? index - kHighlight : index);
    if (name.isEmpty() || index < 1 || index > 2 * kHighlight) return QPixmap();

    static QHash<QString, QPixmap> cache;
    const QString key = QStringLiteral("%1@%2").arg(index).arg(devicePixelRatio);
    if (const auto found = cache.constFind(key); found != cache.constEnd()) return *found;

    QPixmap pixmap = blank(QSize(kSizePx, kSizePx), devicePixelRatio);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    drawFace(painter, highlight);
    // The glyph sits in the 18 x 18 pixels inside the frame.
    QSvgRenderer(iconPath(name)).render(&painter, QRectF(2, 2, kSizePx - 4, kSizePx - 4));
    painter.end();
    cache.insert(key, pixmap);
    return pixmap;
}

QPixmap closePicture(qreal devicePixelRatio)
{
    return render(QStringLiteral("close"), QSize(kCloseSizePx, kCloseSizePx), devicePixelRatio);
}

QIcon mainWindowIcon()
{
    static const bool loaded = (initResources(), true);
    Q_UNUSED(loaded);
    QIcon icon;
    // Drawn once from the SVG and kept as files, so the small sizes look the same
    // wherever the desktop picks them up.
    for (int size : {16, 32, 64})
        icon.addFile(QStringLiteral(":/icons/ferrova-periodic-%1.png").arg(size),
                     QSize(size, size));
    for (int size : {128, 256})
        icon.addPixmap(render(QStringLiteral("ferrova-periodic"), QSize(size, size), 1));
    return icon;
}

QIcon chartWindowIcon()
{
    return iconFromSvg(QStringLiteral("chart-window"), {16, 32, 64});
}

}  // namespace ButtonPictures
