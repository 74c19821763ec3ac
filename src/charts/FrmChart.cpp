#include "FrmChart.h"

#include "table/FrmVantrel.h"

frm_Chart::frm_Chart(frm_Vantrel *mainWindow) : QWidget(nullptr), m_main(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void frm_Chart::Form_Load() { setWindowTitle(QStringLiteral("曲线窗口")); }
