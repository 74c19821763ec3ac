#pragma once

#include <QSize>
#include <QString>
#include <QWidget>
#include <QtPlugin>
#include <functional>

#include "elements/ChartProperties.h"
#include "files/ModVantrel.h"

class AppState;
class QPainter;

// What the chart plugin offers the program. Qt Charts, Qt SVG and Qt Print Support are
// linked by the plugin alone, so the main window's first frame waits for none of them: the
// program loads the plugin right after that frame, or earlier when something asks for a
// chart, and the command line loads it to write a chart file.
//
// Both sides compile this header and its meta-object (ferrova_charts_interface), as with
// the web view plugin.

// The chart pane of the main window, as the main window sees it.
class ChartPane : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    using RowStep = std::function<void(const mod_Vantrel::ElementRecordType &record)>;

    // Height in twips (15 per pixel).
    virtual double heightTwips() const = 0;
    // Reads the element data file and charts `chartProperty` (0 to 8). `afterRowSetUp` sees
    // each element's record as its row is set up. Throws DataError on a bad file before the
    // chart is touched.
    virtual void chartFromFile(qint16 chartProperty, const RowStep &afterRowSetUp) = 0;
    // Tab (true) or Shift+Tab (false) out of the chart goes to `handler`.
    virtual void setTabHandler(std::function<void(bool forward)> handler) = 0;
};

// The separate, resizable chart window. It asks the main window to fold while it stands in
// for the chart pane, and to come back when it closes.
class ChartWindow : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;
    virtual void Form_Load() = 0;

signals:
    void foldMainWindowRequested();
    void closed();
};

class ChartPlugin {
public:
    using Painting = std::function<void(QPainter &painter)>;
    enum class Written { Done, UnknownFormat };

    virtual ~ChartPlugin() = default;
    // `app` is the main window's shared state, which outlives the window; the pane shows
    // temperatures in its unit.
    virtual ChartPane *createPane(QWidget *parent, AppState &app) = 0;
    virtual ChartWindow *createWindow(AppState &app) = 0;

    // A chart of `chartProperty` as a file ("-": standard output), temperatures in `unit`, in
    // `format` (png, svg, pdf, csv) or, when that is empty, by the name's extension; pictures
    // `size` pixels large. Throws DataError when the data file cannot be read or the file
    // cannot be written; nothing is written then.
    virtual Written writeChart(qint16 chartProperty, ChartProperties::TemperatureUnit unit,
                               const QString &path, const QString &format, QSize size) = 0;

    // A picture `size` pixels large drawn by `paint` as a file without a window, the format
    // by the name's extension (.png, .svg, .pdf). Throws DataError when it cannot be
    // written; nothing is written then.
    virtual Written writePicture(const QString &path, const QString &title, QSize size,
                                 const Painting &paint) = 0;

    // A picture `size` pixels large drawn by `paint`, through the print dialog (landscape,
    // fitted to the page) or saved where the user says (PNG or SVG). Failures are shown.
    virtual void printPicture(QWidget *parent, const QString &title, QSize size,
                              const Painting &paint) = 0;
    virtual void savePicture(QWidget *parent, const QString &title, QSize size,
                             const Painting &paint) = 0;
};

// The version goes up whenever the classes above change.
#define ChartPlugin_iid "example.ferrova.periodic.ChartPlugin/2.0"
Q_DECLARE_INTERFACE(ChartPlugin, ChartPlugin_iid)
