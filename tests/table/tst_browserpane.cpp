// The browser pane: one navigate request at load, and the built-in page when the product
// site cannot be reached (this machine has no network, like many classrooms).
#include <QSignalSpy>
#include <QWebEngineView>

#include "TempDataFolder.h"
#include "TestMain.h"
#include "data/ModVantrel.h"
#include "table/BrowserPane.h"
#include "table/FrmVantrel.h"

class TestBrowserPane : public QObject {
    Q_OBJECT

private slots:
    void offlinePageIsBuiltIn()
    {
        const QString page = BrowserPane::offlinePage();
        QVERIFY(page.contains(QStringLiteral("Ferrova元素周期表")));
        QVERIFY(page.contains(QStringLiteral("版本 1.0")));
        QVERIFY(page.contains(QStringLiteral("数据来源")));
    }

    void loadNavigatesAndFallsBack()
    {
        mod_Vantrel::ResetModuleState();
        TempDataFolder data;
        data.copyShippedElements();
        frm_Vantrel window(frm_Vantrel::Browser::Shown);
        QSignalSpy started(window.WebBrowser1(), &QWebEngineView::loadStarted);
        window.Form_Load();  // does not wait for the page
        auto *pane = static_cast<BrowserPane *>(window.WebBrowser1());
        QCOMPARE(pane->requestedUrl(), QUrl(frm_Vantrel::kProductPage));
        QCOMPARE(pane->geometry(), QRect(592, 0, 201, 553));
        QTRY_VERIFY_WITH_TIMEOUT(pane->showsOfflinePage(), 60000);
        QVERIFY(started.count() >= 1);
    }
};

FERROVA_TEST_MAIN(TestBrowserPane)
#include "tst_browserpane.moc"
