// The main window's wiring: each control's events to its handler, and the keyboard's way
// round the window (grid, toolbar, chart pane), finding and copying.
#include "FrmVantrel.h"
#include "GridCells.h"
#include "app/AppState.h"
#include "chartplugin/ChartPlugin.h"
#include "details/CardCopy.h"
#include "details/DetailsPanel.h"
#include "grid/FindField.h"
#include "grid/GridKeys.h"
#include "grid/PeriodicGrid.h"
#include "isotopewindow/IsotopeWindow.h"
#include "widgets/ButtonHover.h"
#include "widgets/Dialogs.h"
#include "widgets/ImageButtons.h"
#include "widgets/ToolbarKeys.h"

#include <QKeyEvent>
#include <QMenu>
#include <QShortcut>

// Every control's event goes through its handler; the keyboard takes the mouse's roads: a
// move onto a cell or button is a hover, Enter or Space a click.
void frm_Vantrel::connectHandlers()
{
    const auto run = [this](auto handler) {
        return [this, handler](int i) { Dialogs::runHandler(this, [=] { (this->*handler)(i); }); };
    };
    connect(m_grid, &PeriodicGrid::cellClicked, this, run(&frm_Vantrel::lbl_Elements_Click));
    connect(m_grid, &PeriodicGrid::cellActivated, this, run(&frm_Vantrel::lbl_Elements_Click));
    connect(m_grid, &PeriodicGrid::cellHovered, this, run(&frm_Vantrel::lbl_Elements_MouseMove));
    connect(m_grid, &PeriodicGrid::surfaceMouseMoved, this,
            [this] { Dialogs::runHandler(this, [this] { Form_MouseMove(); }); });
    connect(m_buttons, &ImageButtonArray::clicked, this, run(&frm_Vantrel::img_Btns_Click));
    connect(m_buttons, &ImageButtonArray::mouseMoved, this, run(&frm_Vantrel::img_Btns_MouseMove));
}

void frm_Vantrel::connectKeyboard()
{
    m_toolbarKeys = new ToolbarKeys(m_buttons, this);
    // Tab and Shift+Tab go round the window's stops: the grid, the toolbar and, while its
    // pane is open, the chart (whose keys are hooked up in msc_Options).
    connect(m_grid, &PeriodicGrid::tabbed, this, [this](bool forward) {
        if (forward || !focusChart(Qt::BacktabFocusReason))
            m_toolbarKeys->focusCurrent(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    });
    m_toolbarKeys->setTabHandler([this](bool forward) {
        if (!forward || !focusChart(Qt::TabFocusReason))
            m_grid->keys().focusPosition(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    });
    connect(m_panel, &DetailsPanel::closedWithFocus, this,
            [this] { m_grid->keys().focusPosition(Qt::OtherFocusReason); });
    connect(m_toolbarKeys, &ToolbarKeys::leftByTab, this,
            [this] { ButtonHover(*m_buttons, *m_app).left(); });
    m_grid->keys().focusPosition(Qt::OtherFocusReason);  // on hydrogen when the window opens
    // Finding: Ctrl+F, or letters that name no symbol.
    connect(new QShortcut(QKeySequence::Find, this), &QShortcut::activated, this,
            [this] { findField()->reopen(); });
    connect(&m_grid->keys(), &GridKeys::findRequested, this,
            [this](const QString &typed) { findField()->open(typed); });
    auto *copy = new CardCopy(this, m_panel, GridCells::widgets(*m_grid),
                              [this] { return m_grid->keys().position(); });
    connectSheet(copy->menu());
}

// Made when first asked for: its list costs a few milliseconds the first frame does without.
// A choice ends as Enter on the grid does.
FindField *frm_Vantrel::findField()
{
    if (!m_find) {
        m_find = new FindField(this);
        connect(m_find, &FindField::chosen, &m_grid->keys(), &GridKeys::choose);
        connect(m_find, &FindField::nuclideChosen, this, [this](int atomicNumber, int massNumber) {
            IsotopeWindow::open(this, atomicNumber, massNumber);
        });
    }
    return m_find;
}

void frm_Vantrel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_panel->isVisibleTo(this)) {
        Dialogs::runHandler(this, [this] { m_panel->img_Close_Click(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frm_Vantrel::focusChart(Qt::FocusReason reason)
{
    if (!m_chart || chartPaneFolded()) return false;
    m_chart->setFocus(reason);
    return true;
}
