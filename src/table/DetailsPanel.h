#pragma once

#include <QAbstractButton>
#include <QFrame>
#include <QPixmap>
#include <array>

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
    QPixmap picture_;
};

// pic_Elements: the details of the element clicked last, shown over the table. Children
// are found by their object names (lbl_AtomicNumber, ..., lbl_EConfig0..7, img_Close).
class DetailsPanel : public QFrame {
    Q_OBJECT

public:
    explicit DetailsPanel(QWidget *parent = nullptr);

    // Places the panel, shows it and fills it from mod_Vantrel::ElementRecord and
    // mod_Vantrel::SymbolColor.
    void ShowpicElements();
    // Shows the oxidation states; leaves each record field holding its part after the
    // last "#".
    void OxidationState();
    // Blanks zero shell counts and centres the configuration labels on the panel.
    void ElectronConfig();

    // Left edge of a child in twips, kept exactly: centred layouts give half pixels.
    static double leftTwips(const QWidget *control);
    static double widthTwips(const QWidget *control);

public slots:
    void img_Close_Click();

private:
    void applySystemColours();
    void createLabels();
    void createConfigLabels();
    void createCloseButton();
    void placeAndShow();
    void showNumbers();
    void showConfigTexts();
    void placeConfigLabels(const QStringList &shownTexts);

    QLabel *lbl_AtomicNumber = nullptr;
    QLabel *lbl_AtomicWeight = nullptr;
    QLabel *lbl_BP = nullptr;
    QLabel *lbl_MP = nullptr;
    QLabel *lbl_Density = nullptr;
    QLabel *lbl_ElementSymbol = nullptr;
    QLabel *lbl_Name = nullptr;
    QLabel *lbl_OxidationStable = nullptr;
    QLabel *lbl_Oxidation = nullptr;
    std::array<QLabel *, 8> lbl_EConfig{};
    PictureButton *img_Close = nullptr;
};
