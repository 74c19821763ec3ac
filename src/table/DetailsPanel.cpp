#include "DetailsPanel.h"

#include "ButtonPictures.h"

#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "Fonts.h"
#include "PanelLayout.h"
#include "Twips.h"
#include "data/ModVantrel.h"
#include "data/NumberText.h"

namespace {

constexpr double kPanelLeft = 3285;
constexpr double kPanelTop = 1320;
constexpr double kPanelWidth = 2865;
constexpr double kPanelHeight = 2775;
constexpr char kLeftProperty[] = "leftTwips";
constexpr char kAutoSizeProperty[] = "autoSize";
// An empty auto-sized label keeps one pixel, so the labels after it still chain on.
constexpr int kEmptyWidthPx = 1;
// Room for the overhang of bold glyphs past their advance.
constexpr int kTextMarginPx = 1;

struct LabelDesign {
    const char *name;
    double left, top, width, height;  // twips
    double points;
    bool bold;
    Qt::Alignment alignment;
    bool autoSize;
    QColor colour;  // invalid: the panel's text colour
    const char *toolTip;
};

const LabelDesign kLabels[] = {
    {"lbl_AtomicNumber", 120, 0, 975, 495, 24, true, Qt::AlignLeft, false, QColor(0, 0, 192),
     "原子序数"},
    {"lbl_AtomicWeight", 840, 120, 1575, 375, 13.5, true, Qt::AlignHCenter, false,
     QColor(255, 0, 0), "原子量"},
    {"lbl_BP", 120, 720, 75, 195, 8.25, true, Qt::AlignLeft, true, QColor(0, 128, 0), "沸点 (K)"},
    {"lbl_MP", 120, 960, 75, 195, 8.25, true, Qt::AlignLeft, true, QColor(255, 128, 0), "熔点 (K)"},
    {"lbl_Density", 120, 1320, 75, 195, 8.25, true, Qt::AlignLeft, true, QColor(0, 0, 192),
     "密度 (g/cm^3)"},
    {"lbl_ElementSymbol", 780, 600, 1815, 1110, 48, true, Qt::AlignHCenter, false, QColor(),
     "原子符号"},
    {"lbl_Name", 240, 1680, 2295, 375, 13.5, true, Qt::AlignHCenter, false, QColor(), "元素名称"},
    {"lbl_OxidationStable", 840, 480, 75, 240, 9.75, true, Qt::AlignLeft, true, QColor(),
     "稳定氧化序号"},
    {"lbl_Oxidation", 1560, 480, 45, 240, 9.75, false, Qt::AlignLeft, true, QColor(), "氧化序号"},
};

// Shell labels alternate: even ones name the subshell, odd ones hold its electron count,
// 45 twips higher and smaller so it reads as a superscript.
LabelDesign configDesign(int index)
{
    static const double lefts[] = {480, 1200, 1320, 1560, 1680, 1920, 2040, 2280};
    const bool count = index % 2 == 1;
    return {"",
            lefts[index],
            count ? 2115.0 : 2160.0,
            75,
            count ? 195.0 : 240.0,
            count ? 8.25 : 9.75,
            false,
            Qt::AlignLeft,
            true,
            QColor(),
            "电子结构"};
}

// Colour numbers keep red in the low byte: 0x00BBGGRR.
QColor colourFromNumber(qint32 number)
{
    return QColor(number & 0xFF, (number >> 8) & 0xFF, (number >> 16) & 0xFF);
}

void setTextColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

void setLeftTwips(QWidget *control, double twips)
{
    control->setProperty(kLeftProperty, twips);
    control->move(Twips::toPx(twips), control->y());
}

// Auto-sized labels take the width of their text; their height stays as designed.
void setLabelText(QLabel *label, const QString &text)
{
    label->setText(text);
    if (!label->property(kAutoSizeProperty).toBool()) return;
    const int width = text.isEmpty() ? kEmptyWidthPx
                                     : label->fontMetrics().horizontalAdvance(text) + kTextMarginPx;
    label->resize(width, label->height());
}

QLabel *makeLabel(const LabelDesign &design, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral(" "), parent);
    label->setTextFormat(Qt::PlainText);  // data text is never markup
    label->setFont(Fonts::sansSerif(design.points, design.bold));
    label->setAlignment(design.alignment | Qt::AlignTop);
    label->setToolTip(QString::fromUtf8(design.toolTip));
    label->setProperty(kAutoSizeProperty, design.autoSize);
    if (design.colour.isValid()) setTextColour(label, design.colour);
    label->setGeometry(Twips::rect(design.left, design.top, design.width, design.height));
    setLeftTwips(label, design.left);
    return label;
}

QStringList recordConfigTexts(const mod_Vantrel::ElementRecordType &r)
{
    return {
        r.EConfigText1, IntegerText(r.EConfigCount1), r.EConfigText2, IntegerText(r.EConfigCount2),
        r.EConfigText3, IntegerText(r.EConfigCount3), r.EConfigText4, IntegerText(r.EConfigCount4)};
}

}  // namespace

PictureButton::PictureButton(const QPixmap &picture, QWidget *parent)
    : QAbstractButton(parent), picture_(picture)
{
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), picture_);
    if (!hasFocus()) return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

DetailsPanel::DetailsPanel(QWidget *parent) : QFrame(parent)
{
    setObjectName(QStringLiteral("pic_Elements"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    applySystemColours();
    resize(Twips::toPx(kPanelWidth), Twips::toPx(kPanelHeight));
    createLabels();
    createConfigLabels();
    createCloseButton();
    hide();
}

// The window colours of the system, not the grey of dialogs: the panel reads like a card.
void DetailsPanel::applySystemColours()
{
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colours.color(QPalette::Base));
    colours.setColor(QPalette::WindowText, colours.color(QPalette::Text));
    setPalette(colours);
    setAutoFillBackground(true);
}

void DetailsPanel::createLabels()
{
    QLabel **targets[] = {&lbl_AtomicNumber, &lbl_AtomicWeight,    &lbl_BP,
                          &lbl_MP,           &lbl_Density,         &lbl_ElementSymbol,
                          &lbl_Name,         &lbl_OxidationStable, &lbl_Oxidation};
    int index = 0;
    for (const LabelDesign &design : kLabels) {
        QLabel *label = makeLabel(design, this);
        label->setObjectName(QLatin1String(design.name));
        *targets[index++] = label;
    }
}

void DetailsPanel::createConfigLabels()
{
    for (int i = 0; i < int(lbl_EConfig.size()); ++i) {
        lbl_EConfig[i] = makeLabel(configDesign(i), this);
        lbl_EConfig[i]->setObjectName(QStringLiteral("lbl_EConfig%1").arg(i));
    }
}

void DetailsPanel::createCloseButton()
{
    img_Close = new PictureButton(ButtonPictures::closePicture(2.0), this);  // sharp at 2x too
    img_Close->setObjectName(QStringLiteral("img_Close"));
    img_Close->setGeometry(Twips::rect(2400, 2400, 225, 225));
    img_Close->setToolTip(QStringLiteral("关闭窗口"));
    img_Close->setAccessibleName(QStringLiteral("关闭窗口"));
    img_Close->setFocusPolicy(Qt::StrongFocus);
    connect(img_Close, &QAbstractButton::clicked, this, &DetailsPanel::img_Close_Click);
}

double DetailsPanel::leftTwips(const QWidget *control)
{
    const QVariant left = control->property(kLeftProperty);
    return left.isValid() ? left.toDouble() : Twips::fromPx(control->x());
}

double DetailsPanel::widthTwips(const QWidget *control)
{
    return Twips::fromPx(control->width());
}

void DetailsPanel::ShowpicElements()
{
    placeAndShow();
    setTextColour(lbl_ElementSymbol, colourFromNumber(mod_Vantrel::SymbolColor));
    showNumbers();
    OxidationState();
    showConfigTexts();
    ElectronConfig();
}

void DetailsPanel::placeAndShow()
{
    setGeometry(Twips::rect(kPanelLeft, kPanelTop, kPanelWidth, Twips::fromPx(height())));
    show();
    raise();  // over the table cells, whatever order the main window created them in
}

void DetailsPanel::showNumbers()
{
    const mod_Vantrel::ElementRecordType &r = mod_Vantrel::ElementRecord;
    setLabelText(lbl_AtomicNumber, IntegerText(r.AtomicNumber));
    setLabelText(lbl_AtomicWeight, SingleText(r.AtomicWeight));
    setLabelText(lbl_ElementSymbol, r.Symbol);
    setLabelText(lbl_BP, SingleText(r.BoilingPoint));
    setLabelText(lbl_MP, SingleText(r.MeltingPoint));
    setLabelText(lbl_Density, SingleText(r.Density));
    setLabelText(lbl_Name, r.ElementName);
}

void DetailsPanel::showConfigTexts()
{
    const QStringList texts = recordConfigTexts(mod_Vantrel::ElementRecord);
    for (int i = 0; i < int(lbl_EConfig.size()); ++i) setLabelText(lbl_EConfig[i], texts[i]);
}

void DetailsPanel::img_Close_Click()
{
    hide();
}

void DetailsPanel::OxidationState()
{
    mod_Vantrel::ElementRecordType &r = mod_Vantrel::ElementRecord;
    const PanelLayout::OxidationDisplay display =
        PanelLayout::oxidationLayout(r.StableOxidationStates, r.OxidationStates,
                                     leftTwips(lbl_ElementSymbol), widthTwips(lbl_ElementSymbol));
    // Scratch left as after a search from the end: where the last "#" of the field done
    // last stood, 1-based, or 0.
    mod_Vantrel::TabPos = QString::number(r.OxidationStates.lastIndexOf(QLatin1Char('#')) + 1);
    r.StableOxidationStates = display.stableRest;
    r.OxidationStates = display.otherRest;
    setLabelText(lbl_OxidationStable, display.stableText);
    setLabelText(lbl_Oxidation, display.otherText);
    setLeftTwips(lbl_OxidationStable, display.stableLeftTwips);
    setLeftTwips(lbl_Oxidation, PanelLayout::clampLeft(leftTwips(lbl_OxidationStable) +
                                                       widthTwips(lbl_OxidationStable)));
}

void DetailsPanel::ElectronConfig()
{
    using mod_Vantrel::LoopIndex;
    QStringList shown;
    for (QLabel *label : lbl_EConfig) shown.append(label->text());
    shown = PanelLayout::blankZeros(shown);
    for (LoopIndex = 0; LoopIndex <= 7; ++LoopIndex)
        setLabelText(lbl_EConfig[LoopIndex], shown[LoopIndex]);
    placeConfigLabels(shown);
}

void DetailsPanel::placeConfigLabels(const QStringList &shownTexts)
{
    QVector<double> widths;
    for (QLabel *label : lbl_EConfig) widths.append(widthTwips(label));
    const double first = PanelLayout::configFirstLeft(widthTwips(this), shownTexts);
    const QVector<double> lefts = PanelLayout::chainLefts(first, widths);
    for (int i = 0; i < lefts.size(); ++i) setLeftTwips(lbl_EConfig[i], lefts[i]);
}
