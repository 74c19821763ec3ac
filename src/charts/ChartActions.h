#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>

class AppState;
class ChartControl;
class QAction;
class QMenu;
class QWidget;

// What a chart offers beside being looked at: copying its rows or its picture, saving the
// picture, exporting the rows, printing, and for melting and boiling points the choice of
// K or °C, and charting any other property of the catalogue. A context menu (right click, the Menu
// key, Shift+F10) and keys: Ctrl+C copies the rows, Ctrl+S saves the picture, Ctrl+P prints, while
// the keyboard is on the chart, or anywhere in a window that hands its keys over (listenOn). The
// chart's own keys win over its window's shortcuts of the same keys.
class ChartActions : public QObject {
    Q_OBJECT
public:
    explicit ChartActions(ChartControl *chart);

    static ChartActions *of(const ChartControl &chart);

    // The chart shows temperatures in the unit `app` holds, and its K or °C commands change
    // it for every chart that follows the same state. Without it they change this chart.
    void followUnit(AppState &app);

    // The keys also work while the keyboard is anywhere in `widget`.
    void listenOn(QWidget *widget);

    QAction *celsiusAction() const { return m_celsius; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAction *addAction(const QString &text, void (ChartActions::*run)());
    QAction *actionForKey(const QKeyCombination &key) const;
    QMenu *menu(QWidget *parent);  // as a right click shows it; the caller owns it
    void showMenu(const QPoint &globalPos);
    QPoint keyboardMenuPos() const;
    void updateActions();

    void copyData();
    void copyPicture();
    void savePicture();
    void exportData();
    void print();
    void chooseUnit();
    void chooseOtherProperty();

    ChartControl *m_chart;
    QPointer<AppState> m_app;
    QList<QAction *> m_actions;  // copy, save, export, print
    QAction *m_kelvin = nullptr;
    QAction *m_celsius = nullptr;
    QAction *m_other = nullptr;  // 其他性质…: any chartable property of the catalogue
};
