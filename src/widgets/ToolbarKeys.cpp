#include "ToolbarKeys.h"

#include "ButtonPictures.h"
#include "GridNavigation.h"
#include "ImageButtons.h"

#include <QKeyEvent>

namespace {

constexpr int kHighlightOffset = ButtonPictures::kHighlight;

bool isTab(const QKeyEvent *key)
{
    return key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
}

bool isActivation(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
}

}  // namespace

ToolbarKeys::ToolbarKeys(ImageButtonArray *buttons, QObject *parent)
    : QObject(parent), m_buttons(buttons)
{
    QVector<GridNavigation::Cell> normals;
    for (int i = 1; i <= kHighlightOffset; ++i) {
        if (ImageButton *normal = buttons->image(i)) {
            normals.append({i, normal->geometry()});
            normal->setFocusPolicy(Qt::NoFocus);
            normal->installEventFilter(this);
        }
    }
    // Pressed by a screen reader, a button takes the keyboard's road: hover, then click.
    connect(buttons, &ImageButtonArray::invoked, this, [this](int index) {
        press(index > kHighlightOffset ? index - kHighlightOffset : index);
    });
    m_order = GridNavigation::readingOrder(normals);
    if (!m_order.isEmpty()) setCurrent(m_order.first());
}

void ToolbarKeys::placeInTabOrder(QWidget *previous)
{
    // The tab order leaves out controls that take no focus, so for the moment every
    // button takes it.
    for (int i : qAsConst(m_order)) {
        m_buttons->image(i)->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(previous, m_buttons->image(i));
        previous = m_buttons->image(i);
    }
    for (int i : qAsConst(m_order))
        if (i != m_current) m_buttons->image(i)->setFocusPolicy(Qt::NoFocus);
}

void ToolbarKeys::setTabHandler(std::function<void(bool)> handler)
{
    m_tabHandler = std::move(handler);
}

void ToolbarKeys::setCurrent(int normalIndex)
{
    if (ImageButton *old = m_buttons->image(m_current)) old->setFocusPolicy(Qt::NoFocus);
    m_current = normalIndex;
    m_buttons->image(m_current)->setFocusPolicy(Qt::TabFocus);
}

void ToolbarKeys::focusCurrent(Qt::FocusReason reason)
{
    if (ImageButton *image = m_buttons->image(m_current)) image->setFocus(reason);
}

void ToolbarKeys::moveTo(int normalIndex)
{
    if (normalIndex == 0) return;
    setCurrent(normalIndex);
    focusCurrent(Qt::OtherFocusReason);
    emit m_buttons->mouseMoved(normalIndex);
}

void ToolbarKeys::press(int normalIndex)
{
    // A mouse is over the button before it clicks: the hover decides whether the
    // highlight, which carries the command, is there to take the click.
    emit m_buttons->mouseMoved(normalIndex);
    const ImageButton *highlight = m_buttons->image(normalIndex + kHighlightOffset);
    const bool shown =
        highlight && highlight->isVisibleTo(highlight->parentWidget()) && highlight->isEnabled();
    emit m_buttons->clicked(shown ? normalIndex + kHighlightOffset : normalIndex);
}

int ToolbarKeys::target(int key) const
{
    const int at = m_order.indexOf(m_current);
    switch (key) {
        case Qt::Key_Left: return at > 0 ? m_order[at - 1] : 0;
        case Qt::Key_Right: return at + 1 < m_order.size() ? m_order[at + 1] : 0;
        case Qt::Key_Home: return m_order.value(0);
        case Qt::Key_End: return m_order.value(m_order.size() - 1);
        default: break;
    }
    if (key != Qt::Key_Up && key != Qt::Key_Down) return -1;
    QVector<GridNavigation::Cell> normals;
    for (int i : m_order) normals.append({i, m_buttons->image(i)->geometry()});
    const auto move = key == Qt::Key_Up ? GridNavigation::Move::Up : GridNavigation::Move::Down;
    return GridNavigation::neighbour(normals, m_buttons->image(m_current)->geometry(), move);
}

bool ToolbarKeys::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) return handleKey(static_cast<QKeyEvent *>(event));
    if (event->type() == QEvent::FocusIn) {
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason)
            emit m_buttons->mouseMoved(m_current);
    }
    if (event->type() == QEvent::FocusOut) {
        // Leaving by Tab takes the highlight along, as leaving with the mouse does.
        const Qt::FocusReason reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) emit leftByTab();
    }
    return QObject::eventFilter(watched, event);
}

bool ToolbarKeys::handleKey(const QKeyEvent *key)
{
    if (isActivation(key->key())) {
        press(m_current);
        return true;
    }
    if (isTab(key) && m_tabHandler) {
        m_tabHandler(key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier));
        return true;
    }
    const int next = target(key->key());
    if (next < 0) return false;
    moveTo(next);
    return true;
}
