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
                                              const QString &path, QSize size)
{
    const std::optional<ChartExport::Format> format = ChartExport::formatFor(path);
    if (!format) return Written::UnknownFormat;
    ChartControl chart;
    chart.setTemperatureUnit(unit);
    ChartBuilder::fill(chart, chartProperty);
    ChartExport::save(chart, path, *format, size);
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
