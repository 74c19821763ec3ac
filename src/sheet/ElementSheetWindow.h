#pragma once

#include <QWidget>

class QLabel;
class QTreeWidget;

// The window "元素资料": every value of one element in five groups (ElementSheet), each row
// with its unit, and its sources and notes in the tooltip and in what screen readers hear.
// One window at a time; it follows the element chosen in the grid while it is open.
// Ctrl+C copies the whole sheet as text and as an HTML table; Esc closes it.
class ElementSheetWindow : public QWidget {
    Q_OBJECT
public:
    static inline const QString kMenuText = QStringLiteral("元素资料…");

    // Opens the window above `owner`'s window (or raises the open one) on element
    // `atomicNumber`. Throws DataError when a data file cannot be read.
    static ElementSheetWindow *open(QWidget *owner, int atomicNumber);
    // Shows `atomicNumber` in the open window; nothing when none is open.
    static void follow(int atomicNumber);
    // The open window, or nullptr.
    static ElementSheetWindow *current();

    int element() const { return m_element; }
    QTreeWidget *tree() const { return m_tree; }
    // Reads the element and shows its sheet (DataError).
    void showElement(int atomicNumber);
    void copy() const;

protected:
    void keyPressEvent(QKeyEvent *event) override;  // Esc closes, as the other tool windows

private:
    explicit ElementSheetWindow(QWidget *owner);

    int m_element = 0;
    QLabel *m_heading = nullptr;
    QTreeWidget *m_tree = nullptr;
};
