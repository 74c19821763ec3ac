#include "FrmVantrel.h"

#include "GridCells.h"

#include "TableExport.h"
#include "app/AppState.h"
#include "chartplugin/ChartPlugin.h"
#include "details/DetailsPanel.h"
#include "files/ElementFile.h"
#include "files/ModVantrel.h"
#include "files/Settings.h"
#include "grid/ElementCell.h"
#include "grid/GridKeys.h"
#include "grid/PeriodicGrid.h"
#include "options/FrmOptions.h"
#include "plugins/Plugins.h"
#include "productpage/BrowserPane.h"
#include "sheet/ElementSheetWindow.h"
#include "startup/StartupFont.h"
#include "startup/StartupTrace.h"
#include "widgets/ButtonHover.h"
#include "widgets/ButtonPictures.h"
#include "widgets/ColourNumber.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"
#include "widgets/FrameRole.h"
#include "widgets/ImageButtons.h"
#include "widgets/Palette.h"
#include "widgets/ToolbarKeys.h"
#include "widgets/Twips.h"
#include "widgets/Windows.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <utility>

using namespace mod_Vantrel;

namespace {

constexpr double kClientWidth = 12105;
constexpr double kClientHeight = 8445;
// Title bar and border that the window's outer height includes.
constexpr double kFrameTwips = 450;
constexpr double kOptionsOffset = 500;  // twips right of and below this window

struct ToolbarButton {
    int normalIndex;
    double left;
    double top;
    const char *tooltip;
};

const ToolbarButton kToolbar[] = {
    {ButtonPictures::AtomicWeight, 1560, 120, "原子量曲线"},
    {ButtonPictures::MeltingPoint, 1920, 120, "熔点曲线"},
    {ButtonPictures::BoilingPoint, 2280, 120, "沸点曲线"},
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
template <typename Window, typename MakeIt, typename ConnectIt>
void openWindow(QPointer<Window> &window, MakeIt makeIt, ConnectIt connectIt)
{
    if (!window) {
        window = makeIt();
        connectIt(window.data());
        window->Form_Load();
    }
    Windows::bringToFront(window);
}

}  // namespace

frm_Vantrel::frm_Vantrel(Browser browser)
    : QWidget(nullptr),
      m_app(new AppState(this)),
      m_withBrowser(browser == Browser::Shown),
      m_productPage(Plugins::productPage())
{
    setObjectName(QStringLiteral("frm_Vantrel"));
    FrameRole::install();
    setWindowTitle(QStringLiteral("Ferrova元素周期表"));
    // A fixed size: no maximise button (the hints count only with CustomizeWindowHint).
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    Palette::fillBackground(this, QColor(192, 192, 192));
    setMouseTracking(true);
    setFixedSize(Twips::toPx(kClientWidth), Twips::toPx(kClientHeight));
    move(Twips::toPx(2310), Twips::toPx(1245));
    m_grid = new PeriodicGrid(this);
    connectToolWindows(new TemperatureView(m_grid, std::make_unique<GridCells::Phases>(*m_grid)));
    createToolbar();
    createPanes();
    connectHandlers();
    connectKeyboard();
    // Printed and saved: the whole window but the browser pane.
    new TableExport(this, [this] { return QRect(0, 0, browserRect().left(), height()); });
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

ChartWindow *frm_Vantrel::chartWindow() const
{
    return m_chartWindow;
}

// The window holds each of them from the moment it makes it until it closes.
bool frm_Vantrel::otherWindowOpen() const
{
    return m_optionsWindow || m_chartWindow;
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

void frm_Vantrel::firstFrameShown()
{
    StartupTrace::mark("first-frame");
    // Handing the icon in five sizes to the window system takes a millisecond or two, and the
    // window manager shows it as well a moment after the window is up.
    setWindowIcon(ButtonPictures::mainWindowIcon());
    StartupFont::add();  // before the chart's hint and the built-in page are laid out
    msc_Options();
    if (m_withBrowser && !m_browser) createBrowser();
}

// ---- start-up ----

void frm_Vantrel::Form_Load()
{
    m_app->setNormalGridShown(True);
    loadSettings();
    if (groupColouring()) m_grid->setCellsTransparent(true);
    ElementFile::scan(ElementFile::Numbers::Grid, [this](const ElementRecordType &record) {
        m_grid->applyRecord(record);
        return ElementFile::Next::Continue;
    });
    setOuterHeightTwips(chartHeightTwips() + kFoldedHeight);
    navigateBrowser(m_productPage);
}

void frm_Vantrel::loadSettings()
{
    Settings::Values settings = m_app->settings();
    const Settings::Loaded loaded = Settings::load(settings);
    m_app->setSettings(settings);
    if (loaded.problems.isEmpty()) return;
    Dialogs::message(this,
                     QStringLiteral("文件：%1\n以下设置行无法读取，已忽略：\n%2")
                         .arg(loaded.filePath, loaded.problems.join(QLatin1Char('\n'))),
                     QStringLiteral("Ferrova元素周期表 - 设置"));
}

bool frm_Vantrel::groupColouring() const
{
    return m_app->settings().ElementGroupMode == 1;
}

void frm_Vantrel::Form_Activate()
{
    if (m_optionsWindow) Windows::bringToFront(m_optionsWindow);
    if (m_chartWindow) Windows::bringToFront(m_chartWindow);
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

// ---- element cells ----

void frm_Vantrel::lbl_Elements_Click(int index)
{
    if (otherWindowOpen()) return;
    std::optional<ElementRecordType> record = ElementFile::find(index);
    if (!record) return;
    const auto SymbolColor = qint32(ColourNumber::fromColor(lbl_Elements(index)->textColour()));
    m_panel->ShowpicElements(*record, SymbolColor);
    ElementSheetWindow::follow(index);
}

// ---- hover ----

void frm_Vantrel::lbl_Elements_MouseMove(int index)
{
    if (!m_grid->normalLinesShown() || otherWindowOpen()) return;
    m_grid->highlight(index, groupColouring());
}

void frm_Vantrel::Form_MouseMove()
{
    if (!m_grid->normalLinesShown()) return;
    m_grid->removeHighlight(groupColouring());
    ButtonHover(*m_buttons, *m_app).left();
}

// ---- toolbar ----

void frm_Vantrel::img_Btns_MouseMove(int index)
{
    if (!otherWindowOpen()) ButtonHover(*m_buttons, *m_app).moved(index);
}

void frm_Vantrel::img_Btns_Click(int index)
{
    const int c = index;
    const qint16 chartWindowsMode = m_app->settings().ChartWindowsMode;
    if (Command::isChartProperty(c)) m_app->setChartProperty(Command::chartPropertyOf(c));
    if (c == Command::ShowAbout) showAbout();
    if (c == Command::OpenOptions) openOptions();
    if (c == Command::ExitProgram && confirmExit()) return;
    if (c == Command::ShowTable && !m_app->NormalGridShown()) restoreGrid();
    if (c == Command::ShowChart && chartWindowsMode == 0) toggleChartPane();
    if (c == Command::ShowChart && chartWindowsMode == 1) openChartWindow();
    m_app->setLastButton(static_cast<qint16>(c));
    if (Command::drawsRadiusCircles(c)) m_grid->clearCircles();
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
    const int ExitAnswer =
        Dialogs::askYesNo(this, QStringLiteral("你想退出程序吗?"), QStringLiteral("退出程序?"));
    if (ExitAnswer != Dialogs::kYes) return false;
    Dialogs::endProgram();
    return true;
}

void frm_Vantrel::restoreGrid()
{
    m_grid->restoreNormal(groupColouring());
    m_app->setNormalGridShown(True);
}

// ---- the options dialog and the chart window ----

void frm_Vantrel::openOptions()
{
    openWindow(
        m_optionsWindow, [this] { return new frm_Options(*m_app); },
        [this](frm_Options *options) {
            connect(options, &frm_Options::groupModeSaved, this,
                    [this](qint16 mode) { m_grid->showGroups(mode == 1); });
            connect(options, &frm_Options::closed, this, [this] { m_optionsWindow.clear(); });
            hideHighlight(Command::OpenOptions);
            const QPoint offset(Twips::toPx(kOptionsOffset), Twips::toPx(kOptionsOffset));
            options->move(pos() + offset);  // both are frame positions
        });
}

void frm_Vantrel::openChartWindow()
{
    QString problem;
    ChartPlugin *plugin = Plugins::charts(&problem);
    if (!plugin) {
        Dialogs::message(this, Plugins::chartsMissingText(problem), QStringLiteral("曲线图"));
        return;
    }
    openWindow(
        m_chartWindow, [this, plugin] { return plugin->createWindow(*m_app); },
        [this](ChartWindow *chart) {
            connect(chart, &ChartWindow::foldMainWindowRequested, this,
                    &frm_Vantrel::foldForChartWindow);
            connect(chart, &ChartWindow::closed, this, [this] {
                m_chartWindow.clear();
                Windows::bringToFront(this);
            });
        });
}

void frm_Vantrel::hideHighlight(int command)
{
    if (ImageButton *highlight = m_buttons->image(command)) highlight->hide();
}

void frm_Vantrel::paintEvent(QPaintEvent *event)
{
    QWidget::paintEvent(event);
    if (!m_firstFrameSeen) {
        m_firstFrameSeen = true;
        // Runs once this paint has been flushed to the screen.
        QTimer::singleShot(0, this, &frm_Vantrel::firstFrameShown);
    }
    if (m_withBrowser && !m_browser) QPainter(this).fillRect(browserRect(), Qt::white);
}

void frm_Vantrel::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    m_grid->resize(size());  // the grid's surface is the window's
}
