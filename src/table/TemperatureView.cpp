#include "TemperatureView.h"

#include "ElementCell.h"
#include "ElementGrid.h"
#include "TemperatureWindow.h"
#include "widgets/Windows.h"

#include <QAction>
#include <QShortcut>

using PhaseAtTemperature::Phase;

namespace {

const char kMenuText[] = "按温度显示物态…";

// The phase codes whose colours the grid already uses; Unknown has none.
QColor colourOf(Phase phase)
{
    switch (phase) {
        case Phase::Solid: return ElementGrid::phaseColour(QStringLiteral("S"));
        case Phase::Liquid: return ElementGrid::phaseColour(QStringLiteral("L"));
        case Phase::Gas: return ElementGrid::phaseColour(QStringLiteral("G"));
        case Phase::Unknown: break;
    }
    return QColor();
}

}  // namespace

TemperatureView::TemperatureView(QWidget *grid, const QVector<ElementCell *> &cells)
    : QObject(grid), m_grid(grid), m_cells(cells)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), grid);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &TemperatureView::openWindow);
    for (int n = 1; n < m_cells.size(); ++n) connectCell(m_cells[n]);
}

// A right click, the menu key or Shift+F10 on a cell lists it among the cell's commands;
// the left button stays the cell's.
void TemperatureView::connectCell(ElementCell *cell)
{
    auto *open = new QAction(QString::fromUtf8(kMenuText), cell);
    connect(open, &QAction::triggered, this, &TemperatureView::openWindow);
    cell->addAction(open);
}

TemperatureWindow *TemperatureView::window() const
{
    return m_window;
}

void TemperatureView::openWindow()
{
    if (!m_window) {
        m_window = new TemperatureWindow(m_grid);
        connect(m_window, &TemperatureWindow::phasesRead, this,
                [this](double, const PhaseAtTemperature::Phases &phases) { show(phases); });
        connect(m_window, &TemperatureWindow::closed, this, &TemperatureView::restore);
        m_window->setKelvin(TemperatureWindow::kRoomKelvin);
    }
    Windows::bringToFront(m_window);
}

void TemperatureView::keepFileLook()
{
    m_fileLook.resize(m_cells.size());
    for (int n = 1; n < m_cells.size(); ++n)
        m_fileLook[n] = {m_cells[n]->textColour(), m_cells[n]->toolTip(),
                         m_cells[n]->accessibleDescription()};
}

void TemperatureView::show(const PhaseAtTemperature::Phases &phases)
{
    if (!isShowing()) keepFileLook();
    for (int n = 1; n < m_cells.size(); ++n) {
        Look look = m_fileLook[n];
        // An element without a record in the file as read now keeps the file's look.
        if (const std::optional<Phase> phase = phases.value(n)) {
            const QString said = QStringLiteral("：%1").arg(PhaseAtTemperature::name(*phase));
            if (colourOf(*phase).isValid()) look.text = colourOf(*phase);
            look.toolTip += said;
            look.description += said;
        }
        setLook(n, look);
    }
}

void TemperatureView::restore()
{
    if (!isShowing()) return;
    for (int n = 1; n < m_cells.size(); ++n) setLook(n, m_fileLook[n]);
    m_fileLook.clear();
}

void TemperatureView::setLook(int number, const Look &look)
{
    ElementCell *cell = m_cells[number];
    // Only the text colour: the background belongs to the hover highlight and the groups.
    // Unchanged cells are left alone, so a slider drag repaints and announces no more.
    if (cell->textColour() != look.text) cell->setTextColour(look.text);
    if (cell->toolTip() != look.toolTip) cell->setToolTip(look.toolTip);
    if (cell->accessibleDescription() != look.description)
        cell->setAccessibleDescription(look.description);
}
