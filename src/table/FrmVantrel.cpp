#include "FrmVantrel.h"

#include "BrowserPane.h"
#include "DetailsPanel.h"
#include "ElementCell.h"
#include "ElementGrid.h"
#include "GridKeys.h"
#include "StartupTrace.h"
#include "charts/ChartBuilder.h"
#include "charts/ChartControl.h"
#include "charts/FrmChart.h"
#include "data/DataError.h"
#include "data/DataFiles.h"
#include "data/ModVantrel.h"
#include "data/Settings.h"
#include "options/FrmOptions.h"
#include "widgets/ButtonPictures.h"
#include "widgets/ColourNumber.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"
#include "widgets/ImageButtons.h"
#include "widgets/Palette.h"
#include "widgets/ToolbarKeys.h"
#include "widgets/Twips.h"
#include "widgets/Windows.h"

#include <QFrame>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <utility>

using namespace mod_Vantrel;

namespace {

constexpr double kClientWidth = 12105;
constexpr double kClientHeight = 8445;
constexpr double kChartHeight = 3855;  // twips, the chart control as made
// Title bar and border that the window's outer height includes.
constexpr double kFrameTwips = 450;
const QColor kHighlightYellow(255, 250, 128);  // colour number 0x80FAFF
constexpr double kOptionsOffset = 500;         // twips right of and below this window
constexpr int kGroupBackdrops = 7;
constexpr int kStaircaseLines = 9;

struct ToolbarButton {
    int normalIndex;
    double left;
    double top;
    const char *tooltip;
};

const ToolbarButton kToolbar[] = {
    {ButtonPictures::AtomicWeight, 1560, 120, "原子量曲线"},
    {ButtonPictures::MeltingPoint, 1920, 120, "熔点曲线"},
    {ButtonPictures::BoilingPoint, 2280, 120, "浮点曲线"},
    {ButtonPictures::Density, 2640, 120, "密度曲线"},
    {ButtonPictures::AtomicRadius, 1560, 600, "原子半径"},
    {ButtonPictures::CovalentRadius, 1920, 600, "共价半径"},
    {ButtonPictures::ElectronAffinity, 1560, 1080, "电子亲和性 (M-M)/KJ mol^-1"},
    {ButtonPictures::FusionEnthalpy, 1920, 1080, "Enthalpy of Fusion/kJ mol^-1"},
    {ButtonPictures::VaporisationEnthalpy, 2280, 1080, "Enthalpy of Vaporisation/kJ mol^-1"},
    {ButtonPictures::PeriodicTable, 3600, 120, "显示周期表"},
    {ButtonPictures::Chart, 3960, 120, "曲线图"},
    {ButtonPictures::Options, 4800, 120, "选项"},
    {ButtonPictures::About, 5160, 120, "关于"},
    {ButtonPictures::Exit, 6120, 120, "退出程序"},
};

// The options dialog and the chart window are made on first use: wired up by `connectIt`
// before they load, so that nothing they announce while loading is lost.
template <typename Window, typename ConnectIt>
void openWindow(QPointer<Window> &window, ConnectIt connectIt)
{
    if (!window) {
        window = new Window;
        connectIt(window.data());
        window->Form_Load();
    }
    Windows::bringToFront(window);
}

QString noSuchElement(qint16 atomicNumber)
{
    return QStringLiteral("原子序数 %1 不在 0 到 %2 之间").arg(atomicNumber).arg(kElementCount);
}

}  // namespace

const QString frm_Vantrel::kProductPage =
    QStringLiteral("http://www.ferrova.example/soft/kelor/?ver=" FERROVA_VERSION);

frm_Vantrel::frm_Vantrel(Browser browser)
    : QWidget(nullptr), m_withBrowser(browser == Browser::Shown)
{
    setObjectName(QStringLiteral("frm_Vantrel"));
    setWindowTitle(QStringLiteral("Ferrova元素周期表"));
    setWindowIcon(ButtonPictures::mainWindowIcon());
    setWindowFlags(Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    Palette::fillBackground(this, QColor(192, 192, 192));
    setMouseTracking(true);
    setFixedSize(Twips::toPx(kClientWidth), Twips::toPx(kClientHeight));
    move(Twips::toPx(2310), Twips::toPx(1245));
    createBackdrops();
    createGrid();
    createStaircase();
    createToolbar();
    createPanes();
    connectHandlers();
    connectKeyboard();
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
    for (int n = 0; n <= kElementCount; ++n) {
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
    // White until the chart control is made, like the chart's own background.
    Palette::fillBackground(m_chartFrame, Qt::white);
    m_panel = new DetailsPanel(this);
    m_panel->setGeometry(Twips::rect(1800, 4680, 7095, 2775));
    m_panel->hide();
}

QRect frm_Vantrel::browserRect()
{
    return Twips::rect(8880, 0, 3015, 8295);
}

// The pane asks the product site before it starts the browser engine, and that takes
// longer than drawing the whole window, so the pane is made once the first frame is out; a
// page asked for before then is asked for at that point.
void frm_Vantrel::createBrowser()
{
    m_browser = new BrowserPane(this);
    m_browser->setObjectName(QStringLiteral("WebBrowser1"));
    m_browser->setGeometry(browserRect());
    m_browser->show();
    StartupTrace::mark("browser-created");
    if (!m_pendingPage.isEmpty()) m_browser->navigate(std::exchange(m_pendingPage, QUrl()));
    emit browserCreated();
}

void frm_Vantrel::navigateBrowser(const QUrl &url)
{
    if (m_browser)
        m_browser->navigate(url);
    else if (m_withBrowser)
        m_pendingPage = url;
}

// Qt Charts takes about 20 ms to make the chart control, a quarter of the time to the first
// frame, and the empty chart shows nothing the user needs at once: it is made right after
// the first frame, or earlier when something asks for it.
ChartControl *frm_Vantrel::msc_Options() const
{
    if (!m_chart) {
        m_chart = new ChartControl(m_chartFrame);
        m_chart->setObjectName(QStringLiteral("msc_Options"));
        m_chart->setGeometry(Twips::rect(-210, -480, 9015, kChartHeight));
        if (m_chartFrame->isVisible()) m_chart->show();
    }
    return m_chart;
}

void frm_Vantrel::firstFrameShown()
{
    StartupTrace::mark("first-frame");
    msc_Options();
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

// The keyboard goes the handlers' way too: a move is a hover, Enter or Space a click.
void frm_Vantrel::connectKeyboard()
{
    m_gridKeys = new GridKeys(QVector<QLabel *>(m_cells.begin(), m_cells.end()), this);
    m_toolbarKeys = new ToolbarKeys(m_buttons, this);
    connect(m_gridKeys, &GridKeys::moved, this,
            [this](int i) { Dialogs::runHandler(this, [=] { lbl_Elements_MouseMove(i); }); });
    connect(m_gridKeys, &GridKeys::activated, this,
            [this](int i) { Dialogs::runHandler(this, [=] { lbl_Elements_Click(i); }); });
    // Tab and Shift+Tab go between the grid and the toolbar, the window's two stops.
    connect(m_gridKeys, &GridKeys::tabbed, this, [this](bool forward) {
        m_toolbarKeys->focusCurrent(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    });
    m_toolbarKeys->setTabHandler([this](bool forward) {
        m_gridKeys->focusPosition(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    });
    m_gridKeys->focusPosition(Qt::OtherFocusReason);  // on hydrogen when the window opens
}

void frm_Vantrel::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && m_panel->isVisibleTo(this)) {
        Dialogs::runHandler(this, [this] { m_panel->img_Close_Click(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

// ---- start-up ----

void frm_Vantrel::Form_Load()
{
    state.HoveredElement = 1;
    state.NormalGridShown = True;
    loadSettings();
    if (state.ElementGroupMode == 1)
        for (int n = 1; n <= kElementCount; ++n) m_cells[n]->setTransparent(true);
    loadElements();
    setOuterHeightTwips((m_chart ? m_chart->heightTwips() : kChartHeight) + kFoldedHeight);
    navigateBrowser(m_productPage);
}

void frm_Vantrel::loadSettings()
{
    const QStringList problems = Settings::load();
    if (problems.isEmpty()) return;
    Dialogs::message(this,
                     QStringLiteral("文件：%1\n以下设置行无法读取，已忽略：\n%2")
                         .arg(state.DataFilePath, problems.join(QLatin1Char('\n'))),
                     QStringLiteral("Ferrova元素周期表 - 设置"));
}

void frm_Vantrel::loadElements()
{
    state.DataFilePath = DataFiles::dataPath(QStringLiteral("Elements.prn"));
    InputFile fileNumber1(state.DataFilePath);
    while (!fileNumber1.atEnd()) {
        ReadElementRecord(fileNumber1.input());
        const ElementRecordType &record = state.ElementRecord;
        if (record.AtomicNumber < 0 || record.AtomicNumber > kElementCount)
            throw DataError(DataError::Kind::NoSuchElement, state.DataFilePath,
                            fileNumber1.input().itemLine(), noSuchElement(record.AtomicNumber));
        applyRecordToCell(record);
    }
}

void frm_Vantrel::applyRecordToCell(const ElementRecordType &record)
{
    ElementCell *cell = m_cells[record.AtomicNumber];
    cell->setText(record.Symbol);
    cell->setToolTip(record.ElementName);
    cell->setAccessibleDescription(record.ElementName);
    const QColor colour = ElementGrid::phaseColour(record.PhaseCode);
    if (colour.isValid()) cell->setTextColour(colour);
}

void frm_Vantrel::Form_Activate()
{
    if (state.OptionsWindowOpen && m_optionsWindow) Windows::bringToFront(m_optionsWindow);
    if (state.ChartWindowOpen && m_chartWindow) Windows::bringToFront(m_chartWindow);
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
    if (state.OptionsWindowOpen || state.ChartWindowOpen) return;
    state.DataFilePath = DataFiles::dataPath(QStringLiteral("Elements.prn"));
    InputFile fileNumber1(state.DataFilePath);
    while (!fileNumber1.atEnd()) {
        ReadElementRecord(fileNumber1.input());
        if (state.ElementRecord.AtomicNumber != index) continue;
        state.SymbolColor = qint32(ColourNumber::fromColor(m_cells[index]->textColour()));
        m_panel->ShowpicElements(state.ElementRecord, state.SymbolColor);
        return;
    }
}

// ---- hover ----

void frm_Vantrel::removeCellHighlight()
{
    ElementCell *cell = m_cells.value(state.HoveredElement);
    if (!cell) return;
    if (state.ElementGroupMode == 1) cell->setTransparent(true);
    cell->setBackColour(Qt::white);
}

void frm_Vantrel::lbl_Elements_MouseMove(int index)
{
    if (!m_lines[0]->isVisibleTo(this) || state.OptionsWindowOpen || state.ChartWindowOpen) return;
    removeCellHighlight();
    state.HoveredElement = static_cast<qint16>(index);
    m_gridKeys->follow(index);  // the mouse and the keyboard share one position
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
    if (Windows::onBareSurface(this, event))
        Dialogs::runHandler(this, [this] { Form_MouseMove(); });
    QWidget::mouseMoveEvent(event);
}

// ---- toolbar ----

void frm_Vantrel::img_Btns_MouseMove(int index)
{
    if (index > Command::kLastNormalPicture) return;
    if (state.OptionsWindowOpen || state.ChartWindowOpen) return;
    m_buttons->hover(index);
}

void frm_Vantrel::img_Btns_Click(int index)
{
    const int c = index;
    if (Command::isChartProperty(c)) state.ChartProperty = Command::chartPropertyOf(c);
    if (c == Command::ShowAbout) showAbout();
    if (c == Command::OpenOptions) openOptions();
    if (c == Command::ExitProgram && confirmExit()) return;
    if (c == Command::ShowTable && !state.NormalGridShown) restoreGrid();
    if (c == Command::ShowChart && state.ChartWindowsMode == 0) toggleChartPane();
    if (c == Command::ShowChart && state.ChartWindowsMode == 1) {
        openChartWindow();
        state.ChartWindowOpen = True;
    }
    state.LastButton = static_cast<qint16>(c);
    if (Command::drawsRadiusCircles(c)) {
        m_circles.clear();
        m_circleCells.clear();
        update();
    }
    GetChartAndGraph();
}

void frm_Vantrel::showAbout()
{
    Dialogs::message(this,
                     QStringLiteral("Ferrova元素周期表 " FERROVA_VERSION "，Ferrova 软件出品\r\n"
                                    "http://www.ferrova.example/"),
                     QStringLiteral("关于"));
}

bool frm_Vantrel::confirmExit()
{
    state.ExitAnswer = static_cast<qint16>(
        Dialogs::askYesNo(this, QStringLiteral("你想退出程序吗?"), QStringLiteral("退出程序?")));
    if (state.ExitAnswer != Dialogs::kYes) return false;
    Dialogs::endProgram();
    return true;
}

void frm_Vantrel::toggleChartPane()
{
    // The toolkit keeps heights in whole pixels, so "folded" is anything within a pixel.
    const bool folded = qAbs(outerHeightTwips() - kFoldedHeight) < Twips::kPerPixel;
    setOuterHeightTwips(folded ? msc_Options()->heightTwips() + kFoldedHeight : kFoldedHeight);
}

void frm_Vantrel::restoreGrid()
{
    m_circles.clear();
    m_circleCells.clear();
    update();
    for (int n = 1; n <= kElementCount; ++n) {
        ElementCell *cell = m_cells[n];
        cell->show();
        cell->setFontPoints(12);
        cell->setBorder(true);
        if (state.ElementGroupMode == 0) cell->setTransparent(false);
    }
    for (QWidget *line : qAsConst(m_lines)) line->show();
    for (QWidget *shape : qAsConst(m_backdrops)) shape->show();
    state.NormalGridShown = True;
}

// ---- the options dialog and the chart window ----

void frm_Vantrel::openOptions()
{
    openWindow(m_optionsWindow, [this](frm_Options *options) {
        connect(options, &frm_Options::groupModeSaved, this, &frm_Vantrel::showElementGroups);
        hideHighlight(Command::OpenOptions);
        const QPoint offset(Twips::toPx(kOptionsOffset), Twips::toPx(kOptionsOffset));
        options->move(pos() + offset);  // both are frame positions
    });
}

void frm_Vantrel::openChartWindow()
{
    openWindow(m_chartWindow, [this](frm_Chart *chart) {
        connect(chart, &frm_Chart::foldMainWindowRequested, this, &frm_Vantrel::foldForChartWindow);
        connect(chart, &frm_Chart::closed, this, [this] { Windows::bringToFront(this); });
    });
}

void frm_Vantrel::hideHighlight(int command)
{
    if (ImageButton *highlight = m_buttons->image(command)) highlight->hide();
}

void frm_Vantrel::showElementGroups(qint16 mode)
{
    const bool shown = mode == 1;
    for (int i = 0; i < kGroupBackdrops; ++i) m_backdrops[i]->setVisible(shown);
    for (int n = 1; n <= kElementCount; ++n) m_cells[n]->setTransparent(shown);
}

void frm_Vantrel::foldForChartWindow()
{
    // The chart button stays hidden while the chart window stands in for the chart pane.
    hideHighlight(Command::ShowChart);
    setOuterHeightTwips(kFoldedHeight);
}

// ---- chart and radius circles ----

void frm_Vantrel::GetChartAndGraph()
{
    const bool circles = Command::drawsRadiusCircles(state.LastButton);
    ChartBuilder::fill(*msc_Options(), state.ChartProperty,
                       [this, circles](const ElementRecordType &r) {
                           if (circles) DrawCircleForRadii(r);
                       });
}

void frm_Vantrel::DrawCircleForRadii(const ElementRecordType &record)
{
    state.NormalGridShown = False;
    for (int i = 0; i < kGroupBackdrops; ++i) m_backdrops[i]->hide();
    ElementCell *cell = m_cells.value(record.AtomicNumber);
    if (!cell)
        throw DataError(DataError::Kind::NoSuchElement, state.DataFilePath, 0,
                        noSuchElement(record.AtomicNumber));
    cell->show();
    cell->setBorder(false);
    cell->setTransparent(true);
    cell->setFontPoints(8);
    for (int i = 0; i < kStaircaseLines; ++i) m_lines[i]->hide();
    if (state.LastButton == Command::AtomicRadiusChart)
        drawCircle(cell, record.AtomicRadius, state.AtomicRadiusColor);
    if (state.LastButton == Command::CovalentRadiusChart)
        drawCircle(cell, record.CovalentRadius, state.CovalentRadiusColor);
}

void frm_Vantrel::drawCircle(ElementCell *cell, float radius, float colour)
{
    const QRect g = cell->geometry();
    const QRectF twips(Twips::fromPx(g.x()), Twips::fromPx(g.y()), Twips::fromPx(g.width()),
                       Twips::fromPx(g.height()));
    // One circle per cell: a later record of the same element replaces the earlier circle.
    const qsizetype earlier = m_circleCells.indexOf(cell->index());
    if (earlier >= 0) {
        m_circles.remove(earlier);
        m_circleCells.remove(earlier);
    }
    m_circles.append(RadiusCircles::circleFor(twips, radius, colour));
    m_circleCells.append(cell->index());
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
