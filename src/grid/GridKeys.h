#pragma once

#include "TypeAhead.h"

#include <QElapsedTimer>
#include <QObject>
#include <QVector>

class QKeyEvent;
class QLabel;

// The keyboard position on a grid of labels (one per element, by atomic number; entry 0 is
// never reached). The arrow keys, Home and End move it by the labels' geometry, letters and
// digits find an element by symbol or number (letters that name none go to the find field), Enter
// and Space activate it. The position is the focus widget, so screen readers hear each move; only
// that label takes Tab focus. The mouse shares the position: follow() moves it without taking the
// focus.
class GridKeys : public QObject {
    Q_OBJECT
public:
    GridKeys(const QVector<QLabel *> &cells, QObject *parent);

    int position() const { return m_position; }
    void follow(int index);  // the mouse moved the shared position here
    // Gives the keyboard focus to the position; coming by Tab, it is highlighted too.
    void focusPosition(Qt::FocusReason reason);
    // The find field chose `index`: the keyboard goes there and activates it, as Enter does.
    void choose(int index);

signals:
    void moved(int index);      // the keyboard moved the position
    void activated(int index);  // Enter or Space on the position
    void tabbed(bool forward);  // Tab or Shift+Tab leaves the grid
    // Letters typed that name no symbol: the find field takes them over.
    void findRequested(const QString &typed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool handleKey(const QKeyEvent *key);
    void moveTo(int index);
    int typeAhead(const QString &text);
    bool reachable(int index) const;

    QVector<QLabel *> m_cells;
    int m_position = 1;
    TypeAhead m_typeAhead;
    QElapsedTimer m_clock;
};
