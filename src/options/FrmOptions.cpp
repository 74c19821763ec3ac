#include "FrmOptions.h"

#include "ColourNames.h"
#include "app/AppState.h"
#include "files/Settings.h"
#include "widgets/ButtonHover.h"
#include "widgets/ButtonPictures.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"
#include "widgets/Fonts.h"
#include "widgets/FrameRole.h"
#include "widgets/ImageButtons.h"
#include "widgets/Palette.h"
#include "widgets/ToolbarKeys.h"
#include "widgets/Twips.h"
#include "widgets/Windows.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <iterator>

namespace {

constexpr double kClientWidth = 4860;
constexpr double kClientHeight = 2145;

const QColor kDialogGrey(192, 192, 192);
const QColor kFrameGrey(224, 224, 224);

void setTextColour(QWidget *widget, const QColor &colour)
{
    Palette::setColour(widget, {QPalette::WindowText, QPalette::ButtonText}, colour);
}

}  // namespace

frm_Options::frm_Options(AppState &app) : QWidget(nullptr), m_app(app)
{
    setObjectName(QStringLiteral("frm_Options"));
    FrameRole::install();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    // A tool window does not keep the program running by default; this one counts as a
    // window of its own, so closing the main window while it is open does not end the
    // program, and the program ends when the last of its windows is closed.
    setAttribute(Qt::WA_QuitOnClose, true);
    setWindowTitle(QStringLiteral("选项"));
    setFont(Fonts::sansSerif(8.25, false));
    Palette::paintGround(this, kDialogGrey);
    setFixedSize(Twips::toPx(kClientWidth), Twips::toPx(kClientHeight));
    createControls();
    nameControls();
    setTabOrder();
    connectHandlers();
}

QRadioButton *frm_Options::opt_ChartWindows(int index) const
{
    return qobject_cast<QRadioButton *>(m_chartWindows->button(index));
}

QRadioButton *frm_Options::opt_ElementGroup(int index) const
{
    return qobject_cast<QRadioButton *>(m_elementGroup->button(index));
}

QComboBox *frm_Options::cmb_Color(int index) const
{
    return index == 0 || index == 1 ? m_colours[index] : nullptr;
}

QLabel *frm_Options::lbl_Options(int index) const
{
    return index >= 0 && index < int(std::size(m_labels)) ? m_labels[index] : nullptr;
}

// ---- controls ----

QFrame *frm_Options::createFrame(const char *name, const QRectF &twips)
{
    auto *frame = new QFrame(this);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setFrameShape(QFrame::NoFrame);
    Palette::paintGround(frame, kFrameGrey);
    frame->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    return frame;
}

QLabel *frm_Options::createLabel(int index, QWidget *container, double left, double top,
                                 const char *text)
{
    auto *label = new QLabel(QString::fromUtf8(text), container);
    label->setObjectName(QStringLiteral("lbl_Options%1").arg(index));
    label->setFont(Fonts::sansSerif(8.25, true));
    setTextColour(label, Qt::black);
    label->move(Twips::toPx(left), Twips::toPx(top));
    label->adjustSize();  // the labels size themselves to their text
    m_labels[index] = label;
    return label;
}

QRadioButton *frm_Options::createOption(QButtonGroup *group, int value, QWidget *container,
                                        const QRectF &twips, const char *text)
{
    auto *option = new QRadioButton(QString::fromUtf8(text), container);
    option->setObjectName(group->objectName() + QString::number(value));
    option->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    group->addButton(option, value);
    return option;
}

QComboBox *frm_Options::createColourList(int index, const QRectF &twips)
{
    auto *list = new QComboBox(this);
    list->setObjectName(QStringLiteral("cmb_Color%1").arg(index));
    list->setEditable(true);
    list->setInsertPolicy(QComboBox::NoInsert);  // typed text is not added to the list
    list->setEditText(QStringLiteral("Combo1"));
    list->setGeometry(Twips::rect(twips.x(), twips.y(), twips.width(), twips.height()));
    m_colours[index] = list;
    return list;
}

void frm_Options::createControls()
{
    m_chartWindowsFrame = createFrame("fra_ChartWindows", QRectF(0, 0, 4935, 615));
    createLabel(2, m_chartWindowsFrame, 240, 0, "曲线图窗口");
    m_chartWindows = new QButtonGroup(this);
    m_chartWindows->setObjectName(QStringLiteral("opt_ChartWindows"));
    createOption(m_chartWindows, 0, m_chartWindowsFrame, QRectF(240, 240, 1095, 375), "弹出");
    createOption(m_chartWindows, 1, m_chartWindowsFrame, QRectF(1560, 240, 1575, 375), "新窗口");

    createLabel(0, this, 120, 720, "原子半径颜色");
    createColourList(0, QRectF(120, 960, 1575, 315));
    createLabel(1, this, 2160, 720, "共价原子半径颜色");
    createColourList(1, QRectF(2160, 960, 1695, 315));

    m_elementGroupFrame = createFrame("fra_ElementGroup", QRectF(0, 1440, 4935, 735));
    m_elementGroupFrame->setMouseTracking(true);
    createLabel(6, m_elementGroupFrame, 240, 0, "显示元素集合");
    m_elementGroup = new QButtonGroup(this);
    m_elementGroup->setObjectName(QStringLiteral("opt_ElementGroup"));
    QRadioButton *none =
        createOption(m_elementGroup, 0, m_elementGroupFrame, QRectF(240, 360, 975, 255), "<无>");
    setTextColour(none, QColor(255, 0, 0));
    createOption(m_elementGroup, 1, m_elementGroupFrame, QRectF(1560, 360, 1455, 255), "分组显示");

    m_buttons = new ImageButtonArray(this);
    m_buttons->add(ButtonPictures::Save, m_elementGroupFrame, QRectF(3960, 240, 330, 330),
                   QStringLiteral("保存设置"));
    m_buttons->add(ButtonPictures::Cancel, m_elementGroupFrame, QRectF(4320, 240, 330, 330),
                   QStringLiteral("取消"));
}

// Screen readers name each control by the label above it, and read its current value.
void frm_Options::nameControls()
{
    for (QAbstractButton *option : m_chartWindows->buttons())
        option->setAccessibleName(QStringLiteral("曲线图窗口：") + option->text());
    for (QAbstractButton *option : m_elementGroup->buttons())
        option->setAccessibleName(QStringLiteral("显示元素集合：") + option->text());
    // A list is named by the label that is its buddy: screen readers on Linux take a combo
    // box's name from that relation and say its current text as its value.
    for (int i : {0, 1}) {
        m_colours[i]->setAccessibleName(m_labels[i]->text());
        m_labels[i]->setBuddy(m_colours[i]);
    }
}

void frm_Options::setTabOrder()
{
    // The frames come first in the design's order but take no focus themselves.
    QWidget *order[] = {opt_ElementGroup(0), opt_ElementGroup(1), opt_ChartWindows(0),
                        opt_ChartWindows(1), m_colours[0],        m_colours[1]};
    for (size_t i = 1; i < std::size(order); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

void frm_Options::connectHandlers()
{
    connect(m_buttons, &ImageButtonArray::clicked, this,
            [this](int i) { Dialogs::runHandler(this, [=] { img_Btns_Click(i); }); });
    connect(m_buttons, &ImageButtonArray::mouseMoved, this,
            [this](int i) { Dialogs::runHandler(this, [=] { img_Btns_MouseMove(i); }); });
    m_elementGroupFrame->installEventFilter(this);
    // The save and cancel buttons end the round, one stop for the pair.
    auto *keys = new ToolbarKeys(m_buttons, this);
    keys->placeInTabOrder(m_colours[1]);
    connect(keys, &ToolbarKeys::leftByTab, this, [this] { fra_ElementGroup_MouseMove(); });
}

// ---- load ----

void frm_Options::Form_Load()
{
    const Settings::Values &settings = m_app.settings();
    opt_ChartWindows(settings.ChartWindowsMode != 0 ? 1 : 0)->setChecked(true);
    opt_ElementGroup(settings.ElementGroupMode != 0 ? 1 : 0)->setChecked(true);
    loadColourList(0, settings.AtomicRadiusColor);
    loadColourList(1, settings.CovalentRadiusColor);
}

void frm_Options::loadColourList(int index, float colour)
{
    QComboBox *list = m_colours[index];
    const QString text = ColourNames::nameOf(colour).value_or(list->currentText());
    // Adding the first item would put its name into the edit field, so the text is set
    // once the names are in.
    list->addItems(ColourNames::listOrder());
    list->setCurrentIndex(list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    list->setEditText(text);
}

// ---- buttons and hover ----

void frm_Options::img_Btns_Click(int index)
{
    // A failed save throws past close(): the dialog stays open to retry or cancel.
    if (index == Command::SaveSettings) SaveSettings();
    close();
}

void frm_Options::img_Btns_MouseMove(int index)
{
    ButtonHover(*m_buttons, m_app).moved(index);
}

void frm_Options::fra_ElementGroup_MouseMove()
{
    ButtonHover(*m_buttons, m_app).left();
}

void frm_Options::keyPressEvent(QKeyEvent *event)
{
    // Escape closes the dialog as the cancel button does.
    if (event->key() == Qt::Key_Escape)
        Dialogs::runHandler(this, [this] { img_Btns_Click(Command::CancelOptions); });
    else
        QWidget::keyPressEvent(event);
}

bool frm_Options::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_elementGroupFrame && event->type() == QEvent::MouseMove &&
        Windows::onBareSurface(m_elementGroupFrame, static_cast<QMouseEvent *>(event)))
        Dialogs::runHandler(this, [this] { fra_ElementGroup_MouseMove(); });
    return QWidget::eventFilter(watched, event);
}

// ---- save ----

void frm_Options::SaveSettings()
{
    Settings::Values settings = m_app.settings();
    settings.AtomicRadiusColor = chosenColour(0, settings.AtomicRadiusColor);
    settings.CovalentRadiusColor = chosenColour(1, settings.CovalentRadiusColor);
    settings.ChartWindowsMode = opt_ChartWindows(0)->isChecked() ? 0 : 1;
    // The radius view has the backdrops hidden: the group mode waits for the normal grid.
    const bool normalGrid = m_app.NormalGridShown();
    if (normalGrid) settings.ElementGroupMode = opt_ElementGroup(1)->isChecked() ? 1 : 0;
    m_app.setSettings(settings);
    if (normalGrid) emit groupModeSaved(settings.ElementGroupMode);
    Settings::save(settings);
}

float frm_Options::chosenColour(int index, float before) const
{
    // A text that names none of the colours keeps this list's colour as it was.
    return ColourNames::colourOf(m_colours[index]->currentText()).value_or(before);
}

void frm_Options::closeEvent(QCloseEvent *event)
{
    QWidget::closeEvent(event);
    emit closed();
}
