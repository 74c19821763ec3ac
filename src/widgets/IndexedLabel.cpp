#include "IndexedLabel.h"

#include <QMouseEvent>

IndexedLabel::IndexedLabel(int index, QWidget *parent) : QLabel(parent), m_index(index)
{
    setMouseTracking(true);
}

void IndexedLabel::mouseMoveEvent(QMouseEvent *event)
{
    event->accept();
    emit mouseMoved(m_index);
}

void IndexedLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void IndexedLabel::mouseReleaseEvent(QMouseEvent *event)
{
    // A click is a press and a release on the same control.
    const bool click =
        m_pressed && event->button() == Qt::LeftButton && rect().contains(event->pos());
    m_pressed = false;
    event->accept();
    if (click) emit clicked(m_index);
}

// A double-click arrives as press, release, double-click, release: the first press and
// release were the click. The toolkit would take the double-click for a second press (and
// its release for a second click); here nothing handles it, so the command runs once.
void IndexedLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_pressed = false;
    event->accept();
}
