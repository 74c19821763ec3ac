#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

class ChartControl;
class QPagedPaintDevice;

// A chart taken out of the program: its rows as text, its picture as a file, or on paper.
// Each works from the chart's rows, property and unit alone, without a window, so the
// command line writes the same files as the chart's context menu. Pictures show the chart
// as its frame does, heading included, at any size: they are drawn by a copy of the chart
// laid out at that size, so the chart on screen does not move.
namespace ChartExport {

enum class Format { Png, Svg, Pdf, Csv };

// By its name (png, svg, pdf, csv) or the file name's extension, in any letter case;
// nullopt for another one.
std::optional<Format> formatNamed(const QString &name);
std::optional<Format> formatFor(const QString &fileName);

// One line per row: symbol, name, value, unit. A value the file does not know reads
// "无数据", with no unit.
QList<QStringList> rows(const ChartControl &chart);
// The rows tab-separated, as the clipboard takes them.
QString dataText(const ChartControl &chart);
// A heading line (符号, 名称, the property, 单位) and the rows, as CSV (Csv::document).
QByteArray csv(const ChartControl &chart);

// The part of the chart that its frame shows, in pixels: a picture of this size looks as
// the chart does on screen.
QSize shownSize(const ChartControl &chart);

// The chart `size` pixels large, `scale` device pixels to the pixel.
QImage image(const ChartControl &chart, QSize size, qreal scale = 1);
// The file's bytes; a PDF is one landscape A4 page with the chart fitted to it.
QByteArray encode(const ChartControl &chart, Format format, QSize size, qreal scale = 1);
// Draws the chart laid out at `size`, fitted to the page; false when the device did not
// start.
bool paintPage(const ChartControl &chart, QPagedPaintDevice &device, QSize size);

// Writes encode()'s bytes to `path` whole or not at all; throws DataError(WriteFailed)
// saying why.
void save(const ChartControl &chart, const QString &path, Format format, QSize size,
          qreal scale = 1);

}  // namespace ChartExport
