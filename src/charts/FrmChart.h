#pragma once

#include <QPointer>
#include <QWidget>

class ChartControl;
class ImageButtonArray;
class QFrame;
class frm_Vantrel;

// The separate, resizable chart window: a toolbar of the nine properties and a chart that
// fills the rest of the window. While it is open the main window stays folded.
class frm_Chart : public QWidget {
    Q_OBJECT
public:
    explicit frm_Chart(frm_Vantrel *mainWindow);

    // Sizes of the chart frame and of the chart inside it, in twips, for a window of the
    // given outer size (title bar and border included). Never negative.
    struct Layout {
        double frameWidth;
        double frameHeight;
        double chartWidth;
        double chartHeight;
    };
    static Layout layoutFor(double outerWidthTwips, double outerHeightTwips);

    void Form_Load();

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

    QPointer<frm_Vantrel> m_main;
    ImageButtonArray *m_buttons = nullptr;
    QFrame *m_chartFrame = nullptr;
    ChartControl *m_chart = nullptr;
};
