// The tool window "化学式量" over the main window: Ctrl+M opens it ready for typing, the
// result follows the typing, the formula's elements are framed in the grid while it is
// open, the result is copied as text and HTML, and the last formulas are kept.
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QPointer>
#include <QTableWidget>

#include "MainWindowHarness.h"
#include "TestMain.h"
#include "formulawindow/FormulaWindow.h"
#include "grid/ElementCell.h"

class TestFormulaWindow : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowHarness> m_h;

    static FormulaWindow *open(frm_Vantrel &main)
    {
        QTest::keyClick(&main, Qt::Key_M, Qt::ControlModifier);
        return main.findChild<FormulaWindow *>();
    }
    QList<int> marked(frm_Vantrel &main)
    {
        QList<int> numbers;
        for (int n = 1; n <= 109; ++n)
            if (main.lbl_Elements(n)->isMarked()) numbers.append(n);
        return numbers;
    }

private slots:
    void init() { m_h = std::make_unique<MainWindowHarness>(); }
    void cleanup() { m_h.reset(); }

    void typingShowsResultAndMarksCells()
    {
        frm_Vantrel &main = m_h->start();
        main.show();
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        QPointer<FormulaWindow> window = open(main);
        QVERIFY(window);
        QTRY_VERIFY(window->field()->lineEdit()->hasFocus());
        QTest::keyClicks(window->field()->lineEdit(), "CuSO4·5H2O");
        QCOMPARE(window->massLabel()->text(), QStringLiteral("摩尔质量：249.68 ± 0.03 g/mol"));
        QCOMPARE(window->table()->rowCount(), 4);
        QCOMPARE(marked(main), (QList<int>{1, 8, 16, 29}));
        QVERIFY(window->field()->lineEdit()->accessibleDescription().contains("铜 1 个，25.45%"));

        window->copy();
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->text().startsWith("化学式\tCuSO4·5H2O\n摩尔质量\t249.68"));
        QVERIFY(copied->html().contains("<td>铜 Cu</td><td>1</td>"));

        QTest::keyClicks(window->field()->lineEdit(), "Xx");
        QVERIFY(window->massLabel()->text().startsWith("第 11 个字符：没有元素 'Xx'"));
        QCOMPARE(window->table()->rowCount(), 0);
        QVERIFY(marked(main).isEmpty());

        QTest::keyClick(window->field()->lineEdit(), Qt::Key_Backspace);
        QTest::keyClick(window->field()->lineEdit(), Qt::Key_Backspace);
        window->close();
        flushDeletes();
        QVERIFY(marked(main).isEmpty());
        // Opened again, it offers the last formula, whole and selected.
        main.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&main));
        window = open(main);
        QVERIFY(window);
        QCOMPARE(window->formula(), QStringLiteral("CuSO4·5H2O"));
        QCOMPARE(window->field()->lineEdit()->selectedText(), window->formula());
        QCOMPARE(marked(main), (QList<int>{1, 8, 16, 29}));
    }
};

FERROVA_TEST_MAIN(TestFormulaWindow)
#include "tst_formulawindow.moc"
