// The main window's tool windows over the grid: the element sheet, colouring by a property,
// the isotopes and the formula mass. Each is made when first asked for; the grid knows none.
#include "FrmVantrel.h"
#include "colouringwindow/CellColouring.h"
#include "details/DetailsPanel.h"
#include "formulawindow/FormulaWindow.h"
#include "grid/ElementCell.h"
#include "grid/GridKeys.h"
#include "isotopewindow/IsotopeWindow.h"
#include "sheet/ElementSheetWindow.h"
#include "temperature/TemperatureView.h"
#include "widgets/Dialogs.h"
#include "widgets/Windows.h"

#include <QAction>
#include <QMenu>
#include <QShortcut>

// The element sheet: Ctrl+I on the element of the panel or the keyboard position, and
// "元素资料…" on the panel's menu and after "复制" on each cell's.
void frm_Vantrel::connectSheet(QMenu *panelMenu)
{
    const auto open = [this](int n) {
        Dialogs::runHandler(this, [this, n] { ElementSheetWindow::open(this, n); });
    };
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_I), this), &QShortcut::activated, this,
            [this, open] {
                open(m_panel->isVisible() ? m_panel->shownElement() : m_grid->keys().position());
            });
    connect(panelMenu->addAction(ElementSheetWindow::kMenuText), &QAction::triggered, this,
            [this, open] { open(m_panel->shownElement()); });
    for (int n = 1; n <= mod_Vantrel::kElementCount; ++n) {
        ElementCell *cell = m_grid->cell(n);
        auto *entry = new QAction(ElementSheetWindow::kMenuText, cell);
        connect(entry, &QAction::triggered, this, [open, n] { open(n); });
        cell->insertAction(cell->actions().value(1), entry);
    }
}

// Colouring by a property (Ctrl+H) paints the cells' backgrounds, the temperature view their
// symbols; the nuclides and the formula mass each have an entry on the cells' menu.
void frm_Vantrel::connectToolWindows(TemperatureView *temperature)
{
    QVector<QLabel *> cells;
    for (int n = 0; n <= mod_Vantrel::kElementCount; ++n) cells.append(m_grid->cell(n));
    new CellColouring(m_grid, {cells, [this] { return m_grid->normalLinesShown(); },
                               [temperature] { return temperature->isShowing(); }});
    auto *formula = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_M), this);
    connect(formula, &QShortcut::activated, this, &frm_Vantrel::openFormulaWindow);
    for (int n = 1; n <= mod_Vantrel::kElementCount; ++n) {
        ElementCell *cell = m_grid->cell(n);
        auto *isotopes = new QAction(QStringLiteral("同位素…"), cell);
        connect(isotopes, &QAction::triggered, this, [this, n] { IsotopeWindow::open(this, n); });
        auto *mass = new QAction(QStringLiteral("化学式量…"), cell);
        connect(mass, &QAction::triggered, this, &frm_Vantrel::openFormulaWindow);
        cell->addActions({isotopes, mass});
    }
}

// While "化学式量" is open the cells of the formula's elements are framed.
void frm_Vantrel::openFormulaWindow()
{
    if (!m_formulaWindow) {
        m_formulaWindow = new FormulaWindow(m_grid);
        connect(m_formulaWindow, &FormulaWindow::elementsChanged, this,
                &frm_Vantrel::markFormulaElements);
        connect(m_formulaWindow, &FormulaWindow::closed, this, [this] { markFormulaElements({}); });
    }
    Windows::bringToFront(m_formulaWindow);
}

void frm_Vantrel::markFormulaElements(const QList<int> &atomicNumbers)
{
    for (int n = 1; n <= mod_Vantrel::kElementCount; ++n)
        m_grid->cell(n)->setMarked(atomicNumbers.contains(n));
}
