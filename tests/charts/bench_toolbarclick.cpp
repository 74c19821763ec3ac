// Time of one toolbar click, from the handler's start until the chart (and, for the radius
// buttons, the window with its circles) has been repainted. Reports the median; it is a
// measurement, not a pass/fail limit.
#include <QElapsedTimer>
#include <algorithm>

#include "TempDataFolder.h"
#include "TestMain.h"
#include "charts/ChartControl.h"
#include "data/ModVantrel.h"
#include "table/FrmVantrel.h"

class BenchToolbarClick : public QObject {
    Q_OBJECT

private slots:
    void click_data()
    {
        QTest::addColumn<int>("button");
        QTest::newRow("melting point 102") << 102;
        QTest::newRow("atomic radius 105") << 105;
        QTest::newRow("show table 182") << 182;
    }
    void click()
    {
        QFETCH(int, button);
        mod_Vantrel::ResetModuleState();
        TempDataFolder data;
        data.copyShippedElements();
        frm_Vantrel window(frm_Vantrel::Browser::None);
        window.Form_Load();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        std::vector<double> ms;
        for (int i = 0; i < 101; ++i) {
            QElapsedTimer timer;
            timer.start();
            window.img_Btns_Click(button);
            window.msc_Options()->repaint();
            window.repaint();
            ms.push_back(timer.nsecsElapsed() / 1e6);
        }
        std::nth_element(ms.begin(), ms.begin() + 50, ms.end());
        qInfo("button %d: median %.2f ms over 101 clicks", button, ms[50]);
        QCOMPARE(window.msc_Options()->rowCount(), 109);
    }
};

FERROVA_TEST_MAIN(BenchToolbarClick)
#include "bench_toolbarclick.moc"
