#include "ChartExport.h"

#include "ChartControl.h"
#include "elements/ChartProperties.h"
#include "files/AtomicSave.h"
#include "files/Csv.h"
#include "files/NumberText.h"
#include "widgets/PictureFiles.h"

#include <QFileInfo>
#include <QPainter>
#include <memory>

namespace ChartExport {

namespace {

struct Suffix {
    const char *text;
    Format format;
};
const Suffix kSuffixes[] = {
    {"png", Format::Png},
    {"svg", Format::Svg},
    {"pdf", Format::Pdf},
    {"csv", Format::Csv},
};

// The same rows, property and unit in a chart of its own, laid out so that the part its
// frame would show is `size` large. Never shown: laid out and drawn off the screen.
std::shared_ptr<ChartControl> copyOf(const ChartControl &chart, QSize size)
{
    auto copy = std::make_shared<ChartControl>();
    copy->setAttribute(Qt::WA_DontShowOnScreen);
    copy->resize(size.grownBy(ChartControl::frameCrop()));
    {
        ChartControl::UpdateBatch batch(*copy);
        copy->setTemperatureUnit(chart.temperatureUnit());
        copy->setChartProperty(chart.chartProperty());
        for (int row = 1; row <= chart.rowCount(); ++row) {
            copy->setColumnCount(1);
            copy->setRowLabel(chart.rowLabel(row));
            copy->setRowCount(chart.rowCount());
            copy->setRow(row);
            copy->setRowName(chart.rowName(row));
            copy->setData(singleText(float(chart.value(row))));
        }
    }
    copy->show();  // lays the chart out at its size; nothing reaches the screen
    return copy;
}

PictureFiles::Painting painting(const ChartControl &chart, QSize size)
{
    const std::shared_ptr<ChartControl> copy = copyOf(chart, size);
    const QMargins crop = ChartControl::frameCrop();
    return [copy, crop, size](QPainter &painter) {
        copy->render(&painter, QPoint(0, 0), QRegion(QRect(QPoint(crop.left(), crop.top()), size)));
    };
}

}  // namespace

std::optional<Format> formatNamed(const QString &name)
{
    for (const Suffix &known : kSuffixes)
        if (name.compare(QLatin1String(known.text), Qt::CaseInsensitive) == 0) return known.format;
    return std::nullopt;
}

std::optional<Format> formatFor(const QString &fileName)
{
    return formatNamed(QFileInfo(fileName).suffix());
}

QList<QStringList> rows(const ChartControl &chart)
{
    const PropertyInfo *property = chart.property();
    const QString unit = property ? QString::fromUtf8(property->unit) : QString();
    QList<QStringList> lines;
    for (int row = 1; row <= chart.rowCount(); ++row) {
        const float value = float(chart.value(row));
        lines.append({chart.rowLabel(row), chart.rowName(row),
                      ChartProperties::numberText(property, value),
                      ChartProperties::isMissing(property, value) ? QString() : unit});
    }
    return lines;
}

QString dataText(const ChartControl &chart)
{
    QStringList lines;
    for (const QStringList &row : rows(chart)) lines.append(row.join(QLatin1Char('\t')));
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QByteArray csv(const ChartControl &chart)
{
    const PropertyInfo *property = chart.property();
    const QString quantity = property ? QString::fromUtf8(property->name) : QStringLiteral("数值");
    QList<QStringList> lines{
        {QStringLiteral("符号"), QStringLiteral("名称"), quantity, QStringLiteral("单位")}};
    lines += rows(chart);
    return Csv::document(lines);
}

QSize shownSize(const ChartControl &chart)
{
    return chart.size().shrunkBy(ChartControl::frameCrop()).expandedTo(QSize(1, 1));
}

QImage image(const ChartControl &chart, QSize size, qreal scale)
{
    return PictureFiles::image(size, scale, painting(chart, size));
}

QByteArray encode(const ChartControl &chart, Format format, QSize size, qreal scale)
{
    switch (format) {
        case Format::Png: return PictureFiles::png(size, scale, painting(chart, size));
        case Format::Svg: return PictureFiles::svg(size, chart.title(), painting(chart, size));
        case Format::Pdf: return PictureFiles::pdf(size, chart.title(), painting(chart, size));
        case Format::Csv: return csv(chart);
    }
    return {};
}

bool paintPage(const ChartControl &chart, QPagedPaintDevice &device, QSize size)
{
    return PictureFiles::paintFitted(device, size, painting(chart, size));
}

void save(const ChartControl &chart, const QString &path, Format format, QSize size, qreal scale)
{
    AtomicSave::write(path, encode(chart, format, size, scale));
}

}  // namespace ChartExport
