#pragma once

#include <QObject>
#include <QPointer>
#include <QVector>
#include <functional>
#include <optional>

#include "colouring/Legend.h"

class ColouringWindow;
class QLabel;
class QPainter;

// The grid coloured by a property while the tool window "按性质着色" is open: each cell's
// background in its value's colour and its symbol black or white to stay readable, a cell
// without a value white with grey hatching. The cells are painted over, not restyled, so
// the group backdrops, the hover highlight and the temperature view's symbol colours stay
// theirs, and closing the window (or choosing "无") leaves the cells exactly as they were.
// Only the screen reader's name gets the value added ("铁 Fe 26，熔点 1811 K"), and is put
// back. Ctrl+H in the grid's window and the cells' context menu open the tool window.
class CellColouring : public QObject {
    Q_OBJECT
public:
    struct Grid {
        // The cells by atomic number, entry 0 the hidden cell.
        QVector<QLabel *> cells;
        // False while the cells stand for something else (the radius view): left alone then.
        std::function<bool()> normal;
        // True while the temperature view colours the symbols: their colour stays its own.
        std::function<bool()> symbolsTaken;
    };

    // `grid` is the widget the cells lie on.
    CellColouring(QWidget *grid, Grid cells);

    void openWindow();
    ColouringWindow *window() const;  // null while closed

    void show(const PropertyValues &values);
    void restore();
    bool isShowing() const { return m_values.has_value(); }
    // The legend of the colouring shown; null while none.
    const LegendData *legend() const;
    // What the cell of `atomicNumber` adds to its name and tooltip: "熔点 1811 K".
    QString said(int atomicNumber) const;
    // The background the cell of `atomicNumber` is painted; invalid without a value.
    QColor background(int atomicNumber) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paintCell(QLabel *cell);
    void paintSymbol(QPainter &painter, QLabel *cell, const QColor &ground);
    void setNames(bool added);
    void checkSymbols();

    QWidget *m_grid;
    Grid m_cells;
    std::optional<PropertyValues> m_values;
    std::optional<LegendData> m_legend;
    QVector<QColor> m_colours;      // by atomic number
    QVector<QString> m_ownNames;    // the cells' accessible names without the value
    QVector<QString> m_shownNames;  // as this colouring set them
    QPointer<ColouringWindow> m_window;
    bool m_symbolsTaken = false;  // the temperature view's colours, as last painted
    bool m_symbolsCheckDue = false;
};
