#pragma once

#include <QObject>
#include <QPoint>

class ChartControl;
class QBarSeries;
class QBarSet;
class QChart;
class QChartView;

// The pointer on a chart. The bar whose column of the plot is under it is marked:
// highlighted, its tooltip shown while the pointer rests there, its text the chart's
// accessible description. Leaving the chart takes the mark away. The keyboard marks bars
// the same way (ChartControl::markBar).
class ChartPointer : public QObject {
    Q_OBJECT
public:
    ChartPointer(ChartControl *chart, QChartView *view, QBarSeries *series, QBarSet *set);

    // Marks row `row` with its tooltip at `globalPos`; 0 takes the mark away.
    void mark(int row, const QPoint &globalPos);
    int marked() const { return m_row; }
    // The bars were made anew: none is marked.
    void forget() { m_row = 0; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    int rowAt(const QPointF &viewportPos) const;

    ChartControl *m_chart;
    QChartView *m_view;
    QBarSeries *m_series;
    QBarSet *m_set;
    int m_row = 0;  // the row whose tooltip is up, 0 for none
};
