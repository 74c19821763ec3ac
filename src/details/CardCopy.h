#pragma once

#include <QObject>
#include <QVector>
#include <functional>

class DetailsPanel;
class QMenu;
class QWidget;

// Copying an element's card (ElementCard) to the clipboard, as text and as an HTML table.
// Ctrl+C in the window copies the element of the details panel while it is shown, else the
// one at the keyboard position; "复制" on the context menu of the panel, and first on each
// cell's menu (the menu key opens it at the keyboard position), copies theirs.
class CardCopy : public QObject {
    Q_OBJECT
public:
    // `cells` by atomic number, entry 0 the hidden cell; `keyboardPosition` gives the
    // element the grid's keyboard is on. The panel and the grid do not know each other.
    CardCopy(QWidget *window, DetailsPanel *panel, const QVector<QWidget *> &cells,
             std::function<int()> keyboardPosition);

    QMenu *menu() const { return m_menu; }
    // Reads element `atomicNumber` from the data file and puts its card on the clipboard.
    // Throws DataError when the file cannot be read; an element the file lacks copies nothing.
    static void copy(int atomicNumber);

private:
    void copyCurrent();
    void showMenu(QWidget *over, const QPoint &pos, int atomicNumber);
    void copyHandled(int atomicNumber);

    QWidget *m_window;
    DetailsPanel *m_panel;
    std::function<int()> m_keyboardPosition;
    QMenu *m_menu = nullptr;
    int m_menuElement = 0;
};
