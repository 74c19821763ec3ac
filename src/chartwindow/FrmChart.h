#pragma once

#include "chartplugin/ChartPlugin.h"

class AppState;
class ChartControl;
class ImageButtonArray;
class QFrame;

// The separate, resizable chart window: a toolbar of the nine properties and a chart that
// fills the rest of the window. While it is open the main window stays folded: the window
// asks for that and for the main window's return by signals, and the main window decides.
class frm_Chart : public ChartWindow {
    Q_OBJECT
public:
    // `app` is the main window's shared state, which outlives this window.
    explicit frm_Chart(AppState &app);

    // Sizes of the chart frame and of the chart inside it, in twips, for a window of the
    // given outer size (title bar and border included). Never negative.
    struct Layout {
        double frameWidth;
        double frameHeight;
        double chartWidth;
        double chartHeight;
    };
    static Layout layoutFor(double outerWidthTwips, double outerHeightTwips);

    void Form_Load() override;

    // Event handlers, each run through Dialogs::runHandler by the connections.
    void img_Btns_Click(int index);
    void img_Btns_MouseMove(int index);
    void Form_MouseMove();
    void Form_Resize();
    void Form_Unload();  // every way of closing: the close button and the title bar

    ImageButtonArray &img_Btns() const { return *m_buttons; }
    QFrame *fra_Chart() const { return m_chartFrame; }
    ChartControl *msc_Options() const { return m_chart; }

    // The window's outer size in twips: the client size plus the allowance for title bar
    // and border that the main window uses too.
    double outerWidthTwips() const;
    double outerHeightTwips() const;

protected:
    void closeEvent(QCloseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void createToolbar();
    void createChart();
    void connectHandlers();

    AppState &m_app;
    ImageButtonArray *m_buttons = nullptr;
    QFrame *m_chartFrame = nullptr;
    ChartControl *m_chart = nullptr;
};
