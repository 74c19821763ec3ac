// The grid coloured by the state of matter at a temperature typed into the tool window, over
// the shipped element file, and the file's look back when the window closes.
#include <QDoubleSpinBox>
#include <QPointer>

#include "MainWindowHarness.h"
#include "TestMain.h"
#include "grid/ElementCell.h"
#include "temperature/TemperatureView.h"
#include "temperature/TemperatureWindow.h"

namespace {

const QColor kSolid(0, 0, 0), kLiquid(0, 0, 255), kGas(255, 0, 0), kSynthetic(255, 128, 0);

TemperatureWindow *openAt(frm_Vantrel &main, const QString &celsius)
{
    auto *view = main.findChild<TemperatureView *>();
    view->openWindow();
    TemperatureWindow *window = view->window();
    window->temperatureBox()->selectAll();
    QTest::keyClicks(window->temperatureBox(), celsius);
    QTest::keyClick(window->temperatureBox(), Qt::Key_Return);
    return window;
}

}  // namespace

class TestTemperature : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowHarness> m_h;

private slots:
    void init() { m_h = std::make_unique<MainWindowHarness>(); }
    void cleanup() { m_h.reset(); }

    void stateColours_data()
    {
        QTest::addColumn<QString>("celsius");
        QTest::addColumn<int>("number");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("25 °C mercury") << "25" << 80 << kLiquid;
        QTest::newRow("25 °C bromine") << "25" << 35 << kLiquid;
        QTest::newRow("25 °C gallium") << "25" << 31 << kSolid;
        QTest::newRow("30 °C gallium") << "30" << 31 << kLiquid;
        QTest::newRow("30 °C caesium") << "30" << 55 << kLiquid;
        QTest::newRow("2000 °C iron") << "2000" << 26 << kLiquid;
        QTest::newRow("2000 °C tungsten") << "2000" << 74 << kSolid;
        QTest::newRow("2000 °C oxygen") << "2000" << 8 << kGas;
        QTest::newRow("2000 °C unknown keeps file colour") << "2000" << 100 << kSynthetic;
    }
    void stateColours()
    {
        QFETCH(QString, celsius);
        QFETCH(int, number);
        QFETCH(QColor, colour);
        frm_Vantrel &main = m_h->start();
        openAt(main, celsius);
        QCOMPARE(main.lbl_Elements(number)->textColour(), colour);
    }

    void closingRestoresFileLook()
    {
        frm_Vantrel &main = m_h->start();
        QVector<QPair<QColor, QString>> before;
        for (int n = 1; n <= 109; ++n)
            before.append({main.lbl_Elements(n)->textColour(), main.lbl_Elements(n)->toolTip()});
        QPointer<TemperatureWindow> window = openAt(main, "2000");
        QCOMPARE(main.lbl_Elements(100)->toolTip(), before[99].second + "：物态未知");
        main.lbl_Elements_MouseMove(26);  // the hover highlight is not the window's to undo
        window->close();
        flushDeletes();
        QVERIFY(!window);
        for (int n = 1; n <= 109; ++n) {
            QCOMPARE(main.lbl_Elements(n)->textColour(), before[n - 1].first);
            QCOMPARE(main.lbl_Elements(n)->toolTip(), before[n - 1].second);
        }
        QCOMPARE(main.lbl_Elements(26)->backColour(), QColor(255, 250, 128));
    }
};

FERROVA_TEST_MAIN(TestTemperature)
#include "tst_temperature.moc"
