#include "DetailsPanel.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>

#include "PanelLayout.h"
#include "PanelSpeech.h"
#include "elements/ElementCard.h"
#include "elements/ValueSources.h"
#include "files/NumberText.h"
#include "widgets/ButtonPictures.h"
#include "widgets/ColourNumber.h"
#include "widgets/Fonts.h"
#include "widgets/Palette.h"
#include "widgets/Twips.h"

using mod_Vantrel::ElementRecordType;

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
constexpr char kBoilingTip[] = "沸点 (K)";
constexpr char kMeltingTip[] = "熔点 (K)";

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
    {"lbl_BP", 120, 720, 75, 195, 8.25, true, Qt::AlignLeft, true, QColor(0, 128, 0), kBoilingTip},
    {"lbl_MP", 120, 960, 75, 195, 8.25, true, Qt::AlignLeft, true, QColor(255, 128, 0),
     kMeltingTip},
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

void setTextColour(QLabel *label, const QColor &colour)
{
    Palette::setColour(label, QPalette::WindowText, colour);
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

// The temperatures show in kelvin; their tooltips add the same in °C.
void setCelsiusTip(QLabel *label, const char *tip, float kelvin)
{
    const QString caption = QString::fromUtf8(tip);
    label->setToolTip(
        kelvin == 0 ? caption
                    : QStringLiteral("%1：%2 °C").arg(caption, ElementCard::celsiusText(kelvin)));
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

QStringList recordConfigTexts(const ElementRecordType &r)
{
    return {
        r.EConfigText1, integerText(r.EConfigCount1), r.EConfigText2, integerText(r.EConfigCount2),
        r.EConfigText3, integerText(r.EConfigCount3), r.EConfigText4, integerText(r.EConfigCount4)};
}

// Each value label's tooltip keeps its first line, the name of the value, and adds where the
// value comes from and under which conditions it holds; screen readers read the same.
void describeSources(const QWidget &panel, const ElementRecordType &r)
{
    using ValueSources::Field;
    const struct {
        const char *label;
        Field field;
        bool hasValue;
    } numbers[] = {
        {"lbl_AtomicWeight", Field::AtomicWeight, r.AtomicWeight != 0},
        {"lbl_BP", Field::BoilingPoint, r.BoilingPoint != 0},
        {"lbl_MP", Field::MeltingPoint, r.MeltingPoint != 0},
        {"lbl_Density", Field::Density, r.Density != 0},
        {"lbl_OxidationStable", Field::StableOxidationStates, true},
        {"lbl_Oxidation", Field::OtherOxidationStates, true},
    };
    const auto describe = [&r](QLabel *label, Field field, bool hasValue) {
        const QString text = label->toolTip().section(QLatin1Char('\n'), 0, 0) + QLatin1Char('\n') +
                             ValueSources::describe(r.AtomicNumber, field, hasValue);
        label->setToolTip(text);
        label->setAccessibleDescription(text);
    };
    for (const auto &n : numbers) {
        QLabel *label = panel.findChild<QLabel *>(QLatin1String(n.label));
        describe(label, n.field, n.hasValue && !label->text().isEmpty());
    }
    for (QLabel *label :
         panel.findChildren<QLabel *>(QRegularExpression(QStringLiteral("^lbl_EConfig"))))
        describe(label, Field::Configuration, !label->text().isEmpty());
}

}  // namespace

PictureButton::PictureButton(const QPixmap &picture, QWidget *parent)
    : QAbstractButton(parent), m_picture(picture)
{
}

void PictureButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawPixmap(rect(), m_picture);
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
    setUpReview();
    hide();
}

// A screen reader user reviews the values one by one: each value label takes the keyboard
// in turn (Tab or the arrows), the shell labels as one, and the close button last.
void DetailsPanel::setUpReview()
{
    m_review = {m_symbol,  m_atomicNumber, m_atomicWeight, m_meltingPoint, m_boilingPoint,
                m_density, m_stableStates, m_otherStates,  m_config[0],    m_close};
    for (QWidget *item : qAsConst(m_review)) item->installEventFilter(this);
    // Not before the window is up: a label that can take the keyboard gets a text document of
    // its own when polished, and that would load fonts before the window maps (GridKeys).
    QTimer::singleShot(0, this, [this] {
        for (QWidget *item : qAsConst(m_review))
            if (item != m_close) item->setFocusPolicy(Qt::TabFocus);
    });
}

// Names the reviewed labels by what they say and puts the keyboard on the symbol, whose
// name is the whole panel: moving the focus there is what makes a screen reader speak it.
void DetailsPanel::speak()
{
    QStringList config;
    for (QLabel *label : m_config) config.append(label->text());
    const PanelSpeech::Shown shown{m_name->text(),         m_symbol->text(),
                                   m_atomicNumber->text(), m_atomicWeight->text(),
                                   m_meltingPoint->text(), m_boilingPoint->text(),
                                   m_density->text(),      m_stableStates->text(),
                                   m_otherStates->text(),  config};
    const QStringList items = PanelSpeech::items(shown);
    m_symbol->setAccessibleName(PanelSpeech::summary(shown));
    for (int i = 1; i < items.size(); ++i) m_review[i]->setAccessibleName(items[i]);
    m_symbol->setFocus(Qt::OtherFocusReason);
}

bool DetailsPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress) return QFrame::eventFilter(watched, event);
    const int at = int(m_review.indexOf(static_cast<QWidget *>(watched)));
    const int last = int(m_review.size()) - 1;
    int next = -1;
    switch (static_cast<QKeyEvent *>(event)->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Down:
        case Qt::Key_Right: next = at < last ? at + 1 : 0; break;
        case Qt::Key_Backtab:
        case Qt::Key_Up:
        case Qt::Key_Left: next = at > 0 ? at - 1 : last; break;
        case Qt::Key_Home: next = 0; break;
        case Qt::Key_End: next = last; break;
        default: return QFrame::eventFilter(watched, event);
    }
    m_review[next]->setFocus(Qt::TabFocusReason);
    return true;
}

// The window colours of the system, not the grey of dialogs: the panel reads like a card.
void DetailsPanel::applySystemColours()
{
    Palette::fillBackground(this, palette().color(QPalette::Base));
    Palette::setColour(this, QPalette::WindowText, palette().color(QPalette::Text));
}

void DetailsPanel::createLabels()
{
    QLabel **targets[] = {&m_atomicNumber, &m_atomicWeight, &m_boilingPoint,
                          &m_meltingPoint, &m_density,      &m_symbol,
                          &m_name,         &m_stableStates, &m_otherStates};
    int index = 0;
    for (const LabelDesign &design : kLabels) {
        QLabel *label = makeLabel(design, this);
        label->setObjectName(QLatin1String(design.name));
        *targets[index++] = label;
    }
}

void DetailsPanel::createConfigLabels()
{
    for (int i = 0; i < int(m_config.size()); ++i) {
        m_config[i] = makeLabel(configDesign(i), this);
        m_config[i]->setObjectName(QStringLiteral("lbl_EConfig%1").arg(i));
    }
}

void DetailsPanel::createCloseButton()
{
    m_close = new PictureButton(ButtonPictures::closePicture(2.0), this);  // sharp at 2x too
    m_close->setObjectName(QStringLiteral("img_Close"));
    m_close->setGeometry(Twips::rect(2400, 2400, 225, 225));
    m_close->setToolTip(QStringLiteral("关闭窗口"));
    m_close->setAccessibleName(QStringLiteral("关闭窗口"));
    m_close->setFocusPolicy(Qt::StrongFocus);
    connect(m_close, &QAbstractButton::clicked, this, &DetailsPanel::img_Close_Click);
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

void DetailsPanel::ShowpicElements(ElementRecordType &record, qint32 symbolColour)
{
    placeAndShow();
    m_shownElement = record.AtomicNumber;
    setTextColour(m_symbol, ColourNumber::toColor(quint32(symbolColour)));
    showNumbers(record);
    OxidationState(record);
    showConfigTexts(record);
    ElectronConfig();
    describeSources(*this, record);
    speak();
}

void DetailsPanel::placeAndShow()
{
    setGeometry(Twips::rect(kPanelLeft, kPanelTop, kPanelWidth, Twips::fromPx(height())));
    show();
    raise();  // over the table cells, whatever order the main window created them in
}

void DetailsPanel::showNumbers(const ElementRecordType &r)
{
    setLabelText(m_atomicNumber, integerText(r.AtomicNumber));
    setLabelText(m_atomicWeight, singleText(r.AtomicWeight));
    setLabelText(m_symbol, r.Symbol);
    setLabelText(m_boilingPoint, singleText(r.BoilingPoint));
    setLabelText(m_meltingPoint, singleText(r.MeltingPoint));
    setCelsiusTip(m_boilingPoint, kBoilingTip, r.BoilingPoint);
    setCelsiusTip(m_meltingPoint, kMeltingTip, r.MeltingPoint);
    setLabelText(m_density, singleText(r.Density));
    setLabelText(m_name, r.ElementName);
}

void DetailsPanel::showConfigTexts(const ElementRecordType &record)
{
    const QStringList texts = recordConfigTexts(record);
    for (int i = 0; i < int(m_config.size()); ++i) setLabelText(m_config[i], texts[i]);
}

void DetailsPanel::img_Close_Click()
{
    const QWidget *focus = window()->focusWidget();
    const bool hadFocus = focus && isAncestorOf(focus);
    hide();
    if (hadFocus) emit closedWithFocus();
}

void DetailsPanel::OxidationState(ElementRecordType &r)
{
    const PanelLayout::OxidationDisplay display = PanelLayout::oxidationLayout(
        r.StableOxidationStates, r.OxidationStates, leftTwips(m_symbol), widthTwips(m_symbol));
    r.StableOxidationStates = display.stableRest;
    r.OxidationStates = display.otherRest;
    setLabelText(m_stableStates, display.stableText);
    setLabelText(m_otherStates, display.otherText);
    setLeftTwips(m_stableStates, display.stableLeftTwips);
    setLeftTwips(m_otherStates,
                 PanelLayout::clampLeft(leftTwips(m_stableStates) + widthTwips(m_stableStates)));
}

void DetailsPanel::ElectronConfig()
{
    QStringList shown;
    for (QLabel *label : m_config) shown.append(label->text());
    shown = PanelLayout::blankZeros(shown);
    for (int i = 0; i < int(m_config.size()); ++i) setLabelText(m_config[i], shown[i]);
    placeConfigLabels(shown);
}

void DetailsPanel::placeConfigLabels(const QStringList &shownTexts)
{
    QVector<double> widths;
    for (QLabel *label : m_config) widths.append(widthTwips(label));
    const double first = PanelLayout::configFirstLeft(widthTwips(this), shownTexts);
    const QVector<double> lefts = PanelLayout::chainLefts(first, widths);
    for (int i = 0; i < lefts.size(); ++i) setLeftTwips(m_config[i], lefts[i]);
}
