#include "FrmOptions.h"

#include "table/FrmVantrel.h"

frm_Options::frm_Options(frm_Vantrel *mainWindow) : QWidget(nullptr), m_main(mainWindow)
{
    setAttribute(Qt::WA_DeleteOnClose);
}

void frm_Options::Form_Load() { setWindowTitle(QStringLiteral("选项")); }

void frm_Options::SaveSettings() {}
