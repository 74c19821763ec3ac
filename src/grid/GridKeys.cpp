#include "GridKeys.h"

#include "widgets/GridNavigation.h"

#include <QKeyEvent>
#include <QLabel>
#include <QTimer>

namespace {

using GridNavigation::Move;

bool arrowMove(int key, Move *move)
{
    switch (key) {
        case Qt::Key_Left: *move = Move::Left; return true;
        case Qt::Key_Right: *move = Move::Right; return true;
        case Qt::Key_Up: *move = Move::Up; return true;
        case Qt::Key_Down: *move = Move::Down; return true;
        case Qt::Key_Home: *move = Move::RowStart; return true;
        case Qt::Key_End: *move = Move::RowEnd; return true;
        default: return false;
    }
}

bool isActivation(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

// Letters and digits typed without a command modifier.
bool isTypeAhead(const QKeyEvent *key)
{
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
    const QString text = key->text();
    return text.size() == 1 && text.at(0).isLetterOrNumber();
}

}  // namespace

GridKeys::GridKeys(const QVector<QLabel *> &cells, QObject *parent)
    : QObject(parent), m_cells(cells)
{
    m_clock.start();
    for (QLabel *cell : qAsConst(m_cells)) {
        cell->setFocusPolicy(Qt::NoFocus);
        cell->installEventFilter(this);
    }
    // A label that can take the keyboard when it is given text or polished gets a whole text
    // document of its own, which loads fonts before the window can map. The cells show plain
    // text: the position's cell becomes reachable by Tab once the window is up.
    QTimer::singleShot(0, this, [this] {
        if (QLabel *cell = m_cells.value(m_position)) cell->setFocusPolicy(Qt::TabFocus);
    });
}

bool GridKeys::reachable(int index) const
{
    const QLabel *cell = m_cells.value(index);
    return index > 0 && cell && cell->isVisibleTo(cell->parentWidget());
}

void GridKeys::follow(int index)
{
    // Every mouse move over a cell comes here; the position's cell already takes Tab focus.
    if (index <= 0 || index >= m_cells.size() || index == m_position) return;
    m_cells[m_position]->setFocusPolicy(Qt::NoFocus);
    m_position = index;
    m_cells[m_position]->setFocusPolicy(Qt::TabFocus);
}

void GridKeys::focusPosition(Qt::FocusReason reason)
{
    // Moving the focus is what tells a screen reader where the keyboard is.
    m_cells[m_position]->setFocus(reason);
}

void GridKeys::choose(int index)
{
    // A cell hidden in the radius view cannot be clicked, nor found.
    if (!reachable(index)) {
        focusPosition(Qt::OtherFocusReason);
        return;
    }
    moveTo(index);
    emit activated(index);
}

void GridKeys::moveTo(int index)
{
    // With nowhere to go the keyboard stays on the position, wherever the mouse left it.
    if (index != 0) follow(index);
    focusPosition(Qt::OtherFocusReason);
    if (index != 0) emit moved(index);
}

bool GridKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (!m_cells.contains(qobject_cast<QLabel *>(watched)))
        return QObject::eventFilter(watched, event);
    if (event->type() == QEvent::KeyPress) return handleKey(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::FocusIn) {
        // Tabbing into the grid shows where the keyboard is, as a move would.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            emit moved(m_position);
    }
    return QObject::eventFilter(watched, event);
}

bool GridKeys::handleKey(const QKeyEvent *key)
{
    Move move;
    if (arrowMove(key->key(), &move)) {
        QVector<GridNavigation::Cell> cells;
        for (int n = 1; n < m_cells.size(); ++n)
            if (reachable(n)) cells.append({n, m_cells[n]->geometry()});
        moveTo(GridNavigation::neighbour(cells, m_cells[m_position]->geometry(), move));
        return true;
    }
    if (isActivation(key->key())) {
        // The mouse may have moved the position since the last key. A cell hidden in the
        // radius view cannot be clicked.
        focusPosition(Qt::OtherFocusReason);
        if (reachable(m_position)) emit activated(m_position);
        return true;
    }
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        emit tabbed(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    if (isTypeAhead(key)) {
        const int found = typeAhead(key->text());
        if (found == 0 && !TypeAhead::isNumber(m_typeAhead.typed()))
            emit findRequested(m_typeAhead.take());
        else
            moveTo(found);
        return true;
    }
    return false;
}

int GridKeys::typeAhead(const QString &text)
{
    // The cells' own texts: they are what the user sees, and no element data is kept.
    QVector<TypeAhead::Entry> entries;
    for (int n = 1; n < m_cells.size(); ++n)
        if (reachable(n)) entries.append({n, m_cells[n]->text(), m_cells[n]->toolTip()});
    return m_typeAhead.type(text, m_clock.elapsed(), entries);
}
