#pragma once

#include <QObject>
#include <functional>

class ChartControl;
class QKeyEvent;
class QWidget;

// The keyboard on a chart. The chart takes the focus like any control; Left and Right step
// from bar to bar, Home and End go to the first and last. The current bar is marked as the
// pointer marks it (highlighted, with its tooltip at the bar), and the mark also gives the
// text to screen readers, so each step is heard. The keyboard carries on from a bar the
// pointer marked last.
class ChartKeys : public QObject {
    Q_OBJECT
public:
    // `focusWidget` is the part of `chart` that holds the focus and receives the keys.
    ChartKeys(ChartControl *chart, QWidget *focusWidget);

    // The keyboard's bar, 1..rowCount(); 0 while the chart has no rows.
    int current() const;

    // Where Tab and Shift+Tab go from the chart; without it they follow the tab order.
    void setTabHandler(std::function<void(bool forward)> handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(const QKeyEvent *key);
    int target(int key) const;
    void moveTo(int row);
    void markOnceFocused();

    ChartControl *m_chart;
    QWidget *m_focusWidget;
    int m_row = 1;
    std::function<void(bool)> m_tabHandler;
};
