#include <QSet>

#include "PictureDrawing.h"
#include "WidgetTestMain.h"
#include "widgets/ButtonPictures.h"

using namespace ButtonPictures;

namespace {

const QList<int> kButtons = {AtomicWeight,
                             MeltingPoint,
                             BoilingPoint,
                             Density,
                             AtomicRadius,
                             CovalentRadius,
                             ElectronAffinity,
                             FusionEnthalpy,
                             VaporisationEnthalpy,
                             Chart,
                             Options,
                             PeriodicTable,
                             About,
                             Exit,
                             Save,
                             Cancel};

const QString kGlyphs = QStringLiteral(FERROVA_SOURCE_DIR "/resources/icons");

QImage imageOf(const QPixmap &pixmap)
{
    return pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
}

// Share of pixels that differ between two images of one size.
double differingShare(const QImage &a, const QImage &b)
{
    int differing = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) differing += a.pixel(x, y) != b.pixel(x, y);
    return double(differing) / (a.width() * a.height());
}

}  // namespace

class TestButtonPictures : public QObject {
    Q_OBJECT

private slots:
    void everyButtonHasBothFaces_data();
    void everyButtonHasBothFaces();
    void glyphsDifferBetweenButtons();
    void numbersWithoutButtonGiveNothing();
    void closePicture();
    void windowIcons();
};

void TestButtonPictures::everyButtonHasBothFaces_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<qreal>("dpr");
    for (int button : kButtons)
        for (qreal dpr : {1.0, 2.0, 1.5}) QTest::addRow("%d@%gx", button, dpr) << button << dpr;
}

void TestButtonPictures::everyButtonHasBothFaces()
{
    QFETCH(int, button);
    QFETCH(qreal, dpr);
    const QPixmap normal = picture(button, dpr);
    const QPixmap highlight = picture(button + kHighlight, dpr);
    const QSize device = QSize(kSizePx, kSizePx) * dpr;
    QCOMPARE(normal.size(), device);
    QCOMPARE(highlight.size(), device);
    QCOMPARE(normal.devicePixelRatio(), dpr);
    QCOMPARE(normal.deviceIndependentSize(), QSizeF(kSizePx, kSizePx));
    // Built into the program at ratios 1 and 2: exactly what the glyphs draw.
    if (dpr != 1.5) {
        QCOMPARE(normal.toImage(), PictureDrawing::draw(kGlyphs, button, int(dpr)));
        QCOMPARE(highlight.toImage(), PictureDrawing::draw(kGlyphs, button + kHighlight, int(dpr)));
    }

    // The glyph is there: the middle of the face is not one flat colour.
    const QImage image = imageOf(normal);
    QSet<QRgb> colours;
    for (int y = image.height() / 4; y < image.height() * 3 / 4; ++y)
        for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x)
            colours.insert(image.pixel(x, y));
    QVERIFY2(colours.size() > 3, "no glyph drawn");

    // The highlight must stand out, not just differ in a pixel or two.
    QVERIFY(differingShare(image, imageOf(highlight)) > 0.3);
}

void TestButtonPictures::glyphsDifferBetweenButtons()
{
    QHash<QByteArray, int> seen;
    for (int button : kButtons) {
        const QImage image = imageOf(picture(button, 1));
        const QByteArray bytes(reinterpret_cast<const char *>(image.constBits()),
                               image.sizeInBytes());
        QVERIFY2(!seen.contains(bytes),
                 qPrintable(
                     QStringLiteral("button %1 looks like %2").arg(button).arg(seen.value(bytes))));
        seen.insert(bytes, button);
    }
}

void TestButtonPictures::numbersWithoutButtonGiveNothing()
{
    for (int index : {0, -1, 10, 69, 100, 110, 200, 201, 1000})
        QVERIFY2(picture(index, 1).isNull(), qPrintable(QString::number(index)));
    // A nonsensical ratio still gives a usable picture.
    QCOMPARE(picture(About, 0).size(), QSize(kSizePx, kSizePx));
}

void TestButtonPictures::closePicture()
{
    for (qreal dpr : {1.0, 2.0}) {
        const QPixmap close = ButtonPictures::closePicture(dpr);
        QCOMPARE(close.size(), QSize(kCloseSizePx, kCloseSizePx) * dpr);
        QCOMPARE(close.toImage(), PictureDrawing::draw(kGlyphs, RenderedPictures::Close, int(dpr)));
        const QImage image = imageOf(close);
        // Frame and cross are drawn; the corners of the cross's square stay light.
        QVERIFY(qGray(image.pixel(image.width() / 2, image.height() / 2)) < 100);
        QVERIFY(qGray(image.pixel(0, 0)) < 160);
        QVERIFY(qGray(image.pixel(int(2 * dpr), image.height() / 2)) > 200);
    }
}

void TestButtonPictures::windowIcons()
{
    const QIcon main = mainWindowIcon();
    for (int size : {16, 32, 64, 128, 256}) {
        QVERIFY2(main.availableSizes().contains(QSize(size, size)),
                 qPrintable(QString::number(size)));
        QCOMPARE(main.pixmap(size, size).size(), QSize(size, size));
    }
    const QIcon chart = chartWindowIcon();
    QCOMPARE(chart.pixmap(32, 32).size(), QSize(32, 32));
    QVERIFY(imageOf(chart.pixmap(32, 32)) != imageOf(main.pixmap(32, 32)));
}

FERROVA_WIDGET_TEST_MAIN(TestButtonPictures)
#include "tst_buttonpictures.moc"
