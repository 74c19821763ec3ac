// Draws the button pictures, the close box and the window icons from resources/icons and
// writes them as a C++ source of premultiplied ARGB32 pixels, so that the program shows
// them without Qt SVG and without an image decoder.
//   render_pictures <icons folder> <RenderedPictures.cpp>
#include "PictureDrawing.h"

#include <QByteArray>
#include <QSaveFile>

#include <cstdio>

namespace {

constexpr int kValuesPerLine = 8;

QByteArray pixelArray(const QByteArray &name, const QImage &image)
{
    QByteArray text = "const quint32 " + name + "[] = {";
    int column = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *row = reinterpret_cast<const quint32 *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            text += column++ % kValuesPerLine ? " " : "\n    ";
            text += "0x" + QByteArray::number(row[x], 16) + ",";
        }
    }
    return text + "\n};\n";
}

QByteArray tableRow(int key, int scale, const QImage &image, const QByteArray &name)
{
    return "    {" + QByteArray::number(key) + ", " + QByteArray::number(scale) + ", " +
           QByteArray::number(image.width()) + ", " + QByteArray::number(image.height()) + ", " +
           name + "},\n";
}

}  // namespace

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: render_pictures <icons folder> <output .cpp>\n");
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    QByteArray arrays;
    QByteArray table;
    for (const auto &[key, scale] : PictureDrawing::everyPicture()) {
        const QImage image = PictureDrawing::draw(folder, key, scale)
                                 .convertToFormat(QImage::Format_ARGB32_Premultiplied);
        if (image.isNull()) {
            std::fprintf(stderr,
                         "render_pictures: picture %d at %d: its glyph in %s is "
                         "missing or unreadable\n",
                         key, scale, argv[1]);
            return 1;
        }
        const QByteArray name = "k" + QByteArray::number(key) + "at" + QByteArray::number(scale);
        arrays += pixelArray(name, image);
        table += tableRow(key, scale, image, name);
    }

    QSaveFile file(QString::fromLocal8Bit(argv[2]));
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "render_pictures: cannot write %s\n", argv[2]);
        return 1;
    }
    file.write(
        "// Drawn by tools/render_pictures.cpp from resources/icons: do not edit.\n"
        "#include \"widgets/RenderedPictures.h\"\n\n"
        "namespace RenderedPictures {\n\nnamespace {\n\n");
    file.write(arrays);
    file.write("\n}  // namespace\n\nconst Picture kPictures[] = {\n");
    file.write(table);
    file.write(
        "};\nconst int kPictureCount = int(sizeof(kPictures) / sizeof(kPictures[0]));\n\n"
        "}  // namespace RenderedPictures\n");
    return file.commit() ? 0 : 1;
}
