#pragma once

#include "IndexedLabel.h"

#include <QMap>
#include <QObject>
#include <QRectF>

// One image of a button pair: the normal picture i (1..100) or its highlight i + 100.
class ImageButton : public IndexedLabel {
    Q_OBJECT
public:
    ImageButton(int index, QWidget *parent);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
    bool m_pressed = false;
};

// A window's img_Btns control array: buttons made of a normal image and a highlight image
// at the same place. The highlight carries the tooltip and, once shown, takes the click.
// HighlightedButton (shared by all windows) names the highlight shown last.
class ImageButtonArray : public QObject {
    Q_OBJECT
public:
    explicit ImageButtonArray(QObject *parent = nullptr);

    // Adds normal image `normalIndex` and its hidden highlight at `twips` inside `container`.
    void add(int normalIndex, QWidget *container, const QRectF &twips, const QString &tooltip);

    ImageButton *image(int index) const { return m_images.value(index, nullptr); }

    // The common hover steps for normal image i: show and enable i + 100, hide and disable
    // the highlight shown before (quietly skipped when this window has no such image), and
    // remember i + 100. Nothing happens for a highlight index.
    void hover(int index);

    // Hides and disables the image HighlightedButton names, if this window has it.
    void reset();

    // False when this window has no image `index`.
    bool hideAndDisable(int index);

signals:
    void clicked(int index);
    void mouseMoved(int index);

private:
    QMap<int, ImageButton *> m_images;
};
