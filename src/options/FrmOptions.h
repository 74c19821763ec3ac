#pragma once

#include <QWidget>

class frm_Vantrel;

// The options dialog.
class frm_Options : public QWidget {
    Q_OBJECT
public:
    explicit frm_Options(frm_Vantrel *mainWindow);
    void Form_Load();
    void SaveSettings();

private:
    frm_Vantrel *m_main;
};
