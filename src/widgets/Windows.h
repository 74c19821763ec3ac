#pragma once

#include <QMouseEvent>
#include <QWidget>

// Steps every window takes the same way.
namespace Windows {

// Shows a top-level window and puts it in front with the focus; a minimised window is
// restored first (to its maximised or normal size), as show() alone would leave it folded.
inline void bringToFront(QWidget *window)
{
    window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

// Mouse moves over child controls bubble up to their container; only a move over the
// container's bare surface counts as its own. Backdrops and lines that let the mouse
// through are not children here: childAt() does not see them.
inline bool onBareSurface(const QWidget *container, const QMouseEvent *event)
{
    return !container->childAt(event->position().toPoint());
}

}  // namespace Windows
