#pragma once

#include "elements/PhaseAtTemperature.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QVector>

class ElementCell;
class QWidget;
class TemperatureWindow;

// The grid coloured by the state of matter at a temperature, while the tool window "温度"
// is open: solid, liquid and gas in the grid's phase colours, an element whose state is
// unknown in its file colour. Only the symbols' colours and the cells' tooltips and
// descriptions change; closing the window puts back exactly what the file gave them.
// Ctrl+T in the grid's window and the cells' context menu open the tool window.
class TemperatureView : public QObject {
    Q_OBJECT
public:
    // `cells` by atomic number, entry 0 the hidden cell; `grid` is the widget they lie on.
    TemperatureView(QWidget *grid, const QVector<ElementCell *> &cells);

    void openWindow();
    TemperatureWindow *window() const;  // null while closed
    bool isShowing() const { return !m_fileLook.isEmpty(); }

    // Colours the cells by `phases`; the first call keeps the look the file gave them.
    void show(const PhaseAtTemperature::Phases &phases);
    void restore();

private:
    struct Look {
        QColor text;
        QString toolTip;
        QString description;
    };
    void connectCell(ElementCell *cell);
    void keepFileLook();
    void setLook(int number, const Look &look);

    QWidget *m_grid;
    QVector<ElementCell *> m_cells;
    QVector<Look> m_fileLook;  // by atomic number; empty while the file's colours show
    QPointer<TemperatureWindow> m_window;
};
