#include "ChartControl.h"

#include <QBarSeries>
#include <QBarSet>
#include <QCategoryAxis>
#include <QChart>
#include <QChartView>
#include <QFontMetrics>
#include <QGraphicsLayout>
#include <QGraphicsSimpleTextItem>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <utility>

#include "ChartAccessible.h"
#include "ChartActions.h"
#include "ChartBuilder.h"
#include "ChartKeys.h"
#include "ChartPointer.h"
#include "chartrows/AxisLabels.h"
#include "elements/ChartProperties.h"
#include "elements/ValueSources.h"
#include "properties/PropertyCatalogue.h"
#include "properties/PropertyCharts.h"
#include "widgets/Fonts.h"
#include "widgets/Twips.h"

namespace {

const QString kHint = QStringLiteral("单击工具栏上的按钮，画出一种性质的曲线");

// Both windows hold the chart in a frame that crops 210 twips (14 px) on the left, 480 (32)
// at the top and up to 270 (18) and 240 (16) on the right and bottom: the chart's margins
// keep everything it draws out of those strips.
const QMargins kCropped(14, 32, 18, 16);
constexpr int kPad = 4;  // between the frame's edge and what the chart draws

}  // namespace

ChartControl::UpdateBatch::UpdateBatch(ChartControl &chart) : m_chart(chart)
{
    ++m_chart.m_batchDepth;
}

ChartControl::UpdateBatch::~UpdateBatch()
{
    if (--m_chart.m_batchDepth == 0 && m_chart.m_dirty) m_chart.refresh();
}

ChartControl::ChartControl(QWidget *parent) : ChartPane(parent)
{
    createPlot();
    createTexts();
    createView();
    new ChartActions(this);  // its context menu and keys: copy, save, export, print
}

ChartControl::~ChartControl()
{
    // The keys watch the focus, and the pointer the view, while the base class tears the
    // view down: they must not hear of it by then.
    delete m_keys;
    delete m_pointer;
}

// The bars, and the axes they stand on.
void ChartControl::createPlot()
{
    m_set = new QBarSet(QString());
    m_set->setColor(QColor(0x3b, 0x78, 0xc8));
    m_set->setBorderColor(QColor(0x2a, 0x58, 0x96));
    m_set->setSelectedColor(QColor(0xf0, 0xa0, 0x30));
    m_series = new QBarSeries;
    m_series->setBarWidth(0.8);
    m_series->append(m_set);

    m_chart = new QChart;
    m_chart->addSeries(m_series);
    m_chart->legend()->hide();
    m_chart->setAnimationOptions(QChart::NoAnimation);
    m_chart->setBackgroundRoundness(0);
    m_chart->layout()->setContentsMargins(0, 0, 0, 0);
    // Tick values in the program's locale, without thousands separators like the data.
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    m_chart->setLocale(locale);
    m_chart->setLocalizeNumbers(true);

    // A value axis under the bars (bar i stands at x = i - 1) with a label at every shown
    // bar's position: a label gets the room of its whole group of bars, where a category
    // axis with one category per bar would cut most symbols down to "...".
    m_axisX = new QCategoryAxis;
    m_axisX->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    m_axisX->setLabelsAngle(0);
    m_axisX->setGridLineVisible(false);
    m_axisX->setStartValue(-0.5);
    m_axisX->setRange(-0.5, 0.5);
    m_chart->addAxis(m_axisX, Qt::AlignBottom);
    m_series->attachAxis(m_axisX);

    m_axisY = new QValueAxis;
    m_axisY->setLabelFormat(QStringLiteral("%.6g"));
    m_axisY->setRange(0, 1);
    m_axisY->setMinorTickCount(0);
    m_chart->addAxis(m_axisY, Qt::AlignLeft);
    m_series->attachAxis(m_axisY);
}

// The heading stands above the plot's top left corner, the hint in the middle of what the
// frame leaves visible; both inside the chart's margins. Their Chinese in Noto Sans CJK SC,
// like the program's other Chinese texts.
void ChartControl::createTexts()
{
    const QFont textFont = Fonts::withChinese(m_axisY->labelsFont());
    QFont headingFont = textFont;
    headingFont.setPointSizeF(headingFont.pointSizeF() + 1);
    headingFont.setBold(true);
    m_title = new QGraphicsSimpleTextItem(m_chart);
    m_title->setFont(headingFont);
    m_title->setBrush(m_axisY->labelsBrush());
    m_title->hide();
    m_hint = new QGraphicsSimpleTextItem(m_chart);
    m_hint->setFont(textFont);  // before the text, which is laid out at once
    m_hint->setBrush(m_axisY->labelsBrush());
    m_hint->setText(kHint);
    m_sources = new QGraphicsSimpleTextItem(m_chart);
    m_sources->setFont(textFont);
    m_sources->setBrush(m_axisY->labelsBrush());
    const int headingHeight =
        QFontMetrics(headingFont).height() + QFontMetrics(m_sources->font()).height();
    m_chart->setMargins(kCropped + QMargins(2, kPad + headingHeight + kPad, 6, 2));
}

// The view that shows the chart, with the keyboard and the pointer on it.
void ChartControl::createView()
{
    ChartAccessible::install();  // before the view is made
    m_view = new QChartView(m_chart, this);
    m_keys = new ChartKeys(this, m_view);
    m_view->setRenderHint(QPainter::Antialiasing);
    m_view->setFrameShape(QFrame::NoFrame);
    m_pointer = new ChartPointer(this, m_view, m_series, m_set);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    connect(m_chart, &QChart::plotAreaChanged, this, [this] {
        placeTexts();
        if (m_batchDepth == 0 && labelStep() != m_shownStep) updateAxisLabels();
    });
    connect(m_chart, &QGraphicsWidget::geometryChanged, this, &ChartControl::placeTexts);
    updateEmptyLook();
}

void ChartControl::setRowCount(int n)
{
    if (m_rows.setRowCount(n)) changed();
}

void ChartControl::setRow(int row)
{
    if (m_rows.setRow(row)) changed();
}

void ChartControl::setData(const QString &text)
{
    if (m_rows.setData(text)) changed();
}

void ChartControl::setChartProperty(int chartProperty)
{
    m_chartProperty = chartProperty;
    m_property = PropertyCharts::isCatalogue(chartProperty)
                     ? PropertyCharts::find(chartProperty)
                     : ChartProperties::find(chartProperty, m_unit);
    const QString heading = title();
    m_title->setText(heading);
    m_title->setVisible(!heading.isEmpty());
    m_view->setAccessibleName(heading.isEmpty() ? m_hint->text() : heading);
    updateSourcesLine();
}

void ChartControl::setTemperatureUnit(ChartProperties::TemperatureUnit unit)
{
    if (unit == m_unit) return;
    m_unit = unit;
    if (!ChartProperties::isTemperature(m_chartProperty) &&
        !PropertyCharts::isTemperature(m_chartProperty))
        return;
    setChartProperty(m_chartProperty);
    changed();
}

QString ChartControl::title() const
{
    return m_property ? ChartProperties::title(*m_property) : QString();
}

QString ChartControl::sourcesLine() const
{
    return m_sources->text();
}

QRect ChartControl::titleGeometry() const
{
    return toWidget(m_title->mapRectToParent(m_title->boundingRect()));
}

bool ChartControl::hintShown() const
{
    return m_hint->isVisible();
}

QRect ChartControl::hintGeometry() const
{
    return toWidget(m_hint->mapRectToParent(m_hint->boundingRect()));
}

double ChartControl::heightTwips() const
{
    return Twips::fromPx(height());
}

void ChartControl::setHeightTwips(double twips)
{
    resize(width(), Twips::toPx(std::max(0.0, twips)));
}

double ChartControl::widthTwips() const
{
    return Twips::fromPx(width());
}

void ChartControl::setWidthTwips(double twips)
{
    resize(Twips::toPx(std::max(0.0, twips)), height());
}

QMargins ChartControl::frameCrop()
{
    return kCropped;
}

QStringList ChartControl::axisLabels() const
{
    return m_axisX->categoriesLabels();
}

void ChartControl::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_batchDepth == 0 && labelStep() != m_shownStep) updateAxisLabels();
}

void ChartControl::changed()
{
    if (m_batchDepth > 0)
        m_dirty = true;
    else
        refresh();
}

void ChartControl::refresh()
{
    m_dirty = false;
    ++m_refreshCount;
    m_pointer->forget();

    double low = 0, high = 0;
    const QList<qreal> bars = barHeights(low, high);
    m_set->deselectAllBars();
    m_set->remove(0, m_set->count());
    m_set->append(bars);
    updateAxisLabels();

    if (!m_decadesShown) {
        if (low == high) high = low + 1;
        m_axisY->setRange(low, high);
        m_axisY->applyNiceNumbers();
    }
    updateEmptyLook();
    updateSourcesLine();
}

// Without rows there is nothing to read off axes: the chart says how to draw one instead.
void ChartControl::updateEmptyLook()
{
    const bool empty = m_rows.rowCount() == 0;
    m_axisX->setVisible(!empty);
    m_axisY->setVisible(!empty);
    m_hint->setVisible(empty);
    if (title().isEmpty()) m_view->setAccessibleName(empty ? m_hint->text() : QString());
}

void ChartControl::placeTexts()
{
    const QRectF plot = m_chart->plotArea();
    const qreal sourcesTop = plot.top() - kPad - QFontMetrics(m_sources->font()).height();
    m_sources->setPos(plot.left(), sourcesTop);
    m_title->setPos(plot.left(), sourcesTop - m_title->boundingRect().height());
    const QRectF visible = m_chart->rect().marginsRemoved(QMarginsF(m_chart->margins()));
    m_hint->setPos(visible.center() - m_hint->boundingRect().center());
}

QRect ChartControl::toWidget(const QRectF &chartRect) const
{
    const QRect inView = m_view->mapFromScene(m_chart->mapRectToScene(chartRect)).boundingRect();
    return inView.translated(m_view->viewport()->mapTo(this, QPoint(0, 0)));
}

void ChartControl::updateAxisLabels()
{
    const int step = labelStep();
    m_shownStep = step;
    const AxisLabels::Shown shown = AxisLabels::thin(m_rows.labels(), step);
    m_axisX->setRange(-0.5, std::max(1, m_rows.rowCount()) - 0.5);
    if (shown.labels == m_axisX->categoriesLabels()) return;
    for (const QString &old : m_axisX->categoriesLabels()) m_axisX->remove(old);
    for (qsizetype i = 0; i < shown.labels.size(); ++i)
        m_axisX->append(shown.labels.at(i), shown.positions.at(i));
}

// How many bars share one axis label so the labels don't run into each other.
int ChartControl::labelStep() const
{
    const QStringList &labels = m_rows.labels();
    const QFontMetrics metrics(m_axisX->labelsFont());
    int widest = 0;
    for (const QString &label : labels) widest = std::max(widest, metrics.horizontalAdvance(label));
    const QRectF plot = m_chart->plotArea();
    const double available = plot.width() > 1 ? plot.width() : std::max(1, width() - 60);
    return AxisLabels::step(labels.size(), widest + metrics.averageCharWidth(), available);
}

QString ChartControl::toolTipText(int row) const
{
    if (row < 1 || row > rowCount()) return QString();
    const double value = m_rows.value(row);
    const QString shown = ChartProperties::valueText(m_property, float(value));
    QStringList element{m_rows.rowLabel(row), m_rows.rowName(row)};
    element.removeAll(QString());
    const QString tip =
        element.isEmpty() ? shown : element.join(QLatin1Char(' ')) + QStringLiteral(": ") + shown;
    if (!m_property) return tip;
    // Rows are atomic numbers: the chart is filled one element per row.
    if (PropertyCharts::isCatalogue(m_chartProperty))
        return tip + QLatin1Char('\n') + PropertyCharts::describe(row, m_chartProperty);
    return tip + QLatin1Char('\n') + ValueSources::describe(row, m_property->source, value != 0);
}

// Which sources the charted values come from, in one short line under the heading.
void ChartControl::updateSourcesLine()
{
    QList<int> rows, withoutValue;
    for (int row = 1; row <= rowCount(); ++row) {
        if (m_rows.rowLabel(row).isEmpty()) continue;
        rows.append(row);
        if (m_rows.value(row) == 0) withoutValue.append(row);
    }
    if (PropertyCharts::isCatalogue(m_chartProperty))
        m_sources->setText(PropertyCharts::summary(m_chartProperty, rows));
    else
        m_sources->setText(
            m_property ? ValueSources::summary(m_property->source, rows, withoutValue) : QString());
}

QPoint ChartControl::barPosition(int row) const
{
    // Half way up the bar as drawn, on either scale.
    const double shown = row >= 1 && row <= m_set->count() ? m_set->at(row - 1) : 0.0;
    const QPointF inChart = m_chart->mapToPosition(QPointF(row - 1, shown / 2), m_series);
    const QPoint inView = m_view->mapFromScene(m_chart->mapToScene(inChart));
    return m_view->viewport()->mapTo(this, inView);
}

void ChartControl::markBar(int row)
{
    if (row < 1 || row > rowCount()) row = 0;
    m_pointer->mark(row, row == 0 ? QPoint() : mapToGlobal(barPosition(row)));
}

int ChartControl::markedBar() const
{
    return m_pointer->marked();
}

void ChartControl::chartFromFile(qint16 chartProperty, const RowStep &afterRowSetUp)
{
    ChartBuilder::fill(*this, chartProperty, afterRowSetUp);
}

void ChartControl::setTabHandler(std::function<void(bool forward)> handler)
{
    m_keys->setTabHandler(std::move(handler));
}
