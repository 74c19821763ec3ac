// The chart's scale: the bars as drawn, on a linear axis or, for a property whose values
// span many powers of ten, on an axis of decades.
#include "ChartControl.h"
#include "properties/PropertyCatalogue.h"
#include "properties/PropertyCharts.h"

#include <QBarSeries>
#include <QCategoryAxis>
#include <QChart>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

QList<qreal> ChartControl::barHeights(double &low, double &high)
{
    QList<qreal> bars;
    bars.reserve(m_rows.rowCount());
    for (double v : m_rows.values()) {
        const double shown = std::isfinite(v) ? ChartProperties::shownValue(m_property, v) : 0.0;
        bars.append(shown);
        low = std::min(low, shown);
        high = std::max(high, shown);
    }
    const std::optional<Decades::Range> range =
        PropertyCharts::logScale(m_chartProperty) ? Decades::rangeOf(bars) : std::nullopt;
    if (range) Decades::toDecades(bars, *range);
    showDecades(range);
    return bars;
}

void ChartControl::showDecades(std::optional<Decades::Range> range)
{
    const bool on = range.has_value();
    if (on && !m_decades) {
        m_decades = new QCategoryAxis(this);
        m_decades->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
        m_decades->setLabelsFont(m_axisY->labelsFont());
        m_decades->setLabelsBrush(m_axisY->labelsBrush());
        m_decades->setGridLinePen(m_axisY->gridLinePen());
    }
    if (on != m_decadesShown) {
        QAbstractAxis *from = on ? static_cast<QAbstractAxis *>(m_axisY) : m_decades;
        QAbstractAxis *to = on ? static_cast<QAbstractAxis *>(m_decades) : m_axisY;
        m_series->detachAxis(from);
        m_chart->removeAxis(from);
        from->setParent(this);  // the chart gives a removed axis up; it stays ours
        m_chart->addAxis(to, Qt::AlignLeft);
        m_series->attachAxis(to);
        m_decadesShown = on;
    }
    if (!on) return;
    for (const QString &label : m_decades->categoriesLabels()) m_decades->remove(label);
    m_decades->setStartValue(0);
    for (int power = range->lowest; power <= range->highest; ++power)
        m_decades->append(PropertyCatalogue::numberText(std::pow(10.0, power), -1),
                          power - range->lowest);
    m_decades->setRange(0, range->highest - range->lowest);
}
