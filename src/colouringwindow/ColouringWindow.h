#pragma once

#include <QWidget>

#include "colouring/PropertyValues.h"

class LegendView;
class QListWidget;

// The tool window "按性质着色": a list of the properties the table can be coloured by, "无"
// first, and the legend of the one chosen. Choosing one reads every element's value; the
// window knows nothing of the grid and reports by signals.
class ColouringWindow : public QWidget {
    Q_OBJECT
public:
    // A tool window above `owner`'s window, closed with it; nothing is read until a choice.
    explicit ColouringWindow(QWidget *owner);

    // Chooses the property `key` names, or "无" for an empty key, as a click would.
    void choose(const QString &key);
    QString chosenKey() const;

    QListWidget *list() const { return m_list; }
    LegendView *legendView() const { return m_legend; }

signals:
    void coloured(const PropertyValues &values);
    void cleared();  // "无" chosen
    void closed();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void apply();

    QListWidget *m_list = nullptr;
    LegendView *m_legend = nullptr;
};
