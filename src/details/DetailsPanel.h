#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QPixmap>
#include <QVector>
#include <array>

#include "files/ModVantrel.h"

class QLabel;

// A picture stretched over the whole control, working as a button without button chrome.
// Being a real button, screen readers announce it as one and can press it.
class PictureButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit PictureButton(const QPixmap &picture, QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_picture;
};

// pic_Elements: the details of the element clicked last, shown over the table. Children
// are found by their object names (lbl_AtomicNumber, ..., lbl_EConfig0..7, img_Close).
class DetailsPanel : public QFrame {
    Q_OBJECT

public:
    explicit DetailsPanel(QWidget *parent = nullptr);

    // Places the panel, shows it and fills it from `record`, the symbol in `symbolColour`
    // (a colour number). The record's oxidation state fields are left as OxidationState
    // leaves them.
    void ShowpicElements(mod_Vantrel::ElementRecordType &record, qint32 symbolColour);
    // Shows the oxidation states; leaves each of the record's fields holding its part after
    // the last "#".
    void OxidationState(mod_Vantrel::ElementRecordType &record);
    // Blanks zero shell counts and centres the configuration labels on the panel.
    void ElectronConfig();

    // The atomic number of the element shown last; 0 before the first.
    int shownElement() const { return m_shownElement; }

    // Left edge of a child in twips, kept exactly: centred layouts give half pixels.
    static double leftTwips(const QWidget *control);
    static double widthTwips(const QWidget *control);

public slots:
    void img_Close_Click();

signals:
    // The panel closed while the keyboard was in it: the keyboard goes back to the grid.
    void closedWithFocus();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void applySystemColours();
    void createLabels();
    void createConfigLabels();
    void createCloseButton();
    void placeAndShow();
    void showNumbers(const mod_Vantrel::ElementRecordType &record);
    void showConfigTexts(const mod_Vantrel::ElementRecordType &record);
    void placeConfigLabels(const QStringList &shownTexts);
    void setUpReview();
    void speak();

    QLabel *m_atomicNumber = nullptr;
    QLabel *m_atomicWeight = nullptr;
    QLabel *m_boilingPoint = nullptr;
    QLabel *m_meltingPoint = nullptr;
    QLabel *m_density = nullptr;
    QLabel *m_symbol = nullptr;
    QLabel *m_name = nullptr;
    QLabel *m_stableStates = nullptr;
    QLabel *m_otherStates = nullptr;
    std::array<QLabel *, 8> m_config{};
    PictureButton *m_close = nullptr;
    QVector<QWidget *> m_review;  // what Tab and the arrows go through, in reading order
    int m_shownElement = 0;
};
