#include "PeriodicGrid.h"

#include "ElementCell.h"
#include "ElementGrid.h"
#include "GridKeys.h"
#include "widgets/ColourNumber.h"
#include "widgets/Twips.h"
#include "widgets/Windows.h"

#include <QMouseEvent>
#include <QPainter>

using namespace mod_Vantrel;

namespace {

const QColor kHighlightYellow(255, 250, 128);  // colour number 0x80FAFF
constexpr double kNormalPoints = 12;
constexpr double kRadiusViewPoints = 8;

}  // namespace

PeriodicGrid::PeriodicGrid(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("grid"));
    setMouseTracking(true);
    createBackdrops();
    createCells();
    createStaircase();
    m_keys = new GridKeys(QVector<QLabel *>(m_cells.begin(), m_cells.end()), this);
    connect(m_keys, &GridKeys::moved, this, &PeriodicGrid::cellHovered);
    connect(m_keys, &GridKeys::activated, this, &PeriodicGrid::cellActivated);
    connect(m_keys, &GridKeys::tabbed, this, &PeriodicGrid::tabbed);
}

void PeriodicGrid::createBackdrops()
{
    for (const ElementGrid::Backdrop &backdrop : ElementGrid::backdrops()) {
        auto *shape = new ShapeWidget(backdrop.colour, this);
        shape->setObjectName(QStringLiteral("shp_Group%1").arg(m_backdrops.size()));
        const QRectF &r = backdrop.rect;
        shape->setGeometry(Twips::rect(r.x(), r.y(), r.width(), r.height()));
        m_backdrops.append(shape);
    }
}

void PeriodicGrid::createCells()
{
    for (int n = 0; n <= kElementCount; ++n) {
        auto *cell = new ElementCell(n, this);
        const QRectF r = ElementGrid::cellRect(n);
        cell->setGeometry(Twips::rect(r.x(), r.y(), r.width(), r.height()));
        connect(cell, &ElementCell::clicked, this, &PeriodicGrid::cellClicked);
        connect(cell, &ElementCell::mouseMoved, this, &PeriodicGrid::cellHovered);
        m_cells.append(cell);
    }
    m_cells[0]->setText(QStringLiteral("X"));
    m_cells[0]->hide();
}

void PeriodicGrid::createStaircase()
{
    for (const QLineF &segment : ElementGrid::staircase()) {
        auto *line = new LineWidget(segment, ElementGrid::staircaseColour(), 3, this);
        line->setObjectName(QStringLiteral("lne_Lines%1").arg(m_lines.size()));
        m_lines.append(line);
    }
}

void PeriodicGrid::applyRecord(const ElementRecordType &record)
{
    ElementCell *cell = m_cells[record.AtomicNumber];
    cell->setText(record.Symbol);
    cell->setToolTip(record.ElementName);
    // What a screen reader says on the cell: name, symbol and atomic number.
    cell->setAccessibleName(
        QStringLiteral("%1 %2 %3").arg(record.ElementName, record.Symbol).arg(record.AtomicNumber));
    const QColor colour = ElementGrid::phaseColour(record.PhaseCode);
    if (colour.isValid()) cell->setTextColour(colour);
}

void PeriodicGrid::showGroups(bool shown)
{
    for (QWidget *backdrop : qAsConst(m_backdrops)) backdrop->setVisible(shown);
    setCellsTransparent(shown);
}

void PeriodicGrid::setCellsTransparent(bool transparent)
{
    for (int n = 1; n <= kElementCount; ++n) m_cells[n]->setTransparent(transparent);
}

bool PeriodicGrid::normalLinesShown() const
{
    return m_lines[0]->isVisibleTo(parentWidget());
}

void PeriodicGrid::removeHighlight(bool groupColouring)
{
    ElementCell *cell = m_cells.value(m_hoveredElement);
    if (!cell) return;
    if (groupColouring) cell->setTransparent(true);
    cell->setBackColour(Qt::white);
}

void PeriodicGrid::highlight(int index, bool groupColouring)
{
    removeHighlight(groupColouring);
    m_hoveredElement = qint16(index);
    m_keys->follow(index);  // the mouse and the keyboard share one position
    m_cells[index]->setTransparent(false);
    m_cells[index]->setBackColour(kHighlightYellow);
}

// ---- radius view ----

void PeriodicGrid::clearCircles()
{
    m_circles.clear();
    m_circleCells.clear();
    update();
}

void PeriodicGrid::showRadiusCell(const ElementRecordType &record, float radius, float colour)
{
    for (QWidget *backdrop : qAsConst(m_backdrops)) backdrop->hide();
    ElementCell *cell = m_cells[record.AtomicNumber];
    cell->show();
    cell->setBorder(false);
    cell->setTransparent(true);
    cell->setFontPoints(kRadiusViewPoints);
    for (QWidget *line : qAsConst(m_lines)) line->hide();
    addCircle(cell, radius, colour);
}

void PeriodicGrid::addCircle(ElementCell *cell, float radius, float colour)
{
    const QRect g = cell->geometry();
    const QRectF twips(Twips::fromPx(g.x()), Twips::fromPx(g.y()), Twips::fromPx(g.width()),
                       Twips::fromPx(g.height()));
    // One circle per cell: a later record of the same element replaces the earlier circle.
    const qsizetype earlier = m_circleCells.indexOf(cell->index());
    if (earlier >= 0) {
        m_circles.remove(earlier);
        m_circleCells.remove(earlier);
    }
    m_circles.append(RadiusCircles::circleFor(twips, radius, colour));
    m_circleCells.append(cell->index());
    if (radius == 0) cell->hide();
    update();
}

void PeriodicGrid::restoreNormal(bool groupColouring)
{
    clearCircles();
    for (int n = 1; n <= kElementCount; ++n) {
        ElementCell *cell = m_cells[n];
        cell->show();
        cell->setFontPoints(kNormalPoints);
        cell->setBorder(true);
        if (!groupColouring) cell->setTransparent(false);
    }
    for (QWidget *line : qAsConst(m_lines)) line->show();
    for (QWidget *shape : qAsConst(m_backdrops)) shape->show();
}

// ---- drawing and the mouse ----

void PeriodicGrid::paintEvent(QPaintEvent *)
{
    if (m_circles.isEmpty()) return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const RadiusCircles::Circle &circle : qAsConst(m_circles)) {
        const QColor colour = ColourNumber::toColor(circle.colour);
        painter.setPen(colour);
        painter.setBrush(colour);
        const double r = circle.radius / Twips::kPerPixel;
        painter.drawEllipse(circle.centre / Twips::kPerPixel, r, r);
    }
}

void PeriodicGrid::mouseMoveEvent(QMouseEvent *event)
{
    if (Windows::onBareSurface(this, event)) emit surfaceMouseMoved();
    event->accept();
}
