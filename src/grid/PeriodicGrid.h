#pragma once

#include <QVector>
#include <QWidget>

#include "RadiusCircles.h"
#include "files/ModVantrel.h"

class ElementCell;
class GridKeys;
class QMouseEvent;

// The periodic grid as the main window shows it: one cell per element over the group
// backdrops and the staircase line, the radius circles painted beneath them, the hover
// highlight and the keyboard position. It lies under the whole of the window's client
// area, so that its surface is the window's own surface; the window decides what a click,
// a move or a key means and tells the grid what to show.
class PeriodicGrid : public QWidget {
    Q_OBJECT
public:
    explicit PeriodicGrid(QWidget *window);

    ElementCell *cell(int index) const { return m_cells.value(index); }
    QWidget *backdrop(int index) const { return m_backdrops.value(index); }
    QWidget *line(int index) const { return m_lines.value(index); }
    GridKeys &keys() const { return *m_keys; }

    // Symbol, tooltip and phase colour of the record's cell.
    void applyRecord(const mod_Vantrel::ElementRecordType &record);
    // Group colouring: the backdrops show through transparent cells, or neither.
    void showGroups(bool shown);
    void setCellsTransparent(bool transparent);

    // The staircase line shows only with the normal grid; hover works only then.
    bool normalLinesShown() const;

    // Hover highlight: the cell highlighted last (1 at start) and the highlight itself.
    qint16 HoveredElement() const { return m_hoveredElement; }
    void highlight(int index, bool groupColouring);
    void removeHighlight(bool groupColouring);

    // The radius view: each record's cell small and bare over its circle.
    void clearCircles();
    void showRadiusCell(const mod_Vantrel::ElementRecordType &record, float radius, float colour);
    void restoreNormal(bool groupColouring);
    const QVector<RadiusCircles::Circle> &circles() const { return m_circles; }

signals:
    void cellClicked(int index);
    void cellHovered(int index);    // the mouse or the keyboard moved onto a cell
    void cellActivated(int index);  // Enter or Space on the keyboard position
    void surfaceMouseMoved();       // the mouse moved over no control
    void tabbed(bool forward);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;

private:
    void createBackdrops();
    void createCells();
    void createStaircase();
    void addCircle(ElementCell *cell, float radius, float colour);

    QVector<ElementCell *> m_cells;
    QVector<QWidget *> m_backdrops;
    QVector<QWidget *> m_lines;
    GridKeys *m_keys = nullptr;
    qint16 m_hoveredElement = 1;
    QVector<RadiusCircles::Circle> m_circles;
    QVector<int> m_circleCells;  // the cell of each circle, at most one circle per cell
};
