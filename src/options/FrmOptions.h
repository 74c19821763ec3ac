#pragma once

#include <QWidget>

class AppState;
class ImageButtonArray;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QRadioButton;

// The options dialog: where the chart goes, the colours of the radius circles and
// whether the grid shows the element groups. Saved to the settings file (SettingsLocation).
// It knows nothing of the main window: it reports the chosen group mode by a signal.
class frm_Options : public QWidget {
    Q_OBJECT
public:
    // `app` is the main window's shared state, which outlives this dialog.
    explicit frm_Options(AppState &app);

    // Sets the controls from the settings; whoever opens the dialog places it.
    void Form_Load();

    // Applies the choices to the shared settings, announces the group mode while the grid
    // shows normally, then writes the settings file. Throws DataError(WriteFailed) when the
    // file cannot be written; the choices stay applied for this run and the old file stays
    // as it was.
    void SaveSettings();

    // Event handlers, each run through Dialogs::runHandler by the connections.
    void img_Btns_Click(int index);
    void img_Btns_MouseMove(int index);
    void fra_ElementGroup_MouseMove();

    ImageButtonArray &img_Btns() const { return *m_buttons; }
    QFrame *fra_ChartWindows() const { return m_chartWindowsFrame; }
    QFrame *fra_ElementGroup() const { return m_elementGroupFrame; }
    QRadioButton *opt_ChartWindows(int index) const;
    QRadioButton *opt_ElementGroup(int index) const;
    QComboBox *cmb_Color(int index) const;
    QLabel *lbl_Options(int index) const;

signals:
    // SaveSettings, before the file is written: 0 plain grid, 1 group colouring.
    // The shared settings already hold it; whoever shows the grid applies it.
    void groupModeSaved(qint16 mode);
    // Every way of closing, saved or not.
    void closed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    QFrame *createFrame(const char *name, const QRectF &twips);
    QLabel *createLabel(int index, QWidget *container, double left, double top, const char *text);
    QRadioButton *createOption(QButtonGroup *group, int value, QWidget *container,
                               const QRectF &twips, const char *text);
    QComboBox *createColourList(int index, const QRectF &twips);
    void createControls();
    void nameControls();
    void setTabOrder();
    void connectHandlers();
    void loadColourList(int index, float colour);
    float chosenColour(int index, float before) const;

    AppState &m_app;
    QFrame *m_chartWindowsFrame = nullptr;
    QFrame *m_elementGroupFrame = nullptr;
    QButtonGroup *m_chartWindows = nullptr;
    QButtonGroup *m_elementGroup = nullptr;
    QComboBox *m_colours[2] = {};
    QLabel *m_labels[7] = {};
    ImageButtonArray *m_buttons = nullptr;
};
