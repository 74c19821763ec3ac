#include "CellColouring.h"

#include "ColouringWindow.h"
#include "colouring/ColourScale.h"
#include "widgets/Windows.h"

#include <QAction>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QShortcut>
#include <QStyle>
#include <QTimer>
#include <QToolTip>

namespace {

const char kMenuText[] = "按性质着色…";
const QString kSeparator = QStringLiteral("，");
constexpr int kHighlightFrame = 3;  // the hover highlight, as a frame round the colour

// The hover highlight is the only time a cell fills its own ground with something other
// than white: transparent over a group backdrop, white, or the highlight.
bool highlighted(const QLabel *cell)
{
    return cell->autoFillBackground() && cell->palette().color(QPalette::Window) != Qt::white;
}

}  // namespace

CellColouring::CellColouring(QWidget *grid, Grid cells)
    : QObject(grid), m_grid(grid), m_cells(std::move(cells))
{
    setObjectName(QStringLiteral("cellColouring"));
    auto *shortcut = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_H), grid);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, &CellColouring::openWindow);
    // Beside the temperature view's entry in the cells' context menu; one action for all,
    // as the grid is made before the first frame.
    auto *open = new QAction(QString::fromUtf8(kMenuText), this);
    connect(open, &QAction::triggered, this, &CellColouring::openWindow);
    for (int n = 1; n < m_cells.cells.size(); ++n) m_cells.cells[n]->addAction(open);
}

ColouringWindow *CellColouring::window() const
{
    return m_window;
}

void CellColouring::openWindow()
{
    if (!m_window) {
        m_window = new ColouringWindow(m_grid);
        connect(m_window, &ColouringWindow::coloured, this, &CellColouring::show);
        connect(m_window, &ColouringWindow::cleared, this, &CellColouring::restore);
        connect(m_window, &ColouringWindow::closed, this, &CellColouring::restore);
    }
    Windows::bringToFront(m_window);
}

const LegendData *CellColouring::legend() const
{
    return m_legend ? &*m_legend : nullptr;
}

QString CellColouring::said(int atomicNumber) const
{
    return m_values ? m_values->said(atomicNumber) : QString();
}

QColor CellColouring::background(int atomicNumber) const
{
    return m_colours.value(atomicNumber);
}

void CellColouring::show(const PropertyValues &values)
{
    const bool first = !isShowing();
    m_values = values;
    m_legend.emplace(values);
    m_colours.fill(QColor(), m_cells.cells.size());
    for (int n = 1; n < m_cells.cells.size(); ++n)
        m_colours[n] = m_legend->scale.colour(values.value(n));
    if (first)
        for (int n = 1; n < m_cells.cells.size(); ++n) m_cells.cells[n]->installEventFilter(this);
    m_symbolsTaken = m_cells.symbolsTaken();
    setNames(true);
    for (int n = 1; n < m_cells.cells.size(); ++n) m_cells.cells[n]->update();
}

void CellColouring::restore()
{
    if (!isShowing()) return;
    setNames(false);
    m_values.reset();
    m_legend.reset();
    m_colours.clear();
    for (int n = 1; n < m_cells.cells.size(); ++n) {
        m_cells.cells[n]->removeEventFilter(this);
        m_cells.cells[n]->update();
    }
}

// The name a screen reader says as the keyboard moves onto the cell. A name the grid gave
// the cell meanwhile (its record read again) is the grid's: it is kept, not overwritten.
void CellColouring::setNames(bool added)
{
    m_ownNames.resize(m_cells.cells.size());
    m_shownNames.resize(m_cells.cells.size());
    for (int n = 1; n < m_cells.cells.size(); ++n) {
        QLabel *cell = m_cells.cells[n];
        if (cell->accessibleName() != m_shownNames[n]) m_ownNames[n] = cell->accessibleName();
        m_shownNames[n] = added ? m_ownNames[n] + kSeparator + said(n) : m_ownNames[n];
        if (cell->accessibleName() != m_shownNames[n]) cell->setAccessibleName(m_shownNames[n]);
    }
    if (added) return;
    m_ownNames.clear();
    m_shownNames.clear();
}

bool CellColouring::eventFilter(QObject *watched, QEvent *event)
{
    auto *cell = qobject_cast<QLabel *>(watched);
    const int n = cell ? int(m_cells.cells.indexOf(cell)) : -1;
    if (n < 1 || !isShowing()) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::PaletteChange && !m_symbolsCheckDue) {
        // The temperature view opened or closed: it repaints only the cells it recoloured,
        // and those it left as they were need their symbols' edging put on or taken off.
        m_symbolsCheckDue = true;
        QTimer::singleShot(0, this, &CellColouring::checkSymbols);
    }
    if (!m_cells.normal()) return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::Paint) {
        paintCell(cell);
        return true;
    }
    if (event->type() == QEvent::ToolTip) {
        const QString own = cell->toolTip();
        QToolTip::showText(static_cast<QHelpEvent *>(event)->globalPos(),
                           own.isEmpty() ? said(n) : own + kSeparator + said(n), cell);
        return true;
    }
    return QObject::eventFilter(watched, event);
}

void CellColouring::checkSymbols()
{
    m_symbolsCheckDue = false;
    if (!isShowing() || m_cells.symbolsTaken() == m_symbolsTaken) return;
    m_symbolsTaken = !m_symbolsTaken;
    for (int n = 1; n < m_cells.cells.size(); ++n) m_cells.cells[n]->update();
}

// In place of the label's own painting: the value's colour, the highlight as a frame, the
// symbol, the cell's black border.
void CellColouring::paintCell(QLabel *cell)
{
    QPainter painter(cell);
    const QRect all = cell->rect();
    const QColor ground = m_colours.value(m_cells.cells.indexOf(cell));
    if (ground.isValid()) {
        painter.fillRect(all, ground);
    } else {
        painter.fillRect(all, Qt::white);
        painter.fillRect(all, Legend::noDataBrush());
    }
    if (highlighted(cell)) {
        const QColor mark = cell->palette().color(QPalette::Window);
        painter.setPen(QPen(mark, kHighlightFrame, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(all).adjusted(2.5, 2.5, -2.5, -2.5));  // inside the border
    }
    paintSymbol(painter, cell, ground.isValid() ? ground : QColor(Qt::white));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(all.adjusted(0, 0, -1, -1));
}

// Black or white on the colour; where the temperature view colours the symbol, its colour
// edged in the black or white that reads on the ground.
void CellColouring::paintSymbol(QPainter &painter, QLabel *cell, const QColor &ground)
{
    const QRect box = cell->contentsRect();
    const int align = QStyle::visualAlignment(cell->layoutDirection(), cell->alignment());
    const QColor readable = Contrast::symbolColour(ground);
    const bool ownColour = m_symbolsTaken || ground == Qt::white;
    const QColor symbol = ownColour ? cell->palette().color(QPalette::WindowText) : readable;
    // A temperature colour that does not read on the ground is edged in one that does; a
    // cell without a value keeps the look it has on white.
    if (ground != Qt::white && Contrast::ratio(symbol, ground) < Contrast::kMinimumRatio) {
        painter.setPen(readable);
        for (const QPoint offset : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
            painter.drawText(box.translated(offset), align, cell->text());
    }
    painter.setPen(symbol);
    painter.drawText(box, align, cell->text());
}
