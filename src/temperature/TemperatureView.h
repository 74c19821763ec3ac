#pragma once

#include "elements/PhaseAtTemperature.h"

#include <QColor>
#include <QObject>
#include <QPointer>
#include <QVector>
#include <memory>

class QWidget;
class TemperatureWindow;

// What the view needs of the grid, which it does not see: each cell as a widget (its
// tooltip, description and menu), its symbol's colour, and the grid's colour of each state.
class PhaseCells {
public:
    virtual ~PhaseCells() = default;
    virtual int count() const = 0;  // by atomic number, entry 0 the hidden cell
    virtual QWidget *cell(int number) const = 0;
    virtual QColor symbolColour(int number) const = 0;
    virtual void setSymbolColour(int number, const QColor &colour) = 0;
    virtual QColor stateColour(PhaseAtTemperature::Phase phase) const = 0;  // none for Unknown
};

// The grid coloured by the state of matter at a temperature, while the tool window "温度"
// is open: solid, liquid and gas in the grid's phase colours, an element whose state is
// unknown in its file colour. Only the symbols' colours and the cells' tooltips and
// descriptions change; closing the window puts back exactly what the file gave them.
// Ctrl+T in the grid's window and the cells' context menu open the tool window.
class TemperatureView : public QObject {
    Q_OBJECT
public:
    // `grid` is the widget the cells lie on; its window's Ctrl+T opens the tool window.
    TemperatureView(QWidget *grid, std::unique_ptr<PhaseCells> cells);
    ~TemperatureView() override;

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
    void connectCell(QWidget *cell);
    void keepFileLook();
    void setLook(int number, const Look &look);

    QWidget *m_grid;
    std::unique_ptr<PhaseCells> m_cells;
    QVector<Look> m_fileLook;  // by atomic number; empty while the file's colours show
    QPointer<TemperatureWindow> m_window;
};
