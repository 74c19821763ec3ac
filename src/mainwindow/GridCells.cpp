#include "GridCells.h"

#include "grid/ElementCell.h"
#include "grid/ElementGrid.h"
#include "grid/PeriodicGrid.h"

namespace GridCells {

QVector<QWidget *> widgets(const PeriodicGrid &grid)
{
    QVector<QWidget *> cells;
    for (int n = 0; n <= mod_Vantrel::kElementCount; ++n) cells.append(grid.cell(n));
    return cells;
}

int Phases::count() const
{
    return mod_Vantrel::kElementCount + 1;
}

QWidget *Phases::cell(int number) const
{
    return m_grid.cell(number);
}

QColor Phases::symbolColour(int number) const
{
    return m_grid.cell(number)->textColour();
}

void Phases::setSymbolColour(int number, const QColor &colour)
{
    m_grid.cell(number)->setTextColour(colour);
}

// The phase codes whose colours the grid already uses; Unknown has none.
QColor Phases::stateColour(PhaseAtTemperature::Phase phase) const
{
    using PhaseAtTemperature::Phase;
    switch (phase) {
        case Phase::Solid: return ElementGrid::phaseColour(QStringLiteral("S"));
        case Phase::Liquid: return ElementGrid::phaseColour(QStringLiteral("L"));
        case Phase::Gas: return ElementGrid::phaseColour(QStringLiteral("G"));
        case Phase::Unknown: break;
    }
    return QColor();
}

}  // namespace GridCells
