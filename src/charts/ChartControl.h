#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QWidget>

#include "chartplugin/ChartPlugin.h"
#include "chartrows/ChartRows.h"
#include "chartrows/Decades.h"
#include "elements/ChartProperties.h"

class ChartKeys;
class ChartPointer;
class QBarSeries;
class QBarSet;
class QCategoryAxis;
class QChart;
class QChartView;
class QGraphicsSimpleTextItem;
class QValueAxis;

// The property chart: one bar per element, the element symbols along the bottom. The rest
// of the program drives it like a grid of rows with one data column: the rows and how they
// are written are ChartRows (chartrows/ChartRows.h), whose calls the chart passes on.
//
// Every change is drawn at once, unless an UpdateBatch is alive: then the calls only
// update the stored rows and the chart is rebuilt once when the outermost batch ends.
//
// Beyond the grid, the chart knows which property it shows (setChartProperty()): its name
// and unit head the plot, and the tooltip of a bar under the pointer reads
// "Fe 铁: 1811 K", with the element name given to each row by setRowName(). Until it has
// rows the chart shows a one-line hint instead of empty axes.
class ChartControl : public ChartPane {
    Q_OBJECT

public:
    // Holds back redrawing while a whole column is filled. Batches may nest.
    class UpdateBatch {
    public:
        explicit UpdateBatch(ChartControl &chart);
        ~UpdateBatch();
        UpdateBatch(const UpdateBatch &) = delete;
        UpdateBatch &operator=(const UpdateBatch &) = delete;

    private:
        ChartControl &m_chart;
    };

    explicit ChartControl(QWidget *parent = nullptr);
    ~ChartControl() override;

    // The rows, as ChartRows has them; each change that shows is drawn.
    void setColumnCount(int n) { m_rows.setColumnCount(n); }
    int columnCount() const { return m_rows.columnCount(); }
    void setRowCount(int n);
    int rowCount() const { return m_rows.rowCount(); }
    void setRowLabel(const QString &label) { m_rows.setRowLabel(label); }
    QString rowLabel(int row) const { return m_rows.rowLabel(row); }
    void setRow(int row);
    int row() const { return m_rows.row(); }
    void setRowName(const QString &name) { m_rows.setRowName(name); }
    QString rowName(int row) const { return m_rows.rowName(row); }
    void setData(const QString &text);
    QString data() const { return m_rows.data(); }
    double value(int row) const { return m_rows.value(row); }

    // The property the values belong to (chart property number 0 to 8), for the heading
    // and the tooltips; -1 (the start) or any other number for none.
    void setChartProperty(int chartProperty);
    int chartProperty() const { return m_chartProperty; }
    const PropertyInfo *property() const { return m_property; }  // nullptr for none
    // The melting and boiling points in K or °C: the heading, axis and tooltips follow.
    void setTemperatureUnit(ChartProperties::TemperatureUnit unit);
    ChartProperties::TemperatureUnit temperatureUnit() const { return m_unit; }
    // The heading as shown ("熔点 (K)"); empty without a property.
    QString title() const;
    // Where the heading stands, in this widget's coordinates.
    QRect titleGeometry() const;
    // The line under the heading naming the sources of the charted values, with how many
    // each gave ("来源：mendeleev 87，…"); empty without a property or rows.
    QString sourcesLine() const;
    // Whether the hint for an empty chart is shown, and where.
    bool hintShown() const;
    QRect hintGeometry() const;

    // Size in twips (15 per pixel); negative sizes are taken as 0.
    double heightTwips() const override;
    void setHeightTwips(double twips);
    double widthTwips() const;
    void setWidthTwips(double twips);

    // What the frame around the chart hides of it on each side, in pixels.
    static QMargins frameCrop();

    // How often the chart's series and axes were rebuilt.
    int refreshCount() const { return m_refreshCount; }

    // The symbols under the bars, left to right: every k-th row's when they don't all
    // fit across the plot.
    QStringList axisLabels() const;

    // The tooltip of a row's bar: symbol, name, value and unit ("Fe 铁: 1811 K"), or
    // "无数据" in place of a 0 that means no value for this property; with a property,
    // the lines after it say where the value of the row's element comes from.
    QString toolTipText(int row) const;
    // The middle of a row's bar (half its height), in this widget's coordinates.
    QPoint barPosition(int row) const;

    // Marks a row's bar as the pointer does: highlighted, its tooltip shown at the bar, its
    // text the chart's accessible description; 0 takes the mark away. markedBar() is the
    // row marked by either, 0 for none.
    void markBar(int row);
    int markedBar() const;
    // The keyboard: the chart takes the focus and steps through the bars (ChartKeys.h).
    ChartKeys &keys() const { return *m_keys; }

    // As the main window's chart pane (ChartPlugin.h).
    void chartFromFile(qint16 chartProperty, const RowStep &afterRowSetUp) override;
    void setTabHandler(std::function<void(bool forward)> handler) override;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void createPlot();
    void createTexts();
    void createView();
    void changed();
    void refresh();
    // The bars as drawn: the values, or for a property of many decades their powers of ten
    // above the lowest decade, with the axis to read them on.
    QList<qreal> barHeights(double &low, double &high);
    void showDecades(std::optional<Decades::Range> range);
    void updateAxisLabels();
    int labelStep() const;
    void updateEmptyLook();
    void placeTexts();
    void updateSourcesLine();
    QRect toWidget(const QRectF &chartRect) const;

    ChartRows m_rows;
    const PropertyInfo *m_property = nullptr;
    int m_chartProperty = -1;
    ChartProperties::TemperatureUnit m_unit = ChartProperties::TemperatureUnit::Kelvin;

    int m_batchDepth = 0;
    bool m_dirty = false;
    int m_refreshCount = 0;
    int m_shownStep = 0;

    QChartView *m_view = nullptr;
    QChart *m_chart = nullptr;
    QBarSeries *m_series = nullptr;
    QBarSet *m_set = nullptr;
    QCategoryAxis *m_axisX = nullptr;
    QValueAxis *m_axisY = nullptr;
    QCategoryAxis *m_decades = nullptr;  // the powers-of-ten scale, made when first needed
    bool m_decadesShown = false;
    QGraphicsSimpleTextItem *m_title = nullptr;
    QGraphicsSimpleTextItem *m_hint = nullptr;
    QGraphicsSimpleTextItem *m_sources = nullptr;
    ChartKeys *m_keys = nullptr;
    ChartPointer *m_pointer = nullptr;
};
