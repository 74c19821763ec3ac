// The three windows driven from the keyboard alone, and what screen readers are told.
#include <QtGui/private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>
#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QRadioButton>
#include <QTimer>

#include "MainWindowHarness.h"
#include "TestMain.h"
#include "charts/ChartControl.h"
#include "chartwindow/FrmChart.h"
#include "details/DetailsPanel.h"
#include "files/ModVantrel.h"
#include "grid/ElementCell.h"
#include "grid/FindField.h"
#include "grid/GridKeys.h"
#include "grid/TypeAhead.h"
#include "mainwindow/FrmVantrel.h"
#include "options/FrmOptions.h"
#include "widgets/Commands.h"
#include "widgets/ImageButtons.h"
#include "widgets/ToolbarKeys.h"

using namespace mod_Vantrel;

namespace {

const QColor kYellow(255, 250, 128);

// Accessibility events as a screen reader would receive them: focus moves, by name.
QStringList g_focusEvents;

void recordFocus(QAccessibleEvent *event)
{
    if (event->type() != QAccessible::Focus) return;
    QAccessibleInterface *target = event->accessibleInterface();
    g_focusEvents << (target ? target->text(QAccessible::Name) + QLatin1Char('|') +
                                   target->text(QAccessible::Description)
                             : QStringLiteral("?"));
}

// Keys go where the application sends them: to the window's focus widget.
void press(QWidget *window, Qt::Key key, const QString &text = {})
{
    QWidget *target = window->focusWidget() ? window->focusWidget() : window;
    QTest::sendKeyEvent(QTest::Click, target, key, text, Qt::NoModifier);
}

// Focus changes reach widgets (and screen readers) only in the active window.
bool activate(QWidget *window)
{
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window);
}

void type(QWidget *window, const QString &text)
{
    for (QChar c : text) press(window, Qt::Key(c.toUpper().unicode()), QString(c));
}

}  // namespace

class TestKeyboard : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowHarness> m_h;

    int yellowCell()
    {
        int found = 0;
        for (int n = 1; n <= 109; ++n) {
            ElementCell *cell = m_h->main().lbl_Elements(n);
            if (!cell->isTransparent() && cell->backColour() == kYellow) {
                if (found) return -1;  // more than one
                found = n;
            }
        }
        return found;
    }

    QString panelText(const char *name)
    {
        return m_h->main().pic_Elements()->findChild<QLabel *>(QLatin1String(name))->text();
    }

private slots:
    void init() { m_h = std::make_unique<MainWindowHarness>(); }
    void cleanup()
    {
        m_h.reset();
        QAccessible::installUpdateHandler(nullptr);
        if (QPlatformAccessibility *bridge =
                QGuiApplicationPrivate::platformIntegration()->accessibility())
            bridge->setActive(false);
    }

    // ---- the grid ----

    void moves_data()
    {
        QTest::addColumn<int>("from");  // put there by the mouse
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<int>("to");
        using K = QList<Qt::Key>;
        QTest::newRow("H right over the gap to He") << 1 << K{Qt::Key_Right} << 2;
        QTest::newRow("He left back to H") << 2 << K{Qt::Key_Left} << 1;
        QTest::newRow("B left over the gap to Be") << 5 << K{Qt::Key_Left} << 4;
        QTest::newRow("H down to Li, Na") << 1 << K{Qt::Key_Down, Qt::Key_Down} << 11;
        QTest::newRow("Ba down to Ra") << 56 << K{Qt::Key_Down} << 88;
        QTest::newRow("Ra up to Ba") << 88 << K{Qt::Key_Up} << 56;
        QTest::newRow("Sc down to Y, La, Ac, then no further")
            << 21 << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << 89;
        QTest::newRow("Sc up: nothing above") << 21 << K{Qt::Key_Up} << 21;
        QTest::newRow("Hf down to Rf, Ce, Th")
            << 72 << K{Qt::Key_Down, Qt::Key_Down, Qt::Key_Down} << 90;
        QTest::newRow("Th up to Ce, Rf") << 90 << K{Qt::Key_Up, Qt::Key_Up} << 104;
        QTest::newRow("Pt down over row 7's gap to Gd") << 78 << K{Qt::Key_Down} << 64;
        QTest::newRow("Lu up over the gap to At") << 71 << K{Qt::Key_Up} << 85;
        QTest::newRow("Lu down to Lr") << 71 << K{Qt::Key_Down} << 103;
        QTest::newRow("Ce left: row starts there") << 58 << K{Qt::Key_Left} << 58;
        QTest::newRow("Rn down: nothing below") << 86 << K{Qt::Key_Down} << 86;
        QTest::newRow("Fe home to K") << 26 << K{Qt::Key_Home} << 19;
        QTest::newRow("Fe end to Kr") << 26 << K{Qt::Key_End} << 36;
        QTest::newRow("H end to He, home to H") << 1 << K{Qt::Key_End, Qt::Key_Home} << 1;
        QTest::newRow("Nd end to Lu") << 60 << K{Qt::Key_End} << 71;
        QTest::newRow("Sg home to Fr") << 106 << K{Qt::Key_Home} << 87;
    }
    void moves()
    {
        QFETCH(int, from);
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(int, to);
        frm_Vantrel &w = start();
        w.lbl_Elements_MouseMove(from);  // the mouse moved last: keys go on from there
        for (Qt::Key key : keys) press(&w, key);
        QCOMPARE(w.gridKeys().position(), to);
        QCOMPARE(w.focusWidget(), w.lbl_Elements(to));
        QCOMPARE(m_h->main().grid().HoveredElement(), qint16(to));
        QCOMPARE(yellowCell(), to);
    }

    void startsOnHydrogenAndSharesTheHighlight()
    {
        frm_Vantrel &w = start();
        QCOMPARE(w.focusWidget(), w.lbl_Elements(1));
        QCOMPARE(yellowCell(), 0);  // nothing shows before the first move
        press(&w, Qt::Key_Right);
        QCOMPARE(yellowCell(), 2);
        w.lbl_Elements_MouseMove(26);  // the mouse moved last
        QCOMPARE(yellowCell(), 26);
        press(&w, Qt::Key_Right);
        QCOMPARE(yellowCell(), 27);
        w.Form_MouseMove();  // off the grid: the keyboard's cell goes back to white
        QCOMPARE(yellowCell(), 0);
        QCOMPARE(w.lbl_Elements(27)->backColour(), QColor(Qt::white));
    }

    void groupModeLeftCellTurnsTransparent()
    {
        frm_Vantrel &w = start("1\tElementGroup\r\n");
        press(&w, Qt::Key_Down);
        QVERIFY(!w.lbl_Elements(3)->isTransparent());
        press(&w, Qt::Key_Right);
        QVERIFY(w.lbl_Elements(3)->isTransparent());
        QCOMPARE(yellowCell(), 4);
    }

    void noHighlightInRadiusViewOrWhileWindowsOpen_data()
    {
        QTest::addColumn<int>("situation");
        QTest::newRow("radius view") << 0;
        QTest::newRow("options dialog") << 1;
        QTest::newRow("chart window") << 2;
    }
    void noHighlightInRadiusViewOrWhileWindowsOpen()
    {
        QFETCH(int, situation);
        frm_Vantrel &w = start();
        press(&w, Qt::Key_Right);
        if (situation == 0) w.img_Btns_Click(Command::AtomicRadiusChart);
        if (situation > 0) m_h->openOtherWindow(situation == 1);
        press(&w, Qt::Key_Left);
        QCOMPARE(w.gridKeys().position(), 1);  // the keyboard still moves
        QCOMPARE(m_h->main().grid().HoveredElement(),
                 qint16(2));  // but nothing is highlighted anew
        QVERIFY(w.lbl_Elements(1)->backColour() != kYellow);
        press(&w, Qt::Key_Return);  // the click's own conditions hold
        QCOMPARE(w.pic_Elements()->isVisibleTo(&w), situation == 0);
    }

    void enterAndSpaceClickEscapeCloses_data()
    {
        QTest::addColumn<Qt::Key>("key");
        QTest::newRow("Enter") << Qt::Key_Return;
        QTest::newRow("keypad Enter") << Qt::Key_Enter;
        QTest::newRow("Space") << Qt::Key_Space;
    }
    void enterAndSpaceClickEscapeCloses()
    {
        QFETCH(Qt::Key, key);
        frm_Vantrel &w = start();
        press(&w, Qt::Key_Down);
        press(&w, key);
        QVERIFY(w.pic_Elements()->isVisibleTo(&w));
        QCOMPARE(panelText("lbl_ElementSymbol"), QStringLiteral("Li"));
        // The keyboard goes into the panel, on the symbol that says it all, and back.
        QWidget *symbol = w.pic_Elements()->findChild<QWidget *>("lbl_ElementSymbol");
        QCOMPARE(w.focusWidget(), symbol);
        QVERIFY(symbol->accessibleName().startsWith(QStringLiteral("锂 Li，原子序数 3，")));
        press(&w, Qt::Key_Down);
        QCOMPARE(w.focusWidget()->accessibleName(), QStringLiteral("原子序数 3"));
        press(&w, Qt::Key_Escape);
        QVERIFY(!w.pic_Elements()->isVisibleTo(&w));
        QCOMPARE(w.focusWidget(), w.lbl_Elements(3));
        press(&w, key);  // the same cell again
        QCOMPARE(panelText("lbl_AtomicNumber"), QStringLiteral("3"));
    }

    void typeAhead_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("to");
        QTest::newRow("F") << "F" << 9;
        QTest::newRow("F then e") << "Fe" << 26;
        QTest::newRow("lower case") << "fe" << 26;
        QTest::newRow("2 then 6") << "26" << 26;
        QTest::newRow("three digits") << "109" << 109;
        QTest::newRow("a letter that only begins symbols") << "Z" << 30;
        QTest::newRow("no such number stays") << "0" << 1;
    }
    void typeAhead()
    {
        QFETCH(QString, typed);
        QFETCH(int, to);
        frm_Vantrel &w = start();
        type(&w, typed);
        QCOMPARE(w.gridKeys().position(), to);
        QCOMPARE(w.focusWidget(), w.lbl_Elements(to));
    }

    void typeAheadStartsOverAfterAPause()
    {
        const QVector<TypeAhead::Entry> entries = {
            {1, "H", "氢"}, {2, "He", "氦"}, {9, "F", "氟"}, {26, "Fe", "铁"}, {63, "Eu", "铕"}};
        TypeAhead typeAhead;
        QCOMPARE(typeAhead.type("F", 0, entries), 9);
        QCOMPARE(typeAhead.type("e", TypeAhead::kPauseMs, entries), 26);
        QCOMPARE(typeAhead.type("H", 5000, entries), 1);
        QCOMPARE(typeAhead.type("e", 5000 + TypeAhead::kPauseMs + 1, entries), 63);
        QCOMPARE(TypeAhead::find(QStringLiteral("氦"), entries), 2);
    }

    // ---- finding and copying ----

    void find_data()
    {
        QTest::addColumn<int>("how");  // 0 Ctrl+F and keys, 1 keys on the grid, 2 input method
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("to");  // 0: nothing found, the field stays
        QTest::addColumn<bool>("optionsOpen");
        QTest::newRow("pinyin") << 0 << "wu" << 74 << false;
        QTest::newRow("letters on the grid that name no symbol") << 1 << "wu" << 74 << false;
        QTest::newRow("a key on the grid that fits nothing") << 1 << "Fq" << 0 << false;
        QTest::newRow("Chinese through an input method") << 2 << "钨" << 74 << false;
        QTest::newRow("the click's guards hold") << 0 << "tie" << 26 << true;
    }
    void find()
    {
        QFETCH(int, how);
        QFETCH(QString, typed);
        QFETCH(int, to);
        QFETCH(bool, optionsOpen);
        frm_Vantrel &w = start();
        QVERIFY(activate(&w));
        if (how != 1) QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        if (how == 2) {
            QInputMethodEvent commit;
            commit.setCommitString(typed);
            QApplication::sendEvent(w.focusWidget(), &commit);
        } else {
            type(&w, typed);
        }
        FindField *field = w.findChild<FindField *>();
        QCOMPARE(field->edit()->text(), typed);
        QCOMPARE(w.focusWidget(), field->edit());
        if (optionsOpen) m_h->openOtherWindow(true);
        press(&w, Qt::Key_Return);
        QCOMPARE(field->isVisible(), to == 0);
        if (to == 0) return;
        QCOMPARE(w.gridKeys().position(), to);
        // The keyboard goes where a click sends it: into the panel, or stays on the cell.
        QWidget *symbol = w.pic_Elements()->findChild<QWidget *>("lbl_ElementSymbol");
        QCOMPARE(w.focusWidget(), optionsOpen ? w.lbl_Elements(to) : symbol);
        QCOMPARE(w.pic_Elements()->isVisibleTo(&w), !optionsOpen);
        if (!optionsOpen) QCOMPARE(panelText("lbl_AtomicNumber"), QString::number(to));
    }

    void findListByKeysEscapeReturns()
    {
        frm_Vantrel &w = start();
        QVERIFY(activate(&w));
        QTest::keyClick(&w, Qt::Key_F, Qt::ControlModifier);
        FindField *field = w.findChild<FindField *>();
        type(&w, "xi");
        press(&w, Qt::Key_Down);
        press(&w, Qt::Key_Down);
        QCOMPARE(w.focusWidget(), field->suggestions());
        QCOMPARE(field->suggestions()->currentItem()->text(), "锡 Sn 50 xī tin");
        press(&w, Qt::Key_Escape);
        QVERIFY(!field->isVisible());
        QCOMPARE(w.focusWidget(), w.lbl_Elements(1));
    }

    void copyCard()
    {
        frm_Vantrel &w = start();
        QVERIFY(activate(&w));
        w.lbl_Elements_Click(26);
        QTest::keyClick(&w, Qt::Key_C, Qt::ControlModifier);
        const QMimeData *copied = QApplication::clipboard()->mimeData();
        QVERIFY(copied->text().startsWith("铁 Fe\n原子序数 26\n原子量 55.845\n熔点 1811.15 K"));
        QVERIFY(copied->html().contains("<th colspan=\"2\">铁 Fe</th>"));
        // The menu key on a cell: its menu comes up with 复制 at hand.
        QString active;
        QTimer::singleShot(100, [&] {
            QMenu *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            if (!menu || !menu->activeAction()) return;
            active = menu->activeAction()->text();
            menu->activeAction()->trigger();
            menu->close();
        });
        QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {1, 1},
                                  w.lbl_Elements(8)->mapToGlobal(QPoint(1, 1)));
        QApplication::sendEvent(w.lbl_Elements(8), &menuKey);
        QCOMPARE(active, "复制");
        QVERIFY(QApplication::clipboard()->text().startsWith("氧 O\n原子序数 8\n"));
    }

    // ---- the toolbars ----

    void mainToolbar()
    {
        frm_Vantrel &w = start();
        ImageButtonArray &b = w.img_Btns();
        QVERIFY(activate(&w));
        press(&w, Qt::Key_Right);
        press(&w, Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), b.image(1));
        QVERIFY(b.image(101)->isVisibleTo(&w));  // the highlight shows as on hover
        QCOMPARE(yellowCell(), 2);               // the grid keeps its position meanwhile
        // Reading order: the top row first, then the radius and enthalpy rows.
        const int order[] = {2, 3, 4, 82, 80, 81, 83, 90, 5, 6, 7, 8, 9, 9};
        for (int normal : order) {
            press(&w, Qt::Key_Right);
            QCOMPARE(w.focusWidget(), b.image(normal));
            QVERIFY(b.image(normal + 100)->isVisibleTo(&w));
        }
        QVERIFY(!b.image(101)->isVisibleTo(&w));
        press(&w, Qt::Key_Up);  // 109 lies below 103
        press(&w, Qt::Key_Up);
        QCOMPARE(w.focusWidget(), b.image(3));
        press(&w, Qt::Key_Return);
        QCOMPARE(chartOf(w)->title(), QStringLiteral("沸点 (K)"));
        press(&w, Qt::Key_End);
        press(&w, Qt::Key_Home);
        QCOMPARE(w.focusWidget(), b.image(1));
        press(&w, Qt::Key_Right);  // 102
        press(&w, Qt::Key_Backtab);
        QCOMPARE(w.focusWidget(), w.lbl_Elements(2));
        QVERIFY(!b.image(102)->isVisibleTo(&w));  // leaving takes the highlight along
        press(&w, Qt::Key_Tab);
        QCOMPARE(w.focusWidget(), b.image(2));  // back where it was
        QVERIFY(b.image(102)->isVisibleTo(&w));
    }

    void toolbarCommands_data()
    {
        QTest::addColumn<int>("normal");
        QTest::addColumn<QString>("message");
        QTest::newRow("about") << 83 << "关于|";
        QTest::newRow("exit") << 90 << "退出程序?|你想退出程序吗?";
    }
    void toolbarCommands()
    {
        QFETCH(int, normal);
        QFETCH(QString, message);
        frm_Vantrel &w = start();
        QVERIFY(activate(&w));
        w.toolbarKeys().focusCurrent(Qt::TabFocusReason);
        while (w.toolbarKeys().current() != normal) press(&w, Qt::Key_Right);
        press(&w, Qt::Key_Space);
        QCOMPARE(m_h->messages.size(), 1);
        QVERIFY(m_h->messages.first().startsWith(message));
    }

    void toolbarWhileOptionsOpenGivesNoCommand()
    {
        frm_Vantrel &w = start();
        m_h->openOtherWindow(true);
        w.toolbarKeys().focusCurrent(Qt::TabFocusReason);
        press(&w, Qt::Key_Right);
        press(&w, Qt::Key_Return);  // as a mouse click on the normal image
        QVERIFY(!w.img_Btns().image(102)->isVisibleTo(&w));
        QCOMPARE(chartOf(w)->chartProperty(), 0);  // refilled, but no property chosen
    }

    void chartWindow()
    {
        frm_Vantrel &w = start();
        m_h->setSetting(&Settings::Values::ChartWindowsMode, qint16(1));
        w.img_Btns_Click(Command::ShowChart);
        frm_Chart *chart = chartWindowOf(w);
        QVERIFY(chart);
        QCOMPARE(chart->focusWidget(), chart->img_Btns().image(1));
        press(chart, Qt::Key_Right);
        QVERIFY(chart->img_Btns().image(102)->isVisible());
        press(chart, Qt::Key_Return);
        QCOMPARE(chart->msc_Options()->chartProperty(), 1);
        QCOMPARE(chart->windowTitle(), QStringLiteral("熔点曲线"));
        press(chart, Qt::Key_Tab);  // to the chart and its first bar
        QCOMPARE(chart->focusWidget(), chart->msc_Options()->focusProxy());
        press(chart, Qt::Key_Right);
        QCOMPARE(chart->msc_Options()->markedBar(), 2);
        press(chart, Qt::Key_Backtab);
        press(chart, Qt::Key_End);
        QCOMPARE(chart->focusWidget(), chart->img_Btns().image(80));
        press(chart, Qt::Key_Return);  // the close button
        QVERIFY(!w.chartWindow());
        flushDeletes();
        QVERIFY(!w.chartWindow());
    }

    void optionsDialog_data()
    {
        QTest::addColumn<QList<Qt::Key>>("keys");
        QTest::addColumn<bool>("saved");
        using K = QList<Qt::Key>;
        QTest::newRow("Escape cancels") << K{Qt::Key_Escape} << false;
        QTest::newRow("Enter on save") << K{Qt::Key_Return} << true;
        QTest::newRow("Right to cancel, Space") << K{Qt::Key_Right, Qt::Key_Space} << false;
        QTest::newRow("Right, Left back to save, Enter")
            << K{Qt::Key_Right, Qt::Key_Left, Qt::Key_Return} << true;
    }
    void optionsDialog()
    {
        QFETCH(QList<Qt::Key>, keys);
        QFETCH(bool, saved);
        frm_Vantrel &w = start("0\tElementGroup\r\n");
        w.img_Btns_Click(Command::OpenOptions);
        frm_Options *options = w.optionsWindow();
        QVERIFY(options && activate(options));
        options->opt_ElementGroup(1)->setChecked(true);
        // Tab order goes on from the second colour list to the buttons.
        options->cmb_Color(1)->setFocus();
        press(options, Qt::Key_Tab);
        QCOMPARE(options->focusWidget(), options->img_Btns().image(70));
        QVERIFY(options->img_Btns().image(170)->isVisibleTo(options));
        for (Qt::Key key : keys) press(options, key);
        QVERIFY(!w.optionsWindow());
        QCOMPARE(settingsSeen(w)[3], saved ? 1 : 0);
        QCOMPARE(m_h->data().read(QStringLiteral("settings.prn")).contains("1\tElementGroup"),
                 saved);
    }

    // ---- screen readers ----

    void accessibleNamesAndRoles()
    {
        frm_Vantrel &w = start();
        w.lbl_Elements_Click(26);
        struct Expected {
            QWidget *widget;
            QAccessible::Role role;
            QString name;
            QString description;
        };
        auto *number = w.pic_Elements()->findChild<QLabel *>(QStringLiteral("lbl_AtomicNumber"));
        const Expected expected[] = {
            {w.lbl_Elements(26), QAccessible::Button, "铁 Fe 26", "铁"},
            {w.img_Btns().image(1), QAccessible::Button, "原子量曲线", ""},
            {w.img_Btns().image(190), QAccessible::Button, "退出程序", "退出程序"},
            {number, QAccessible::StaticText, "原子序数 26", "原子序数"},
        };
        for (const Expected &e : expected) {
            QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(e.widget);
            QVERIFY(reader);
            QCOMPARE(reader->role(), e.role);
            QCOMPARE(reader->text(QAccessible::Name), e.name);
            QCOMPARE(reader->text(QAccessible::Description), e.description);
        }
        // A screen reader presses a toolbar button the way the keyboard does.
        QAccessibleInterface *button = QAccessible::queryAccessibleInterface(w.img_Btns().image(4));
        QVERIFY(button->actionInterface());
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(chartOf(w)->chartProperty(), 3);  // density
    }

    void movesAreAnnouncedAsFocus()
    {
        frm_Vantrel &w = start();
        g_focusEvents.clear();
        QAccessible::installUpdateHandler(recordFocus);
        QVERIFY(activate(&w));
        // As when a screen reader is running: only then are accessibility events sent.
        QPlatformAccessibility *bridge =
            QGuiApplicationPrivate::platformIntegration()->accessibility();
        QVERIFY(bridge);
        bridge->setActive(true);
        g_focusEvents.clear();
        type(&w, "Fe");
        press(&w, Qt::Key_Right);
        press(&w, Qt::Key_Tab);
        QCOMPARE(g_focusEvents,
                 QStringList({"氟 F 9|氟", "铁 Fe 26|铁", "钴 Co 27|钴", "原子量曲线|"}));
        QAccessibleInterface *cell = QAccessible::queryAccessibleInterface(w.lbl_Elements(27));
        QVERIFY(cell->state().focusable && !cell->state().focused);
        // Tab goes on to the chart, whose bars are announced one by one, and round.
        press(&w, Qt::Key_Return);
        for (Qt::Key key :
             {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Tab, Qt::Key_Backtab, Qt::Key_Backtab})
            press(&w, key);
        QStringList heard = g_focusEvents.mid(4);
        for (QString &event : heard)  // up to where the value's source is named
            event = event.section(QStringLiteral("来源"), 0, 0).trimmed();
        QCOMPARE(heard, QStringList({"原子量|H 氢: 1.008", "He 氦: 4.002602|", "钴 Co 27|钴",
                                     "原子量|He 氦: 4.002602", "原子量曲线|"}));
        w.img_Btns_Click(Command::ShowChart);  // folds the pane: no chart to Tab to
        press(&w, Qt::Key_Tab);
        QCOMPARE(g_focusEvents.last(), QStringLiteral("钴 Co 27|钴"));
    }

private:
    frm_Vantrel &start(const QByteArray &settings = {}) { return m_h->start(settings); }
};

FERROVA_TEST_MAIN(TestKeyboard)
#include "tst_keyboard.moc"
