#pragma once

#include <QWidget>

class frm_Vantrel;

// The separate, resizable chart window.
class frm_Chart : public QWidget {
    Q_OBJECT
public:
    explicit frm_Chart(frm_Vantrel *mainWindow);
    void Form_Load();

private:
    frm_Vantrel *m_main;
};
