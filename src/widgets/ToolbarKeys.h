#pragma once

#include <QObject>
#include <QVector>
#include <functional>

class ImageButtonArray;
class QKeyEvent;
class QWidget;

// The keyboard on a window's image buttons. The focus rests on a normal image; Left and
// Right step through the buttons in reading order, Up and Down to the button above or
// below, Home and End to the first and last. Each step is a mouse move over the button
// and Enter or Space a click on it, given as the button array's own signals, so the
// window's handlers and their conditions decide as they do for the mouse. Only the
// current button takes Tab focus: the toolbar is one stop in the window's tab order.
class ToolbarKeys : public QObject {
    Q_OBJECT
public:
    ToolbarKeys(ImageButtonArray *buttons, QObject *parent);

    int current() const { return m_current; }  // normal index of the current button
    // Gives the focus to the current button; coming by Tab, its highlight shows.
    void focusCurrent(Qt::FocusReason reason);

    // Puts the buttons, in reading order, into the tab order right after `previous`.
    void placeInTabOrder(QWidget *previous);

    // Where Tab and Shift+Tab go from the toolbar; without it they follow the tab order.
    void setTabHandler(std::function<void(bool forward)> handler);

    // Hover and click on normal image `normalIndex`, as a mouse would give them.
    void press(int normalIndex);

signals:
    // The focus left the toolbar by Tab: the window takes the highlight away, as it does
    // when the mouse leaves.
    void leftByTab();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(const QKeyEvent *key);
    void moveTo(int normalIndex);
    int target(int key) const;
    void setCurrent(int normalIndex);

    ImageButtonArray *m_buttons;
    QVector<int> m_order;  // normal indexes in reading order
    int m_current = 0;
    std::function<void(bool)> m_tabHandler;
};
