#include "ChartKeys.h"

#include "ChartAccessible.h"
#include "ChartControl.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

ChartKeys::ChartKeys(ChartControl *chart, QWidget *focusWidget)
    : QObject(chart), m_chart(chart), m_focusWidget(focusWidget)
{
    focusWidget->setFocusPolicy(Qt::StrongFocus);
    chart->setFocusProxy(focusWidget);
    focusWidget->installEventFilter(this);
}

int ChartKeys::current() const
{
    const int rows = m_chart->rowCount();
    return rows == 0 ? 0 : std::clamp(m_row, 1, rows);
}

void ChartKeys::setTabHandler(std::function<void(bool)> handler)
{
    m_tabHandler = std::move(handler);
}

void ChartKeys::moveTo(int row)
{
    m_row = row;
    m_chart->markBar(row);
    ChartAccessible::focusBar(m_focusWidget, row);
}

int ChartKeys::target(int key) const
{
    // A bar the pointer marked is where the keyboard goes on from.
    const int from = m_chart->markedBar() > 0 ? m_chart->markedBar() : current();
    switch (key) {
        case Qt::Key_Left: return std::max(1, from - 1);
        case Qt::Key_Right: return std::min(m_chart->rowCount(), from + 1);
        case Qt::Key_Home: return 1;
        case Qt::Key_End: return m_chart->rowCount();
        default: return -1;
    }
}

// The view hands the focus on to its scene after this, and that takes any tooltip away, so
// the mark waits for the focus to settle. Screen readers get the bar with the focus itself.
void ChartKeys::markOnceFocused()
{
    m_focusWidget->setAccessibleDescription(m_chart->toolTipText(current()));
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_focusWidget->hasFocus()) m_chart->markBar(current());
        },
        Qt::QueuedConnection);
}

bool ChartKeys::handleKey(const QKeyEvent *key)
{
    if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && m_tabHandler) {
        m_tabHandler(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    const int row = target(key->key());
    if (row < 0) return false;
    if (m_chart->rowCount() > 0) moveTo(row);
    return true;
}

bool ChartKeys::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
        case QEvent::KeyPress: return handleKey(static_cast<QKeyEvent *>(event));
        case QEvent::FocusIn:
            // The pointer marks the bar of a click itself.
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::MouseFocusReason)
                markOnceFocused();
            break;
        case QEvent::FocusOut:
            // The tooltip would stay over whatever takes the focus next.
            if (static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
                m_chart->markBar(0);
            break;
        default: break;
    }
    return QObject::eventFilter(watched, event);
}
