#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QMimeData>
#include <QTreeWidget>

#include "WidgetTestMain.h"
#include "sheet/ElementSheetWindow.h"

class TestElementSheet : public QObject {
    Q_OBJECT

private slots:
    void speechAndTooltip_data();
    void speechAndTooltip();
    void copyAndFollow();
    void cleanupTestCase() { delete m_owner; }

private:
    QTreeWidgetItem *row(const QString &label) const;
    QWidget *m_owner = new QWidget;
};

QTreeWidgetItem *TestElementSheet::row(const QString &label) const
{
    const QList<QTreeWidgetItem *> found = ElementSheetWindow::current()->tree()->findItems(
        label, Qt::MatchExactly | Qt::MatchRecursive);
    return found.value(0);
}

// What a screen reader hears on the first cell of a row: the label, the value with its
// unit, the source and the notes; every cell's tooltip says the same on lines of their own.
void TestElementSheet::speechAndTooltip_data()
{
    QTest::addColumn<int>("z");
    QTest::addColumn<QString>("label");
    QTest::addColumn<QString>("spokenStart");
    QTest::addColumn<QString>("spokenPart");
    QTest::newRow("Fe electronegativity") << 26 << "电负性（鲍林）"
                                          << "电负性（鲍林） 1.83，来源："
                                          << "CRC";
    QTest::newRow("Fe thermal conductivity") << 26 << "热导率（25 °C）"
                                             << "热导率（25 °C） 80.4 W/(m·K)，来源："
                                             << "未注明出处";
    QTest::newRow("Fe discovery, note") << 26 << "发现年份"
                                        << "发现年份 无数据，来源：无"
                                        << "注：自古已知";
    QTest::newRow("Fe melting point, element file") << 26 << "熔点"
                                                    << "熔点 1811.15 K（1538 °C），来源："
                                                    << "mendeleev";
    QTest::newRow("Au electronegativity, other value") << 79 << "电负性（鲍林）"
                                                       << "电负性（鲍林） 2.4，"
                                                       << "另一常用值：2.54";
}

void TestElementSheet::speechAndTooltip()
{
    QFETCH(int, z);
    QFETCH(QString, label);
    QFETCH(QString, spokenStart);
    QFETCH(QString, spokenPart);
    ElementSheetWindow::open(m_owner, z);
    QTreeWidgetItem *item = row(label);
    QVERIFY(item);
    const QString spoken = item->data(0, Qt::AccessibleTextRole).toString();
    QVERIFY2(spoken.startsWith(spokenStart), qPrintable(spoken));
    QVERIFY2(spoken.contains(spokenPart), qPrintable(spoken));
    QVERIFY(!spoken.contains(QLatin1Char('\n')));
    for (int column = 0; column < 3; ++column)
        QVERIFY(item->toolTip(column).contains(QStringLiteral("\n来源：")));
}

// Ctrl+C copies the shown element whole, as text and as an HTML table; a choice in the grid
// moves the open window to the new element.
void TestElementSheet::copyAndFollow()
{
    ElementSheetWindow *window = ElementSheetWindow::open(m_owner, 26);
    ElementSheetWindow::follow(29);
    QCOMPARE(window->element(), 29);
    QVERIFY(row(QStringLiteral("晶体结构")));
    QCOMPARE(row(QStringLiteral("晶体结构"))->text(1), QStringLiteral("面心立方"));
    QApplication::clipboard()->clear();
    QAction *copyAction = window->actions().value(0);
    QVERIFY(copyAction);
    QCOMPARE(copyAction->shortcut(), QKeySequence(QKeySequence::Copy));
    copyAction->trigger();
    const QMimeData *copied = QApplication::clipboard()->mimeData();
    QVERIFY(copied);
    QVERIFY(
        copied->text().startsWith(QStringLiteral("铜 Cu\n基本\n  名称 铜 Cu\n  原子序数 29\n")));
    QVERIFY(copied->text().contains(QStringLiteral("\n热学与电学\n")));
    QVERIFY(copied->text().contains(QStringLiteral("\n  电阻率（20 °C） 16.8 nΩ·m\n")));
    QVERIFY(copied->html().startsWith(QStringLiteral("<table")));
    QVERIFY(copied->html().contains(
        QStringLiteral("<td>电阻率（20 °C）</td><td>16.8 nΩ·m</td><td>来源：")));
    window->close();
    QTRY_VERIFY(!ElementSheetWindow::current());
    ElementSheetWindow::follow(30);  // no window: nothing happens
    QVERIFY(!ElementSheetWindow::current());
}

FERROVA_WIDGET_TEST_MAIN(TestElementSheet)
#include "tst_elementsheet.moc"
