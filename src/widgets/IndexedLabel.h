#pragma once

#include <QLabel>

// A member of a control array: a label that reports clicks and mouse moves with its index.
// Moves are taken here, so the window's own mouse-move step never sees them.
class IndexedLabel : public QLabel {
    Q_OBJECT
public:
    IndexedLabel(int index, QWidget *parent);
    int index() const { return m_index; }

signals:
    void clicked(int index);
    void mouseMoved(int index);

protected:
    void mouseMoveEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    int m_index;
    bool m_pressed = false;
};
