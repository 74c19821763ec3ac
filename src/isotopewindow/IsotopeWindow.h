#pragma once

#include <QWidget>

class IsotopeView;

// The window "同位素": one element's nuclides (IsotopeView), above its owner's window and
// closed with it. One window serves every element; Esc closes it.
class IsotopeWindow : public QWidget {
    Q_OBJECT
public:
    explicit IsotopeWindow(QWidget *owner);

    // The owner's isotope window, made on first use, showing `atomicNumber` with the row of
    // `massNumber` current (0: the first row), in front with the keyboard in the table.
    // A data file that cannot be read is reported in a message box.
    static IsotopeWindow *open(QWidget *owner, int atomicNumber, int massNumber = 0);

    IsotopeView *view() const { return m_view; }

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    IsotopeView *m_view = nullptr;
};
