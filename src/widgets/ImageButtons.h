#pragma once

#include <QAbstractButton>
#include <QMap>
#include <QObject>
#include <QPixmap>
#include <QRectF>

// One image of a button pair: the normal picture i (1..100) or its highlight i + 100. A
// real button, so roles, focus and pressing by a screen reader come from the toolkit.
class ImageButton : public QAbstractButton {
    Q_OBJECT
public:
    ImageButton(int index, QWidget *parent);
    int index() const { return m_index; }

signals:
    void mouseClicked(int index);  // pressed and released on the button with the mouse
    void invoked(int index);       // pressed any other way: a screen reader, a shortcut
    void mouseMoved(int index);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;

private:
    void onClicked();

    int m_index;
    QPixmap m_picture;
    bool m_byMouse = false;
};

// A window's img_Btns control array: buttons made of a normal image and a highlight image
// at the same place. The highlight carries the tooltip and, once shown, takes the click.
// Which highlight shows is the caller's to remember (all toolbars share it): hover() and
// reset() are told the one shown last.
class ImageButtonArray : public QObject {
    Q_OBJECT
public:
    explicit ImageButtonArray(QObject *parent = nullptr);

    // Adds normal image `normalIndex` and its hidden highlight at `twips` inside `container`.
    void add(int normalIndex, QWidget *container, const QRectF &twips, const QString &tooltip);

    ImageButton *image(int index) const { return m_images.value(index, nullptr); }

    // The common hover steps for normal image i: show and enable i + 100, hide and disable
    // `shownBefore` when it is another image (quietly skipped when this window has no such
    // image). Returns the highlight now shown, i + 100; for a highlight index nothing
    // happens and `shownBefore` comes back.
    int hover(int index, int shownBefore);

    // Hides and disables image `highlight`, if this window has it.
    void reset(int highlight) { hideAndDisable(highlight); }

    // False when this window has no image `index`.
    bool hideAndDisable(int index);

signals:
    void clicked(int index);
    void invoked(int index);
    void mouseMoved(int index);

private:
    QMap<int, ImageButton *> m_images;
};
