#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QListWidget;

// Finding an element by any of its names: a small field over the grid with the elements
// its text names listed beneath, best first. Ctrl+F in the window reopens it; Enter (or a
// click on a suggestion) chooses, Esc closes. Down and Up go between the field and the
// list, so a screen reader reads each suggestion as the keyboard reaches it.
class FindField : public QWidget {
    Q_OBJECT
public:
    explicit FindField(QWidget *window);

    QLineEdit *edit() const { return m_edit; }
    QListWidget *suggestions() const { return m_list; }

public slots:
    // Shows the field holding `text`, the keyboard in it.
    void open(const QString &text);
    // Shows the field with the last search selected.
    void reopen();
    // Hides it; the keyboard goes back to where it was before the field opened.
    void dismiss();

signals:
    void chosen(int atomicNumber);
    // After chosen(), when the choice was a nuclide ("C-14", "碳-14", "14C", "U235").
    void nuclideChosen(int atomicNumber, int massNumber);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateSuggestions();
    void choose(int row);
    bool editKey(const QKeyEvent *key);
    bool listKey(QKeyEvent *key);
    void fitHeight();
    void closeWhenFocusLeaves(QWidget *now);

    QLineEdit *m_edit = nullptr;
    QListWidget *m_list = nullptr;
    QPointer<QWidget> m_returnFocus;
};
