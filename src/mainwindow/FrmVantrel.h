#pragma once

#include <QPointer>
#include <QUrl>
#include <QVector>
#include <QWidget>

#include "files/ModVantrel.h"
#include "grid/PeriodicGrid.h"

class AppState;
class BrowserPane;
class ChartPane;
class ChartWindow;
class DetailsPanel;
class ElementCell;
class FindField;
class FormulaWindow;
class GridKeys;
class ImageButtonArray;
class QFrame;
class QMenu;
class TemperatureView;
class ToolbarKeys;
class frm_Options;

// The main window: the periodic grid, its toolbar, the details panel, the chart pane and
// the browser pane. It owns the state the windows share (AppState), opens the options
// dialog and the chart window with it and answers their signals; they never see it.
class frm_Vantrel : public QWidget {
    Q_OBJECT
public:
    enum class Browser { Shown, None };  // tests may leave the browser engine out
    explicit frm_Vantrel(Browser browser = Browser::Shown);
    ~frm_Vantrel() override;

    static constexpr double kFoldedHeight = 5370;                  // twips, the grid alone
    void setProductPage(const QUrl &url) { m_productPage = url; }  // before Form_Load

    // Reads the settings and the element data and fills the grid. Throws DataError when
    // the element data file cannot be read. Settings problems are reported, not thrown.
    void Form_Load();
    void Form_Activate();

    // Event handlers, each run through Dialogs::runHandler by the connections.
    void lbl_Elements_Click(int index);
    void lbl_Elements_MouseMove(int index);
    void img_Btns_MouseMove(int index);
    void img_Btns_Click(int index);
    void Form_MouseMove();

    AppState &app() const { return *m_app; }
    PeriodicGrid &grid() const { return *m_grid; }
    ElementCell *lbl_Elements(int index) const { return m_grid->cell(index); }
    QWidget *shp_Group(int index) const { return m_grid->backdrop(index); }
    QWidget *lne_Lines(int index) const { return m_grid->line(index); }
    ImageButtonArray &img_Btns() const { return *m_buttons; }
    DetailsPanel *pic_Elements() const { return m_panel; }
    // Made on first use (see firstFrameShown); nullptr without the chart plugin, whose
    // absence the chart pane then explains.
    ChartPane *msc_Options() const;
    QFrame *fra_Chart() const { return m_chartFrame; }
    // Null until the first frame of the window has been shown (see browserCreated).
    BrowserPane *WebBrowser1() const { return m_browser; }
    // Each from when it is made until it closes; null otherwise.
    frm_Options *optionsWindow() const;
    ChartWindow *chartWindow() const;
    // The options dialog or the chart window is open: the grid and the toolbar then rest.
    bool otherWindowOpen() const;
    const QVector<RadiusCircles::Circle> &circles() const { return m_grid->circles(); }
    GridKeys &gridKeys() const { return m_grid->keys(); }
    ToolbarKeys &toolbarKeys() const { return *m_toolbarKeys; }

    // The window's outer height (title bar and border included), in twips.
    double outerHeightTwips() const;
    void setOuterHeightTwips(double twips);

signals:
    void browserCreated();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createToolbar();
    void createPanes();
    void createBrowser();
    void navigateBrowser(const QUrl &url);
    void firstFrameShown();
    static QRect browserRect();
    void connectHandlers();
    void connectKeyboard();

    void loadSettings();
    bool groupColouring() const;
    void GetChartAndGraph();
    void DrawCircleForRadii(const mod_Vantrel::ElementRecordType &record);
    void restoreGrid();
    void toggleChartPane();
    bool chartPaneFolded() const;
    bool focusChart(Qt::FocusReason reason);  // false while the chart pane is not open
    FindField *findField();
    void connectSheet(QMenu *panelMenu);
    void connectToolWindows(TemperatureView *temperature);
    void openFormulaWindow();
    void markFormulaElements(const QList<int> &atomicNumbers);
    void showAbout();
    bool confirmExit();
    void openOptions();
    void openChartWindow();  // says so without the chart plugin
    void showChartMissing(const QString &problem) const;
    double chartHeightTwips() const;
    void hideHighlight(int command);

    // Answers to the options dialog and the chart window.
    void foldForChartWindow();

    AppState *m_app;
    PeriodicGrid *m_grid = nullptr;
    ImageButtonArray *m_buttons = nullptr;
    ToolbarKeys *m_toolbarKeys = nullptr;
    DetailsPanel *m_panel = nullptr;
    QFrame *m_chartFrame = nullptr;
    mutable ChartPane *m_chart = nullptr;
    FindField *m_find = nullptr;
    BrowserPane *m_browser = nullptr;
    QPointer<frm_Options> m_optionsWindow;
    QPointer<ChartWindow> m_chartWindow;
    QPointer<FormulaWindow> m_formulaWindow;  // kept for the session once opened
    bool m_withBrowser;
    bool m_firstFrameSeen = false;
    QUrl m_pendingPage;
    QUrl m_productPage;
};
