#include "ChartPointer.h"

#include "ChartControl.h"

#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QMouseEvent>
#include <QToolTip>

namespace {

// A bar's tooltip stays while the pointer rests on the bar; the toolkit's own limit would
// take it away after ten seconds.
constexpr int kTipStaysMs = 24 * 60 * 60 * 1000;

}  // namespace

ChartPointer::ChartPointer(ChartControl *chart, QChartView *view, QBarSeries *series, QBarSet *set)
    : QObject(chart), m_chart(chart), m_view(view), m_series(series), m_set(set)
{
    m_view->viewport()->setMouseTracking(true);
    m_view->viewport()->installEventFilter(this);
}

// The row whose column of the plot is under the pointer, so that short bars and the empty
// places of missing values can be pointed at too; 0 outside the plot.
int ChartPointer::rowAt(const QPointF &viewportPos) const
{
    if (m_chart->rowCount() == 0) return 0;
    QChart *plot = m_view->chart();
    const QPointF inChart = plot->mapFromScene(m_view->mapToScene(viewportPos.toPoint()));
    if (!plot->plotArea().contains(inChart)) return 0;
    const int index = qRound(plot->mapToValue(inChart, m_series).x());
    return index >= 0 && index < m_chart->rowCount() ? index + 1 : 0;
}

void ChartPointer::mark(int row, const QPoint &globalPos)
{
    if (row == m_row && (row == 0 || QToolTip::isVisible())) return;
    m_set->deselectAllBars();
    m_row = row;
    if (row == 0) {
        QToolTip::hideText();
        return;
    }
    m_set->selectBar(row - 1);
    const QString text = m_chart->toolTipText(row);
    m_view->setAccessibleDescription(text);
    QToolTip::showText(globalPos, text, m_view->viewport(), QRect(), kTipStaysMs);
}

bool ChartPointer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_view->viewport()) return false;
    switch (event->type()) {
        case QEvent::MouseMove: {
            const auto *move = static_cast<QMouseEvent *>(event);
            mark(rowAt(move->position()), move->globalPosition().toPoint());
            break;
        }
        case QEvent::Leave: mark(0, QPoint()); break;
        // The scene answers a resting pointer with the tooltip of the item under it; the
        // bars have none, so it would take the bar's tooltip away again.
        case QEvent::ToolTip: return true;
        default: break;
    }
    return false;
}
