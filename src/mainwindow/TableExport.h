#pragma once

#include <QObject>
#include <QRect>
#include <functional>

struct LegendData;
class QAction;
class QMenu;
class ChartPlugin;
class QPainter;
class QWidget;

// The periodic table on paper or in a picture, as the window shows it: group colours,
// radius circles, the open chart pane, all drawn by the widgets themselves, and the legend
// of the colouring by a property under it while the table is coloured. Ctrl+P prints
// it in landscape fitted to the page, Ctrl+S and "保存图片…" save it as PNG or SVG; both are
// also in the window's context menu.
class TableExport : public QObject {
    Q_OBJECT
public:
    // `area` gives the part of `window` that holds the table, at the moment it is asked.
    TableExport(QWidget *window, std::function<QRect()> area);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void paint(QPainter &painter) const;
    const LegendData *legend() const;
    QSize pictureSize() const;
    // The plugin that prints and saves pictures; without it the user is told why not.
    ChartPlugin *output() const;
    QMenu *menu(QWidget *parent) const;
    void print();
    void savePicture();

    QWidget *m_window;
    std::function<QRect()> m_area;
    QAction *m_print;
    QAction *m_save;
};
