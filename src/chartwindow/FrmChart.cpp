#include "FrmChart.h"

#include "app/AppState.h"
#include "charts/ChartActions.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartControl.h"
#include "widgets/ButtonHover.h"
#include "widgets/ButtonPictures.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"
#include "widgets/FrameRole.h"
#include "widgets/ImageButtons.h"
#include "widgets/Palette.h"
#include "widgets/ToolbarKeys.h"
#include "widgets/Twips.h"
#include "widgets/Windows.h"

#include <QCloseEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QShortcut>

namespace {

constexpr double kClientWidth = 6330;
constexpr double kClientHeight = 5220;

// The outer size is the client size plus a fixed allowance for title bar and border, the
// same height allowance the main window uses. The real frame is not used: the window
// system reports it only after the first resize, so the layout would jump on the next one,
// and it would depend on the desktop's theme.
constexpr double kFrameWidthTwips = 120;
constexpr double kFrameHeightTwips = 450;

// How much of the outer size the frame leaves free, and how far the chart reaches past
// the frame on the right and bottom so that its own margins are cut off.
constexpr double kFrameWidthMargin = 215;
constexpr double kFrameHeightMargin = 1010;
constexpr double kChartExtraWidth = 350;
constexpr double kChartExtraHeight = 680;

const QColor kGrey(192, 192, 192);

struct ToolbarButton {
    int normalIndex;
    double left;
    const char *tooltip;
};

const ToolbarButton kToolbar[] = {
    {ButtonPictures::AtomicWeight, 120, "原子量曲线"},
    {ButtonPictures::MeltingPoint, 480, "熔点曲线"},
    {ButtonPictures::BoilingPoint, 840, "沸点曲线"},
    {ButtonPictures::Density, 1200, "密度曲线"},
    {ButtonPictures::AtomicRadius, 1680, "原子半径"},
    {ButtonPictures::CovalentRadius, 2040, "共有原子阶范围"},
    {ButtonPictures::ElectronAffinity, 2520, "电子亲和性 (M-M)/KJ mol^-1"},
    {ButtonPictures::FusionEnthalpy, 2880, "Enthalpy of Fusion/kJ mol^-1"},
    {ButtonPictures::VaporisationEnthalpy, 3240, "Enthalpy of Vaporisation/kJ mol^-1"},
    {ButtonPictures::Chart, 3960, "图表"},
};
constexpr double kToolbarTop = 120;
constexpr double kImageSize = 330;

}  // namespace

frm_Chart::Layout frm_Chart::layoutFor(double outerWidthTwips, double outerHeightTwips)
{
    // The chart follows the frame as it actually is, so a frame clamped at 0 still has
    // the chart 350 wider and 680 higher than it.
    Layout layout{};
    layout.frameWidth = qMax(0.0, outerWidthTwips - kFrameWidthMargin);
    layout.frameHeight = qMax(0.0, outerHeightTwips - kFrameHeightMargin);
    layout.chartWidth = layout.frameWidth + kChartExtraWidth;
    layout.chartHeight = layout.frameHeight + kChartExtraHeight;
    return layout;
}

frm_Chart::frm_Chart(AppState &app) : ChartWindow(nullptr), m_app(app)
{
    setObjectName(QStringLiteral("frm_Chart"));
    FrameRole::install();
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("曲线图窗口"));
    setWindowIcon(ButtonPictures::chartWindowIcon());
    Palette::paintGround(this, kGrey);
    setMouseTracking(true);
    resize(Twips::toPx(kClientWidth), Twips::toPx(kClientHeight));
    createToolbar();
    createChart();
    connectHandlers();
}

void frm_Chart::createToolbar()
{
    m_buttons = new ImageButtonArray(this);
    for (const ToolbarButton &button : kToolbar)
        m_buttons->add(button.normalIndex, this,
                       QRectF(button.left, kToolbarTop, kImageSize, kImageSize),
                       QString::fromUtf8(button.tooltip));
}

void frm_Chart::createChart()
{
    m_chartFrame = new QFrame(this);
    m_chartFrame->setObjectName(QStringLiteral("fra_Chart"));
    m_chartFrame->setFrameShape(QFrame::NoFrame);
    Palette::paintGround(m_chartFrame, kGrey);
    m_chartFrame->setGeometry(Twips::rect(0, 600, 6125, 4575));
    m_chart = new ChartControl(m_chartFrame);
    m_chart->setObjectName(QStringLiteral("msc_Options"));
    m_chart->setGeometry(Twips::rect(-210, -480, 6615, 5250));
    ChartActions::of(*m_chart)->listenOn(this);  // nothing else here takes Ctrl+C, S or P
    ChartActions::of(*m_chart)->followUnit(m_app);
}

void frm_Chart::connectHandlers()
{
    connect(m_buttons, &ImageButtonArray::clicked, this,
            [this](int i) { Dialogs::runHandler(this, [=] { img_Btns_Click(i); }); });
    connect(m_buttons, &ImageButtonArray::mouseMoved, this,
            [this](int i) { Dialogs::runHandler(this, [=] { img_Btns_MouseMove(i); }); });
    // The window opens with the keyboard on its first button.
    auto *keys = new ToolbarKeys(m_buttons, this);
    connect(keys, &ToolbarKeys::leftByTab, this, [this] { Form_MouseMove(); });
    keys->focusCurrent(Qt::OtherFocusReason);
    // Esc closes the window the way its close box does.
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
}

void frm_Chart::Form_Load()
{
    setWindowTitle(QStringLiteral("曲线窗口"));
    emit foldMainWindowRequested();
}

// ---- size ----

double frm_Chart::outerWidthTwips() const
{
    return Twips::fromPx(width()) + kFrameWidthTwips;
}

double frm_Chart::outerHeightTwips() const
{
    return Twips::fromPx(height()) + kFrameHeightTwips;
}

void frm_Chart::Form_Resize()
{
    const Layout layout = layoutFor(outerWidthTwips(), outerHeightTwips());
    m_chartFrame->resize(Twips::toPx(layout.frameWidth), Twips::toPx(layout.frameHeight));
    m_chart->setWidthTwips(layout.chartWidth);
    m_chart->setHeightTwips(layout.chartHeight);
}

void frm_Chart::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    Dialogs::runHandler(this, [this] { Form_Resize(); });
}

// ---- hover ----

void frm_Chart::img_Btns_MouseMove(int index)
{
    ButtonHover(*m_buttons, m_app).moved(index);
}

void frm_Chart::Form_MouseMove()
{
    ButtonHover(*m_buttons, m_app).left();
}

void frm_Chart::mouseMoveEvent(QMouseEvent *event)
{
    if (Windows::onBareSurface(this, event))
        Dialogs::runHandler(this, [this] { Form_MouseMove(); });
    QWidget::mouseMoveEvent(event);
}

// ---- toolbar ----

void frm_Chart::img_Btns_Click(int index)
{
    m_chart->show();
    const ImageButton *image = m_buttons->image(index);
    // Only highlights carry a tooltip; a click on a normal image leaves the caption empty.
    setWindowTitle(image ? image->toolTip() : QString());
    if (index == Command::ShowChart) {  // here it closes the window
        m_chart->hide();
        close();
        return;
    }
    if (Command::isChartProperty(index)) m_app.setChartProperty(Command::chartPropertyOf(index));
    ChartBuilder::fill(*m_chart, m_app.ChartProperty());
}

// ---- unload ----

void frm_Chart::Form_Unload()
{
    emit closed();
}

void frm_Chart::closeEvent(QCloseEvent *event)
{
    Dialogs::runHandler(this, [this] { Form_Unload(); });
    QWidget::closeEvent(event);
}
