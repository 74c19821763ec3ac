#include "FrmVantrel.h"

#include "BrowserPane.h"
#include "ButtonPictures.h"
#include "ColourNumber.h"
#include "DetailsPanel.h"
#include "Dialogs.h"
#include "ElementCell.h"
#include "ElementGrid.h"
#include "ImageButtons.h"
#include "StartupTrace.h"
#include "Twips.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartControl.h"
#include "charts/FrmChart.h"
#include "data/DataError.h"
#include "data/DataFiles.h"
#include "data/ModVantrel.h"
#include "data/Settings.h"
#include "options/FrmOptions.h"

#include <QFrame>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <utility>

using namespace mod_Vantrel;

namespace {

constexpr double kClientWidth = 12105;
constexpr double kClientHeight = 8445;
// Title bar and border that the window's outer height includes.
constexpr double kFrameTwips = 450;
const QColor kHighlightYellow(255, 250, 128);  // colour number 0x80FAFF

struct ToolbarButton {
    int normalIndex;
    double left;
    double top;
    const char *tooltip;
};

const ToolbarButton kToolbar[] = {
    {1, 1560, 120, "原子量曲线"},
    {2, 1920, 120, "熔点曲线"},
    {3, 2280, 120, "浮点曲线"},
    {4, 2640, 120, "密度曲线"},
    {5, 1560, 600, "原子半径"},
    {6, 1920, 600, "共价半径"},
    {7, 1560, 1080, "电子亲和性 (M-M)/KJ mol^-1"},
    {8, 1920, 1080, "Enthalpy of Fusion/kJ mol^-1"},
    {9, 2280, 1080, "Enthalpy of Vaporisation/kJ mol^-1"},
    {82, 3600, 120, "显示周期表"},
    {80, 3960, 120, "曲线图"},
    {81, 4800, 120, "选项"},
    {83, 5160, 120, "关于"},
    {90, 6120, 120, "退出程序"},
};

}  // namespace

const QString frm_Vantrel::kProductPage =
    QStringLiteral("http://www.ferrova.example/soft/kelor/?ver=1.0");

frm_Vantrel::frm_Vantrel(Browser browser)
    : QWidget(nullptr), m_withBrowser(browser == Browser::Shown)
{
    setObjectName(QStringLiteral("frm_Vantrel"));
    setWindowTitle(QStringLiteral("Ferrova元素周期表"));
    setWindowIcon(ButtonPictures::mainWindowIcon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(p);
    setMouseTracking(true);
    setFixedSize(Twips::toPx(kClientWidth), Twips::toPx(kClientHeight));
    move(Twips::toPx(2310), Twips::toPx(1245));
    createBackdrops();
    createGrid();
    createStaircase();
    createToolbar();
    createPanes();
    connectHandlers();
}

frm_Vantrel::~frm_Vantrel()
{
    delete m_optionsWindow;
    delete m_chartWindow;
}

frm_Options *frm_Vantrel::optionsWindow() const
{
    return m_optionsWindow;
}

frm_Chart *frm_Vantrel::chartWindow() const
{
    return m_chartWindow;
}

void frm_Vantrel::createBackdrops()
{
    for (const ElementGrid::Backdrop &backdrop : ElementGrid::backdrops()) {
        auto *shape = new ShapeWidget(backdrop.colour, this);
        shape->setObjectName(QStringLiteral("shp_Group%1").arg(m_backdrops.size()));
        const QRectF &r = backdrop.rect;
        shape->setGeometry(Twips::rect(r.x(), r.y(), r.width(), r.height()));
        m_backdrops.append(shape);
    }
}

void frm_Vantrel::createGrid()
{
    for (int n = 0; n <= ElementGrid::kElements; ++n) {
        auto *cell = new ElementCell(n, this);
        const QRectF r = ElementGrid::cellRect(n);
        cell->setGeometry(Twips::rect(r.x(), r.y(), r.width(), r.height()));
        m_cells.append(cell);
    }
    m_cells[0]->setText(QStringLiteral("X"));
    m_cells[0]->hide();
}

void frm_Vantrel::createStaircase()
{
    for (const QLineF &segment : ElementGrid::staircase()) {
        auto *line = new LineWidget(segment, ElementGrid::staircaseColour(), 3, this);
        line->setObjectName(QStringLiteral("lne_Lines%1").arg(m_lines.size()));
        m_lines.append(line);
    }
}

void frm_Vantrel::createToolbar()
{
    m_buttons = new ImageButtonArray(this);
    for (const ToolbarButton &button : kToolbar)
        m_buttons->add(button.normalIndex, this, QRectF(button.left, button.top, 330, 330),
                       QString::fromUtf8(button.tooltip));
}

void frm_Vantrel::createPanes()
{
    m_chartFrame = new QFrame(this);
    m_chartFrame->setObjectName(QStringLiteral("fra_Chart"));
    m_chartFrame->setFrameShape(QFrame::NoFrame);
    m_chartFrame->setGeometry(Twips::rect(0, 5040, 8535, 3135));
    m_chart = new ChartControl(m_chartFrame);
    m_chart->setObjectName(QStringLiteral("msc_Options"));
    m_chart->setGeometry(Twips::rect(-210, -480, 9015, 3855));
    m_panel = new DetailsPanel(this);
    m_panel->setGeometry(Twips::rect(1800, 4680, 7095, 2775));
    m_panel->hide();
}

QRect frm_Vantrel::browserRect()
{
    return Twips::rect(8880, 0, 3015, 8295);
}

// Starting the browser engine takes longer than drawing the whole window, so the pane is
// made once the first frame is out; a page asked for before then is loaded at that point.
void frm_Vantrel::createBrowser()
{
    auto *pane = new BrowserPane(this);
    m_browser = pane;
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setGeometry(browserRect());
    connect(pane, &QWebEngineView::loadFinished, this, [](bool ok) {
        if (ok) StartupTrace::mark("browser-page-shown");
    });
    m_browser->show();
    StartupTrace::mark("browser-created");
    if (!m_pendingPage.isEmpty()) pane->navigate(std::exchange(m_pendingPage, QUrl()));
    emit browserCreated();
}

void frm_Vantrel::navigateBrowser(const QUrl &url)
{
    if (m_browser)
        static_cast<BrowserPane *>(m_browser)->navigate(url);
    else if (m_withBrowser)
        m_pendingPage = url;
}

void frm_Vantrel::firstFrameShown()
{
    StartupTrace::mark("first-frame");
    if (m_withBrowser && !m_browser) createBrowser();
}

void frm_Vantrel::connectHandlers()
{
    for (ElementCell *cell : qAsConst(m_cells)) {
        connect(cell, &ElementCell::clicked, this,
                [this](int i) { Dialogs::runHandler(this, [=] { lbl_Elements_Click(i); }); });
        connect(cell, &ElementCell::mouseMoved, this,
                [this](int i) { Dialogs::runHandler(this, [=] { lbl_Elements_MouseMove(i); }); });
    }
    connect(m_buttons, &ImageButtonArray::clicked, this,
            [this](int i) { Dialogs::runHandler(this, [=] { img_Btns_Click(i); }); });
    connect(m_buttons, &ImageButtonArray::mouseMoved, this,
            [this](int i) { Dialogs::runHandler(this, [=] { img_Btns_MouseMove(i); }); });
}

// ---- start-up ----

void frm_Vantrel::Form_Load()
{
    HoveredElement = 1;
    NormalGridShown = True;
    loadSettings();
    if (ElementGroupMode == 1)
        for (LoopIndex = 1; LoopIndex <= ElementGrid::kElements; ++LoopIndex)
            m_cells[LoopIndex]->setTransparent(true);
    loadElements();
    setOuterHeightTwips(m_chart->heightTwips() + kFoldedHeight);
    navigateBrowser(QUrl(kProductPage));
}

void frm_Vantrel::loadSettings()
{
    const QStringList problems = Settings::Load();
    if (problems.isEmpty()) return;
    Dialogs::message(this,
                     QStringLiteral("文件：%1\n以下设置行无法读取，已忽略：\n%2")
                         .arg(DataFilePath, problems.join(QLatin1Char('\n'))),
                     QStringLiteral("Ferrova元素周期表 - 设置"));
}

void frm_Vantrel::loadElements()
{
    DataFilePath = DataFiles::DataPath(QStringLiteral("Elements.prn"));
    InputFile fileNumber1(DataFilePath);
    while (!fileNumber1.atEnd()) {
        ReadElementRecord(fileNumber1.input());
        if (ElementRecord.AtomicNumber < 0 || ElementRecord.AtomicNumber > ElementGrid::kElements)
            throw DataError(
                DataError::Kind::NoSuchElement, DataFilePath, fileNumber1.input().itemLine(),
                QStringLiteral("原子序数 %1 不在 0 到 109 之间").arg(ElementRecord.AtomicNumber));
        applyRecordToCell();
    }
}

void frm_Vantrel::applyRecordToCell()
{
    ElementCell *cell = m_cells[ElementRecord.AtomicNumber];
    cell->setText(ElementRecord.Symbol);
    cell->setToolTip(ElementRecord.ElementName);
    cell->setAccessibleDescription(ElementRecord.ElementName);
    const QColor colour = ElementGrid::phaseColour(ElementRecord.PhaseCode);
    if (colour.isValid()) cell->setTextColour(colour);
}

void frm_Vantrel::Form_Activate()
{
    if (OptionsWindowOpen && m_optionsWindow) {
        m_optionsWindow->show();
        m_optionsWindow->raise();
        m_optionsWindow->activateWindow();
    }
    if (ChartWindowOpen && m_chartWindow) {
        m_chartWindow->show();
        m_chartWindow->raise();
        m_chartWindow->activateWindow();
    }
}

bool frm_Vantrel::event(QEvent *event)
{
    if (event->type() == QEvent::WindowActivate) Form_Activate();
    return QWidget::event(event);
}

double frm_Vantrel::outerHeightTwips() const
{
    return Twips::fromPx(height()) + kFrameTwips;
}

void frm_Vantrel::setOuterHeightTwips(double twips)
{
    const int client = qMax(1, Twips::toPx(twips - kFrameTwips));
    setFixedSize(width(), client);
}

double frm_Vantrel::clientWidthTwips() const
{
    return Twips::fromPx(width());
}

// ---- element cells ----

void frm_Vantrel::lbl_Elements_Click(int index)
{
    if (OptionsWindowOpen || ChartWindowOpen) return;
    DataFilePath = DataFiles::DataPath(QStringLiteral("Elements.prn"));
    InputFile fileNumber1(DataFilePath);
    while (!fileNumber1.atEnd()) {
        ReadElementRecord(fileNumber1.input());
        if (ElementRecord.AtomicNumber != index) continue;
        SymbolColor = qint32(ColourNumber::fromColor(m_cells[index]->textColour()));
        m_panel->ShowpicElements();
        return;
    }
}

// ---- hover ----

void frm_Vantrel::removeCellHighlight()
{
    ElementCell *cell = m_cells.value(HoveredElement);
    if (!cell) return;
    if (ElementGroupMode == 1) cell->setTransparent(true);
    cell->setBackColour(Qt::white);
}

void frm_Vantrel::lbl_Elements_MouseMove(int index)
{
    if (!m_lines[0]->isVisibleTo(this) || OptionsWindowOpen || ChartWindowOpen) return;
    removeCellHighlight();
    HoveredElement = static_cast<qint16>(index);
    m_cells[index]->setTransparent(false);
    m_cells[index]->setBackColour(kHighlightYellow);
}

void frm_Vantrel::Form_MouseMove()
{
    if (!m_lines[0]->isVisibleTo(this)) return;
    removeCellHighlight();
    m_buttons->reset();
}

void frm_Vantrel::mouseMoveEvent(QMouseEvent *event)
{
    // Moves over panes and other controls bubble up here; only the bare surface counts
    // (backdrops and lines let the mouse through, so childAt() does not see them).
    if (!childAt(event->position().toPoint()))
        Dialogs::runHandler(this, [this] { Form_MouseMove(); });
    QWidget::mouseMoveEvent(event);
}

// ---- toolbar ----

void frm_Vantrel::img_Btns_MouseMove(int index)
{
    if (index > 100) return;
    if (OptionsWindowOpen || ChartWindowOpen) return;
    m_buttons->hover(index);
}

void frm_Vantrel::img_Btns_Click(int index)
{
    const int c = index;
    if (c >= 101 && c <= 109) ChartProperty = static_cast<qint16>(c - 101);
    if (c == 183) ShowAbout();
    if (c == 181) OpenOptions();
    if (c == 190 && ConfirmExit()) return;
    if (c == 182 && !NormalGridShown) RestoreGrid();
    if (c == 180 && ChartWindowsMode == 0) ToggleChartPane();
    if (c == 180 && ChartWindowsMode == 1) {
        OpenChartWindow();
        ChartWindowOpen = True;
    }
    LastButton = static_cast<qint16>(c);
    if (c == 105 || c == 106) {
        m_circles.clear();
        update();
    }
    GetChartAndGraph();
}

void frm_Vantrel::ShowAbout()
{
    Dialogs::message(this,
                     QStringLiteral("Ferrova元素周期表 1.0，Ferrova 软件出品\r\n"
                                    "http://www.ferrova.example/"),
                     QStringLiteral("关于"));
}

bool frm_Vantrel::ConfirmExit()
{
    ExitAnswer = static_cast<qint16>(
        Dialogs::askYesNo(this, QStringLiteral("你想退出程序吗?"), QStringLiteral("退出程序?")));
    if (ExitAnswer != Dialogs::kYes) return false;
    Dialogs::endProgram();
    return true;
}

void frm_Vantrel::ToggleChartPane()
{
    // The toolkit keeps heights in whole pixels, so "folded" is anything within a pixel.
    const bool folded = qAbs(outerHeightTwips() - kFoldedHeight) < Twips::kPerPixel;
    setOuterHeightTwips(folded ? m_chart->heightTwips() + kFoldedHeight : kFoldedHeight);
}

void frm_Vantrel::RestoreGrid()
{
    m_circles.clear();
    update();
    for (int n = 1; n <= ElementGrid::kElements; ++n) {
        ElementCell *cell = m_cells[n];
        cell->show();
        cell->setFontPoints(12);
        cell->setBorder(true);
        if (ElementGroupMode == 0) cell->setTransparent(false);
    }
    for (QWidget *line : qAsConst(m_lines)) line->show();
    for (QWidget *shape : qAsConst(m_backdrops)) shape->show();
    NormalGridShown = True;
}

void frm_Vantrel::OpenOptions()
{
    if (!m_optionsWindow) {
        m_optionsWindow = new frm_Options(this);
        m_optionsWindow->Form_Load();
    }
    m_optionsWindow->show();
    m_optionsWindow->raise();
    m_optionsWindow->activateWindow();
}

void frm_Vantrel::OpenChartWindow()
{
    if (!m_chartWindow) {
        m_chartWindow = new frm_Chart(this);
        m_chartWindow->Form_Load();
    }
    m_chartWindow->show();
    m_chartWindow->raise();
    m_chartWindow->activateWindow();
}

// ---- chart and radius circles ----

void frm_Vantrel::GetChartAndGraph()
{
    const bool circles = LastButton == 105 || LastButton == 106;
    ChartBuilder::fill(*m_chart, ChartProperty, [this, circles] {
        if (circles) DrawCircleForRadii();
    });
}

void frm_Vantrel::DrawCircleForRadii()
{
    NormalGridShown = False;
    for (LoopIndex = 0; LoopIndex <= 6; ++LoopIndex) m_backdrops[LoopIndex]->hide();
    ElementCell *cell = m_cells.value(ElementRecord.AtomicNumber);
    if (!cell)
        throw DataError(
            DataError::Kind::NoSuchElement, DataFilePath, 0,
            QStringLiteral("原子序数 %1 不在 0 到 109 之间").arg(ElementRecord.AtomicNumber));
    cell->show();
    cell->setBorder(false);
    cell->setTransparent(true);
    cell->setFontPoints(8);
    for (LoopIndex = 0; LoopIndex <= 8; ++LoopIndex) m_lines[LoopIndex]->hide();
    if (LastButton == 105) drawCircle(cell, ElementRecord.AtomicRadius, AtomicRadiusColor);
    if (LastButton == 106) drawCircle(cell, ElementRecord.CovalentRadius, CovalentRadiusColor);
}

void frm_Vantrel::drawCircle(ElementCell *cell, float radius, float colour)
{
    const QRect g = cell->geometry();
    const QRectF twips(Twips::fromPx(g.x()), Twips::fromPx(g.y()), Twips::fromPx(g.width()),
                       Twips::fromPx(g.height()));
    m_circles.append(RadiusCircles::circleFor(twips, radius, colour));
    if (radius == 0) cell->hide();
    update();
}

void frm_Vantrel::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_firstFrameSeen) {
        m_firstFrameSeen = true;
        // Runs once this paint has been flushed to the screen.
        QTimer::singleShot(0, this, &frm_Vantrel::firstFrameShown);
    }
    const bool placeholder = m_withBrowser && !m_browser;
    if (!placeholder && m_circles.isEmpty()) return;
    QPainter painter(this);
    if (placeholder) painter.fillRect(browserRect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    for (const RadiusCircles::Circle &circle : qAsConst(m_circles)) {
        const QColor colour = ColourNumber::toColor(circle.colour);
        painter.setPen(colour);
        painter.setBrush(colour);
        const double r = circle.radius / Twips::kPerPixel;
        painter.drawEllipse(circle.centre / Twips::kPerPixel, r, r);
    }
}
