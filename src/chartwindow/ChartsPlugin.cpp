#include "ChartsPlugin.h"

#include "FrmChart.h"
#include "charts/ChartActions.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartControl.h"
#include "charts/ChartExport.h"
#include "files/AtomicSave.h"
#include "widgets/PictureFiles.h"
#include "widgets/SaveDialogs.h"

ChartPane *ChartsPlugin::createPane(QWidget *parent, AppState &app)
{
    auto *chart = new ChartControl(parent);
    ChartActions::of(*chart)->followUnit(app);
    return chart;
}

ChartWindow *ChartsPlugin::createWindow(AppState &app)
{
    return new frm_Chart(app);
}

ChartPlugin::Written ChartsPlugin::writeChart(qint16 chartProperty,
                                              ChartProperties::TemperatureUnit unit,
                                              const QString &path, const QString &formatName,
                                              QSize size)
{
    const std::optional<ChartExport::Format> format =
        formatName.isEmpty() ? ChartExport::formatFor(path) : ChartExport::formatNamed(formatName);
    if (!format) return Written::UnknownFormat;
    ChartControl chart;
    chart.setTemperatureUnit(unit);
    ChartBuilder::fill(chart, chartProperty);
    ChartExport::save(chart, path, *format, size);
    return Written::Done;
}

ChartPlugin::Written ChartsPlugin::writePicture(const QString &path, const QString &title,
                                                QSize size, const Painting &paint)
{
    QByteArray bytes;
    switch (ChartExport::formatFor(path).value_or(ChartExport::Format::Csv)) {
        case ChartExport::Format::Png: bytes = PictureFiles::png(size, 1, paint); break;
        case ChartExport::Format::Svg: bytes = PictureFiles::svg(size, title, paint); break;
        case ChartExport::Format::Pdf: bytes = PictureFiles::pdf(size, title, paint); break;
        case ChartExport::Format::Csv: return Written::UnknownFormat;  // a picture has no rows
    }
    AtomicSave::write(path, bytes);
    return Written::Done;
}

void ChartsPlugin::printPicture(QWidget *parent, const QString &title, QSize size,
                                const Painting &paint)
{
    SaveDialogs::print(parent, title, [size, &paint](QPagedPaintDevice &device) {
        return PictureFiles::paintFitted(device, size, paint);
    });
}

void ChartsPlugin::savePicture(QWidget *parent, const QString &title, QSize size,
                               const Painting &paint)
{
    const auto choice = SaveDialogs::askFileName(parent, QStringLiteral("保存图片"),
                                                 SaveDialogs::pictureTypes(), title, true);
    if (!choice) return;
    AtomicSave::write(choice->path, choice->type == 0
                                        ? PictureFiles::png(size, PictureFiles::kSavedScale, paint)
                                        : PictureFiles::svg(size, title, paint));
}
