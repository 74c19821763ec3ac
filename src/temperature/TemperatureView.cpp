#include "TemperatureView.h"

#include "TemperatureWindow.h"
#include "widgets/Windows.h"

#include <QAction>
#include <QShortcut>
#include <QWidget>
#include <utility>

using PhaseAtTemperature::Phase;

namespace {

const char kMenuText[] = "按温度显示物态…";

}  // namespace

TemperatureView::TemperatureView(QWidget *grid, std::unique_ptr<PhaseCells> cells)
    : QObject(grid), m_grid(grid), m_cells(std::move(cells))
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_T), grid);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &TemperatureView::openWindow);
    for (int n = 1; n < m_cells->count(); ++n) connectCell(m_cells->cell(n));
}

TemperatureView::~TemperatureView() = default;

// A right click, the menu key or Shift+F10 on a cell lists it among the cell's commands;
// the left button stays the cell's.
void TemperatureView::connectCell(QWidget *cell)
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
    m_fileLook.resize(m_cells->count());
    for (int n = 1; n < m_cells->count(); ++n)
        m_fileLook[n] = {m_cells->symbolColour(n), m_cells->cell(n)->toolTip(),
                         m_cells->cell(n)->accessibleDescription()};
}

void TemperatureView::show(const PhaseAtTemperature::Phases &phases)
{
    if (!isShowing()) keepFileLook();
    for (int n = 1; n < m_cells->count(); ++n) {
        Look look = m_fileLook[n];
        // An element without a record in the file as read now keeps the file's look.
        if (const std::optional<Phase> phase = phases.value(n)) {
            const QString said = QStringLiteral("：%1").arg(PhaseAtTemperature::name(*phase));
            const QColor colour = m_cells->stateColour(*phase);
            if (colour.isValid()) look.text = colour;
            look.toolTip += said;
            look.description += said;
        }
        setLook(n, look);
    }
}

void TemperatureView::restore()
{
    if (!isShowing()) return;
    for (int n = 1; n < m_cells->count(); ++n) setLook(n, m_fileLook[n]);
    m_fileLook.clear();
}

void TemperatureView::setLook(int number, const Look &look)
{
    QWidget *cell = m_cells->cell(number);
    // Only the text colour: the background belongs to the hover highlight and the groups.
    // Unchanged cells are left alone, so a slider drag repaints and announces no more.
    if (m_cells->symbolColour(number) != look.text) m_cells->setSymbolColour(number, look.text);
    if (cell->toolTip() != look.toolTip) cell->setToolTip(look.toolTip);
    if (cell->accessibleDescription() != look.description)
        cell->setAccessibleDescription(look.description);
}
