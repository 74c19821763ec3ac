#pragma once

#include <QObject>

#include "chartplugin/ChartPlugin.h"

// The plugin's entry point: the chart control, the chart window and pictures on paper or in
// files, for the main window and the command line.
class ChartsPlugin : public QObject, public ChartPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ChartPlugin_iid)
    Q_INTERFACES(ChartPlugin)
public:
    ChartPane *createPane(QWidget *parent, AppState &app) override;
    ChartWindow *createWindow(AppState &app) override;
    Written writeChart(qint16 chartProperty, ChartProperties::TemperatureUnit unit,
                       const QString &path, const QString &format, QSize size) override;
    Written writePicture(const QString &path, const QString &title, QSize size,
                         const Painting &paint) override;
    void printPicture(QWidget *parent, const QString &title, QSize size,
                      const Painting &paint) override;
    void savePicture(QWidget *parent, const QString &title, QSize size,
                     const Painting &paint) override;
};
