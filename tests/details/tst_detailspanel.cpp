#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <memory>

#include "TestMain.h"
#include "details/DetailsPanel.h"
#include "files/ModVantrel.h"
#include "widgets/Twips.h"

namespace {

// The record and symbol colour the panel is shown with, as the main window passes them.
mod_Vantrel::ElementRecordType shownRecord;
qint32 symbolColour = 0;

// Oxidation states and the four shells as "text,count" pairs.
void fillRecord(const QString &symbol, const QString &stable, const QString &other,
                const QStringList &shells)
{
    mod_Vantrel::ElementRecordType &r = shownRecord;
    r.AtomicNumber = 20;
    r.AtomicWeight = 1.00794f;
    r.BoilingPoint = 20.28f;
    r.Density = 0.0000899f;
    r.Symbol = r.ElementName = symbol;
    r.StableOxidationStates = stable;
    r.OxidationStates = other;
    QString *texts[] = {&r.EConfigText1, &r.EConfigText2, &r.EConfigText3, &r.EConfigText4};
    qint16 *counts[] = {&r.EConfigCount1, &r.EConfigCount2, &r.EConfigCount3, &r.EConfigCount4};
    for (int i = 0; i < 4; ++i) {
        *texts[i] = shells[i].section(',', 0, 0);
        *counts[i] = qint16(shells[i].section(',', 1).toInt());
    }
}

void fillHydrogen()
{
    fillRecord("H", "1", "-1", {"1s,1", ",0", ",0", ",0"});
}
void fillLithium()
{
    fillRecord("Li", "1", "-", {"1s,2", "2s,1", ",0", ",0"});
}

}  // namespace

class TestDetailsPanel : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup() { m_window.reset(); }
    void showPlacesAndFills_data();
    void showPlacesAndFills();
    void secondFillReplacesEverything();
    void closeHidesAndKeepsTexts_data();
    void closeHidesAndKeepsTexts();
    void oxidationStates_data();
    void oxidationStates();
    void electronConfig_data();
    void electronConfig();
    void toolTipsTellSourceAndConditions_data();
    void toolTipsTellSourceAndConditions();

private:
    QList<QLabel *> labels() const { return m_panel->findChildren<QLabel *>(); }
    QLabel *label(const QString &name) const { return m_panel->findChild<QLabel *>(name); }
    QLabel *shell(int i) const { return label(QStringLiteral("lbl_EConfig%1").arg(i)); }

    std::unique_ptr<QWidget> m_window;
    DetailsPanel *m_panel = nullptr;
};

void TestDetailsPanel::init()
{
    shownRecord = mod_Vantrel::ElementRecordType();
    symbolColour = 0;
    m_window = std::make_unique<QWidget>();
    m_window->resize(807, 563);
    m_panel = new DetailsPanel(m_window.get());
    m_window->show();
    QVERIFY(m_panel->isHidden());
    for (QLabel *l : labels()) QCOMPARE(l->text(), QStringLiteral(" "));
}

void TestDetailsPanel::showPlacesAndFills_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("text");
    QTest::newRow("number") << "lbl_AtomicNumber"
                            << "20";
    QTest::newRow("weight keeps its digits") << "lbl_AtomicWeight"
                                             << "1.00794";
    QTest::newRow("small density") << "lbl_Density"
                                   << "8.99E-05";
    QTest::newRow("symbol") << "lbl_ElementSymbol"
                            << "Li";
    QTest::newRow("no other states") << "lbl_Oxidation"
                                     << "";
}

void TestDetailsPanel::showPlacesAndFills()
{
    fillLithium();
    symbolColour = 0xC08040;  // red in the low byte
    m_panel->ShowpicElements(shownRecord, symbolColour);
    QVERIFY(m_panel->isVisible());
    QCOMPARE(m_panel->geometry(), Twips::rect(3285, 1320, 2865, 2775));
    QCOMPARE(label("lbl_ElementSymbol")->palette().color(QPalette::WindowText),
             QColor(0x40, 0x80, 0xC0));
    QFETCH(QString, name);
    QTEST(label(name)->text(), "text");
}

// Filling in place must leave no trace of the element shown before.
void TestDetailsPanel::secondFillReplacesEverything()
{
    fillHydrogen();
    m_panel->ShowpicElements(shownRecord, symbolColour);
    QCOMPARE(shell(2)->text(), QString());
    fillLithium();
    m_panel->ShowpicElements(shownRecord, symbolColour);
    DetailsPanel fresh(m_window.get());
    fillLithium();
    fresh.ShowpicElements(shownRecord, symbolColour);
    for (QLabel *l : labels()) {
        const QLabel *expected = fresh.findChild<QLabel *>(l->objectName());
        QCOMPARE(l->text(), expected->text());
        QCOMPARE(l->geometry(), expected->geometry());
    }
    QCOMPARE(shell(2)->text(), QStringLiteral("2s"));
}

void TestDetailsPanel::closeHidesAndKeepsTexts_data()
{
    QTest::addColumn<int>("how");
    QTest::newRow("mouse") << 0;
    QTest::newRow("keyboard") << 1;
    QTest::newRow("screen reader") << 2;
}

void TestDetailsPanel::closeHidesAndKeepsTexts()
{
    QFETCH(int, how);
    fillLithium();
    m_panel->ShowpicElements(shownRecord, symbolColour);
    QStringList shown;
    for (QLabel *l : labels()) shown << l->text();
    auto *close = m_panel->findChild<QAbstractButton *>("img_Close");
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(close);
    QCOMPARE(reader->role(), QAccessible::Button);
    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("关闭窗口"));
    close->setFocus();
    if (how == 0) QTest::mouseClick(close, Qt::LeftButton);
    if (how == 1) QTest::keyClick(close, Qt::Key_Space);
    if (how == 2) reader->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY_WITH_TIMEOUT(m_panel->isHidden(), 2000);
    for (QLabel *l : labels()) QCOMPARE(l->text(), shown.takeFirst());
}

void TestDetailsPanel::oxidationStates_data()
{
    QTest::addColumn<QString>("stable");
    QTest::addColumn<QString>("other");
    QTest::addColumn<double>("left");
    QTest::addColumn<QString>("rests");  // "stable|other" left in the record
    QTest::newRow("list, none") << "2#4"
                                << "-" << 1567.5 << "4|-";
    QTest::newRow("leading #") << "3"
                               << "#5" << 1597.5 << "3|5";
    QTest::newRow("hidden list") << "2#-"
                                 << "1#3" << 1507.5 << "-|3";
}

void TestDetailsPanel::oxidationStates()
{
    QFETCH(QString, stable);
    QFETCH(QString, other);
    QFETCH(double, left);
    fillRecord("Fe", stable, other, {"3d,6", "4s,2", ",0", ",0"});
    m_panel->ShowpicElements(shownRecord, symbolColour);
    const QLabel *stableLabel = label("lbl_OxidationStable");
    QVERIFY(qAbs(Twips::fromPx(stableLabel->x()) - left) <= 15);
    QCOMPARE(DetailsPanel::leftTwips(label("lbl_Oxidation")),
             DetailsPanel::leftTwips(stableLabel) + DetailsPanel::widthTwips(stableLabel));
    const mod_Vantrel::ElementRecordType &r = shownRecord;
    QTEST(r.StableOxidationStates + '|' + r.OxidationStates, "rests");
}

void TestDetailsPanel::electronConfig_data()
{
    QTest::addColumn<QStringList>("shells");
    QTest::addColumn<QStringList>("shown");
    QTest::addColumn<double>("firstLeft");
    QTest::newRow("worked example") << QStringList{"3s,2", "3p,4", "0,0", "0,0"}
                                    << QStringList{"3s", "2", "3p", "4", "", "", "", ""} << 1132.5;
    QTest::newRow("all blank") << QStringList{",0", ",0", ",0", ",0"} << QStringList(8) << 1432.5;
}

void TestDetailsPanel::electronConfig()
{
    QFETCH(QStringList, shells);
    QFETCH(QStringList, shown);
    QFETCH(double, firstLeft);
    fillRecord("Si", "4", "-4", shells);
    m_panel->ShowpicElements(shownRecord, symbolColour);
    QVERIFY(qAbs(Twips::fromPx(shell(0)->x()) - firstLeft) <= 15);
    for (int i = 0; i < 8; ++i) {
        QCOMPARE(shell(i)->text(), shown[i]);
        // Sized to the text; an empty label keeps a pixel so the chain carries on.
        const int advance = shell(i)->fontMetrics().horizontalAdvance(shown[i]);
        QVERIFY(shell(i)->width() >= qMax(advance, 1) && shell(i)->width() <= advance + 2);
        if (i == 0) continue;
        QCOMPARE(DetailsPanel::leftTwips(shell(i)),
                 DetailsPanel::leftTwips(shell(i - 1)) + DetailsPanel::widthTwips(shell(i - 1)));
        if (i % 2) QCOMPARE(Twips::fromPx(shell(i - 1)->y() - shell(i)->y()), 45.0);  // raised
    }
}

void TestDetailsPanel::toolTipsTellSourceAndConditions_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<float>("melting");
    QTest::addColumn<QString>("toolTip");
    QTest::newRow("carbon: °C, triple point, with its source")
        << 6 << 4762.15f
        << "熔点 (K)：4489 °C\n来源：mendeleev 元素数据表（Julia 包 Mendeleev.jl 的数据表，MIT "
           "许可）\n"
           "注：三相点，约 10 MPa 下；常压下石墨不熔化，直接升华";
    QTest::newRow("helium: no value, and why")
        << 2 << 0.0f
        << "熔点 (K)\n来源：无（没有测得的数值）\n注：常压下氦不凝固（约 2.5 MPa 下 0.95 K "
           "才凝固），记为 0";
}

// The first line still names the value; a second fill does not pile lines up.
void TestDetailsPanel::toolTipsTellSourceAndConditions()
{
    QFETCH(int, number);
    QFETCH(float, melting);
    fillLithium();
    mod_Vantrel::ElementRecordType &r = shownRecord;
    r.AtomicNumber = qint16(number);
    r.MeltingPoint = melting;
    for (int i = 0; i < 2; ++i) m_panel->ShowpicElements(r, symbolColour);
    QTEST(label("lbl_MP")->toolTip(), "toolTip");
    QTEST(label("lbl_MP")->accessibleDescription(), "toolTip");
}

FERROVA_TEST_MAIN(TestDetailsPanel)
#include "tst_detailspanel.moc"
