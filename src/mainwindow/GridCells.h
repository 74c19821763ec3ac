#pragma once

#include <QVector>

#include "temperature/TemperatureView.h"

class PeriodicGrid;
class QWidget;

// The grid's cells as the parts that change them see them: the details panel's copy and the
// temperature view know cells as widgets, not the grid.
namespace GridCells {

// By atomic number, entry 0 the hidden cell.
QVector<QWidget *> widgets(const PeriodicGrid &grid);

class Phases : public PhaseCells {
public:
    explicit Phases(PeriodicGrid &grid) : m_grid(grid) {}
    int count() const override;
    QWidget *cell(int number) const override;
    QColor symbolColour(int number) const override;
    void setSymbolColour(int number, const QColor &colour) override;
    QColor stateColour(PhaseAtTemperature::Phase phase) const override;

private:
    PeriodicGrid &m_grid;
};

}  // namespace GridCells
