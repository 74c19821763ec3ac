// The grid coloured by a property from the tool window "按性质着色", over the shipped element
// file, with the temperature view open as well, and the grid exactly as before once closed.
#include <QListWidget>
#include <QPointer>

#include "MainWindowHarness.h"
#include "TestMain.h"
#include "colouringwindow/CellColouring.h"
#include "colouringwindow/ColouringWindow.h"
#include "grid/ElementCell.h"
#include "temperature/TemperatureView.h"
#include "temperature/TemperatureWindow.h"

namespace {

QImage picture(QWidget *widget)
{
    return widget->grab().toImage();
}

// A point inside the cell's border and away from its symbol.
QColor groundOf(ElementCell *cell)
{
    return picture(cell).pixelColor(cell->width() - 5, cell->height() - 5);
}

QStringList names(frm_Vantrel &main)
{
    QStringList list;
    for (int n = 1; n <= 109; ++n) list << main.lbl_Elements(n)->accessibleName();
    return list;
}

}  // namespace

class TestColouring : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowHarness> m_h;

private slots:
    void init() { m_h = std::make_unique<MainWindowHarness>(); }
    void cleanup() { m_h.reset(); }

    void colouringOverTemperatureAndBack()
    {
        frm_Vantrel &main = m_h->start();
        main.show();
        main.lbl_Elements_MouseMove(26);  // the hover highlight stays the grid's
        const QImage before = picture(&main.grid());
        const QStringList namesBefore = names(main);
        auto *colouring = main.findChild<CellColouring *>();
        colouring->openWindow();
        QPointer<ColouringWindow> window = colouring->window();
        window->choose(QStringLiteral("melting"));

        ElementCell *iron = main.lbl_Elements(26);
        QCOMPARE(iron->accessibleName(), QStringLiteral("铁 Fe 26，熔点 1811.15 K"));
        QCOMPARE(main.lbl_Elements(2)->accessibleName(), QStringLiteral("氦 He 2，熔点 无数据"));
        QCOMPARE(groundOf(main.lbl_Elements(6)), colouring->background(6));
        QCOMPARE(colouring->background(1), QColor(68, 1, 84));  // hydrogen, the lowest
        QVERIFY(colouring->legend()->lowest.startsWith(QStringLiteral("最低 13.99 K：氢 H")));

        // Temperature takes the symbols, the colouring keeps the grounds.
        main.findChild<TemperatureView *>()->openWindow();
        QPointer<TemperatureWindow> temperature = main.findChild<TemperatureView *>()->window();
        QCOMPARE(groundOf(main.lbl_Elements(6)), colouring->background(6));
        temperature->close();
        window->choose(QString());
        QCOMPARE(picture(&main.grid()), before);
        window->choose(QStringLiteral("density"));
        window->close();
        flushDeletes();
        QVERIFY(!window);
        QCOMPARE(picture(&main.grid()), before);
        QCOMPARE(names(main), namesBefore);
        QCOMPARE(iron->backColour(), QColor(255, 250, 128));
    }
};

FERROVA_TEST_MAIN(TestColouring)
#include "tst_colouring.moc"
