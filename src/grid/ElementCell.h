#pragma once

#include "widgets/IndexedLabel.h"

// One cell of the periodic grid: the element's symbol on a white or transparent ground.
class ElementCell : public IndexedLabel {
    Q_OBJECT
public:
    ElementCell(int index, QWidget *parent);

    // Background style: transparent lets the group backdrop behind the cell show.
    void setTransparent(bool transparent);
    bool isTransparent() const { return !autoFillBackground(); }
    void setBackColour(const QColor &colour);
    QColor backColour() const;
    void setTextColour(const QColor &colour);
    QColor textColour() const;
    void setBorder(bool single);
    bool hasBorder() const { return m_border; }
    void setFontPoints(double points);
    // A frame inside the border: the element is in the formula of the tool window "化学式量".
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }
    // Pressed by a screen reader: a click.
    void press();

protected:
    void paintEvent(QPaintEvent *event) override;
    // The menu of the actions the grid's features add to the cell (copy, temperature view).
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    bool m_border = true;
    bool m_marked = false;
};

// A filled rectangle behind the cells (a group backdrop); the mouse passes through it.
class ShapeWidget : public QWidget {
public:
    ShapeWidget(const QColor &fill, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_fill;
};

// A straight segment of the staircase line; the mouse passes through it.
class LineWidget : public QWidget {
public:
    // `twips` is the segment in the parent's twips; `width` its pen width in pixels.
    LineWidget(const QLineF &twips, const QColor &colour, int width, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QLineF m_line;  // in this widget's pixels
    QColor m_colour;
    int m_width;
};
