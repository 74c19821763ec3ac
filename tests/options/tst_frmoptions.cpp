// The options dialog opened from the main window: what it shows, what saving writes and
// applies to the grid, leaving without saving, and a save that fails.
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSignalSpy>

#include "MainWindowHarness.h"
#include "TestMain.h"
#include "files/Settings.h"
#include "files/SettingsLocation.h"
#include "grid/ElementCell.h"
#include "mainwindow/FrmVantrel.h"
#include "options/ColourNames.h"
#include "options/FrmOptions.h"
#include "widgets/ButtonPictures.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"
#include "widgets/ImageButtons.h"

namespace {

// Per backdrop and cell: shown or transparent.
QString gridShown(const frm_Vantrel &main)
{
    QString grid;
    for (int i = 0; i <= 6; ++i) grid += main.shp_Group(i)->isHidden() ? '-' : 'S';
    for (int n = 1; n <= 109; ++n) grid += main.lbl_Elements(n)->isTransparent() ? 't' : 'o';
    return grid;
}

QString gridPattern(bool groupsShown)
{
    return QString(7, groupsShown ? 'S' : '-') + QString(109, groupsShown ? 't' : 'o');
}

}  // namespace

class TestFrmOptions : public QObject {
    Q_OBJECT

    std::unique_ptr<MainWindowHarness> m_h;
    frm_Vantrel *m_main = nullptr;

    // The main window over the shipped data and `settings`, and the options dialog opened
    // by its options button.
    frm_Options *open(const QByteArray &settings)
    {
        m_main = &m_h->start(settings);
        // The highlight 181 is what the user clicks
        m_main->img_Btns_MouseMove(ButtonPictures::Options);
        m_main->img_Btns_Click(Command::OpenOptions);
        return m_main->optionsWindow();
    }
    QByteArray savedFile() { return m_h->data().read(QStringLiteral("settings.prn")); }

private slots:
    void init() { m_h = std::make_unique<MainWindowHarness>(); }
    void cleanup()
    {
        m_main = nullptr;
        m_h.reset();
    }

    void colourNames_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<float>("colour");
        QTest::newRow("white") << "白色" << 16777210.0f;
        QTest::newRow("orange") << "橙色" << 33023.0f;
        QTest::newRow("grey") << "灰色" << 15132390.0f;
        QTest::newRow("cyan") << "青色" << 16776960.0f;
        QTest::newRow("yellow") << "黄色" << 65535.0f;
        QTest::newRow("green") << "绿色" << 65280.0f;
    }
    void colourNames()
    {
        QFETCH(QString, name);
        QFETCH(float, colour);
        QCOMPARE(ColourNames::colourOf(name), std::optional<float>(colour));
        QCOMPARE(ColourNames::nameOf(colour), std::optional<QString>(name));
        QCOMPARE(ColourNames::nameOf(colour + 1), std::nullopt);
        QCOMPARE(ColourNames::colourOf(name + QLatin1Char(' ')), std::nullopt);
    }

    void loadShowsSettings_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("atomicText");
        QTest::addColumn<QString>("covalentText");
        QTest::addColumn<int>("chartWindows");
        QTest::addColumn<int>("elementGroup");
        QTest::newRow("orange, white, window, groups")
            << Settings::fileText({33023, 16777210, 1, 1}) << "橙色"
            << "白色" << 1 << 1;
        QTest::newRow("no colour, green, pane, plain")
            << Settings::fileText({0, 65280, 0, 0}) << "Combo1"
            << "绿色" << 0 << 0;
        QTest::newRow("near miss, grey, mode 2, mode -1")
            << Settings::fileText({33024, 15132390, 2, -1}) << "Combo1"
            << "灰色" << 1 << 1;
    }
    void loadShowsSettings()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, atomicText);
        QFETCH(QString, covalentText);
        QFETCH(int, chartWindows);
        QFETCH(int, elementGroup);
        frm_Options *options = open(settings);
        QVERIFY(options && options->isVisible());
        QCOMPARE(options->cmb_Color(0)->currentText(), atomicText);
        QCOMPARE(options->cmb_Color(1)->currentText(), covalentText);
        for (int i = 0; i <= 1; ++i) {
            QComboBox *list = options->cmb_Color(i);
            QStringList items;
            for (int row = 0; row < list->count(); ++row) items << list->itemText(row);
            QCOMPARE(items, ColourNames::listOrder());
        }
        QVERIFY(options->opt_ChartWindows(chartWindows)->isChecked());
        QVERIFY(options->opt_ElementGroup(elementGroup)->isChecked());
        QVERIFY(m_main->otherWindowOpen());  // the grid and toolbar rest
        QVERIFY(m_main->img_Btns().image(Command::OpenOptions)->isHidden());
        QCOMPARE(options->pos(), m_main->pos() + QPoint(33, 33));  // 500 twips
        QVERIFY(m_h->messages.isEmpty());
    }

    void saveColours_data()
    {
        QTest::addColumn<QByteArray>("settings");
        QTest::addColumn<QString>("atomicText");
        QTest::addColumn<QString>("covalentText");
        QTest::addColumn<float>("atomic");
        QTest::addColumn<float>("covalent");
        QTest::addColumn<QByteArray>("firstLines");
        QTest::newRow("green and cyan")
            << Settings::fileText({33023, 16777210, 0, 0}) << "绿色"
            << "青色" << 65280.0f << 16776960.0f
            << QByteArray("65280\tAtomicRadius\r\n1.677696E+07\tCovalentRadius\r\n");
        QTest::newRow("unknown second text keeps its own colour")
            << Settings::fileText({33023, 15132390, 0, 0}) << "绿色"
            << "紫色" << 65280.0f << 15132390.0f
            << QByteArray("65280\tAtomicRadius\r\n1.513239E+07\tCovalentRadius\r\n");
        QTest::newRow("unknown first text keeps its own colour")
            << Settings::fileText({33023, 65280, 0, 0}) << "橙色 "
            << "白色" << 33023.0f << 16777210.0f
            << QByteArray("33023\tAtomicRadius\r\n1.677721E+07\tCovalentRadius\r\n");
        QTest::newRow("Combo1 keeps no colour")
            << Settings::fileText({0, 0, 0, 0}) << "Combo1"
            << "黄色" << 0.0f << 65535.0f
            << QByteArray("0\tAtomicRadius\r\n65535\tCovalentRadius\r\n");
    }
    void saveColours()
    {
        QFETCH(QByteArray, settings);
        QFETCH(QString, atomicText);
        QFETCH(QString, covalentText);
        QFETCH(float, atomic);
        QFETCH(float, covalent);
        QFETCH(QByteArray, firstLines);
        QPointer<frm_Options> options = open(settings);
        options->cmb_Color(0)->setEditText(atomicText);
        options->cmb_Color(1)->setEditText(covalentText);
        options->img_Btns_Click(Command::SaveSettings);
        QCOMPARE(settingsSeen(*m_main).first(2), (QList<double>{atomic, covalent}));
        QVERIFY(savedFile().startsWith(firstLines));
        QVERIFY(!m_main->otherWindowOpen());
        flushDeletes();
        QVERIFY(!options);
        QVERIFY(m_h->messages.isEmpty());
    }

    void saveChartWindows_data()
    {
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("pick");  // -1: leave the choice as loaded
        QTest::addColumn<int>("saved");
        QTest::newRow("pane stays") << 0 << -1 << 0;
        QTest::newRow("window stays") << 1 << -1 << 1;
        QTest::newRow("mode 2 saves as 1") << 2 << -1 << 1;
        QTest::newRow("switch to pane") << 1 << 0 << 0;
        QTest::newRow("switch to window") << 0 << 1 << 1;
    }
    void saveChartWindows()
    {
        QFETCH(int, fileMode);
        QFETCH(int, pick);
        QFETCH(int, saved);
        frm_Options *options = open(Settings::fileText({0, 0, qint16(fileMode), 0}));
        if (pick >= 0) options->opt_ChartWindows(pick)->click();
        QVERIFY(options->opt_ElementGroup(0)->isChecked());  // a group of its own
        options->img_Btns_Click(Command::SaveSettings);
        QCOMPARE(settingsSeen(*m_main)[2], saved);
        QCOMPARE(savedFile(), Settings::fileText({0, 0, qint16(saved), 0}));
    }

    void saveElementGroup_data()
    {
        QTest::addColumn<int>("fileMode");
        QTest::addColumn<int>("pick");
        QTest::newRow("groups on") << 0 << 1;
        QTest::newRow("groups off") << 1 << 0;
        QTest::newRow("groups stay on") << 1 << 1;
    }
    void saveElementGroup()
    {
        QFETCH(int, fileMode);
        QFETCH(int, pick);
        frm_Options *options = open(Settings::fileText({0, 0, 0, qint16(fileMode)}));
        options->opt_ElementGroup(pick)->click();
        options->img_Btns_Click(Command::SaveSettings);
        QCOMPARE(gridShown(*m_main), gridPattern(pick == 1));
        QCOMPARE(settingsSeen(*m_main)[3], pick);
        QVERIFY(savedFile().endsWith(QByteArray::number(pick) + "\tElementGroup\r\n"));
    }

    void elementGroupWaitsForNormalGrid_data()
    {
        QTest::addColumn<int>("fileMode");
        QTest::newRow("asked on") << 0;
        QTest::newRow("asked off") << 1;
    }
    void elementGroupWaitsForNormalGrid()
    {
        QFETCH(int, fileMode);
        frm_Options *options = open(Settings::fileText({0, 0, 0, qint16(fileMode)}));
        options->close();
        flushDeletes();
        // The radius view replaces the normal grid
        m_main->img_Btns_Click(Command::AtomicRadiusChart);
        QVERIFY(!m_main->grid().normalLinesShown());
        m_main->img_Btns_Click(Command::OpenOptions);
        options = m_main->optionsWindow();
        const QString grid = gridShown(*m_main);
        options->opt_ElementGroup(1 - fileMode)->click();
        options->img_Btns_Click(Command::SaveSettings);
        QCOMPARE(gridShown(*m_main), grid);
        QCOMPARE(settingsSeen(*m_main)[3], fileMode);
        QVERIFY(savedFile().endsWith(QByteArray::number(fileMode) + "\tElementGroup\r\n"));
    }

    // Standing alone, the dialog announces the saved group mode, and only while the grid
    // shows normally; the main window's answer is checked above.
    void groupModeSignal_data()
    {
        QTest::addColumn<bool>("normalGrid");
        QTest::addColumn<int>("pick");
        QTest::newRow("groups on") << true << 1;
        QTest::newRow("groups off") << true << 0;
        QTest::newRow("radius view") << false << 1;
    }
    void groupModeSignal()
    {
        QFETCH(bool, normalGrid);
        QFETCH(int, pick);
        frm_Vantrel &w = m_h->start(Settings::fileText({0, 0, 0, qint16(1 - pick)}));
        if (!normalGrid) w.img_Btns_Click(Command::AtomicRadiusChart);
        frm_Options options(m_h->app());
        QSignalSpy saved(&options, &frm_Options::groupModeSaved);
        options.Form_Load();
        options.opt_ElementGroup(pick)->click();
        options.SaveSettings();
        QCOMPARE(saved.count(), normalGrid ? 1 : 0);
        if (normalGrid) QCOMPARE(saved.at(0).at(0).value<qint16>(), qint16(pick));
        QCOMPARE(settingsSeen(w)[3], normalGrid ? pick : 1 - pick);
    }

    void leavingWithoutSaving_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("cancel highlight") << QString::number(Command::CancelOptions);
        QTest::newRow("normal save image") << QString::number(ButtonPictures::Save);
        QTest::newRow("close box") << "close box";
    }
    void leavingWithoutSaving()
    {
        QFETCH(QString, how);
        const QByteArray settings = Settings::fileText({33023, 65280, 0, 1});
        QPointer<frm_Options> options = open(settings);
        const QString before = gridShown(*m_main);
        options->cmb_Color(0)->setEditText(QStringLiteral("白色"));
        options->cmb_Color(1)->setEditText(QStringLiteral("灰色"));
        options->opt_ChartWindows(1)->click();
        options->opt_ElementGroup(0)->click();
        if (how == QLatin1String("close box"))
            QVERIFY(options->close());
        else
            options->img_Btns_Click(how.toInt());
        QVERIFY(!m_main->otherWindowOpen());
        QCOMPARE(gridShown(*m_main), before);
        QCOMPARE(savedFile(), settings);
        flushDeletes();
        QVERIFY(!options);
        QVERIFY(!m_main->optionsWindow());
        QCOMPARE(settingsSeen(*m_main), (QList<double>{33023, 65280, 0, 1}));
    }

    void failedSave_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("settings file is a folder") << "folder";
        QTest::newRow("Data is a file") << "file";
        QTest::newRow("Data folder read-only") << "read-only";
    }
    void failedSave()
    {
        QFETCH(QString, damage);
        const QByteArray settings = Settings::fileText({33023, 65280, 0, 0});
        QPointer<frm_Options> options = open(settings);
        const QString dataFolder = QFileInfo(m_h->data().path(QString())).absolutePath();
        const QString programFolder = QFileInfo(dataFolder).absolutePath();
        if (damage == QLatin1String("folder")) {
            QVERIFY(QFile::remove(m_h->data().path(QStringLiteral("settings.prn"))));
            QVERIFY(QDir(dataFolder).mkdir(QStringLiteral("settings.prn")));
        }
        if (damage == QLatin1String("file")) {
            QVERIFY(QDir(dataFolder).removeRecursively());
            QFile file(dataFolder);
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        if (damage == QLatin1String("read-only")) {
            QFile::setPermissions(dataFolder, QFile::ReadOwner | QFile::ExeOwner);
            QFile probe(dataFolder + QStringLiteral("/probe"));
            if (probe.open(QIODevice::WriteOnly)) {
                probe.remove();
                QFile::setPermissions(dataFolder,
                                      QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
                QSKIP("permissions do not hold for this user");
            }
        }
        // Nor can the save fall back on the user's own file: a file stands where its folder
        // would go.
        const QString userFolder = QFileInfo(SettingsLocation::userFile()).absolutePath();
        QVERIFY(QFile(userFolder).open(QIODevice::WriteOnly));
        const QStringList dataEntries = QDir(dataFolder).entryList(QDir::AllEntries | QDir::Hidden);
        const QStringList programEntries =
            QDir(programFolder).entryList(QDir::AllEntries | QDir::Hidden);

        options->cmb_Color(0)->setEditText(QStringLiteral("黄色"));
        options->opt_ElementGroup(1)->click();
        options->img_Btns_MouseMove(ButtonPictures::Save);
        QTest::mouseClick(options->img_Btns().image(Command::SaveSettings), Qt::LeftButton);

        QCOMPARE(m_h->messages.size(), 1);
        QVERIFY2(m_h->messages[0].contains(QStringLiteral("settings.prn")),
                 qPrintable(m_h->messages[0]));
        QCOMPARE(gridShown(*m_main), gridPattern(true));
        QCOMPARE(QDir(dataFolder).entryList(QDir::AllEntries | QDir::Hidden), dataEntries);
        QCOMPARE(QDir(programFolder).entryList(QDir::AllEntries | QDir::Hidden), programEntries);
        if (damage == QLatin1String("read-only")) {
            QCOMPARE(savedFile(), settings);
            QFile::setPermissions(dataFolder,
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        }
        // Still open, so that the user can try again or cancel.
        flushDeletes();
        QVERIFY(options && options->isVisible());
        QVERIFY(m_main->otherWindowOpen());  // the grid and toolbar rest
        options->img_Btns_Click(Command::CancelOptions);
        QVERIFY(!m_main->otherWindowOpen());
        m_main->img_Btns_MouseMove(ButtonPictures::Options);  // again: what this run applied
        QTest::mouseClick(m_main->img_Btns().image(Command::OpenOptions), Qt::LeftButton);
        QCOMPARE(m_main->optionsWindow()->cmb_Color(0)->currentText(), QStringLiteral("黄色"));
        QVERIFY(m_main->optionsWindow()->opt_ElementGroup(1)->isChecked());
    }

    void hover_data()
    {
        QTest::addColumn<QString>("where");
        QTest::addColumn<bool>("resets");
        QTest::newRow("element group frame, bare") << "group bare" << true;
        QTest::newRow("element group frame, over its label") << "group label" << false;
        QTest::newRow("dialog background") << "dialog" << false;
        QTest::newRow("chart windows frame") << "chart frame" << false;
    }
    void hover()
    {
        QFETCH(QString, where);
        QFETCH(bool, resets);
        frm_Options *options = open(Settings::fileText({0, 0, 0, 0}));
        ImageButtonArray &buttons = options->img_Btns();
        options->img_Btns_MouseMove(ButtonPictures::Cancel);
        options->img_Btns_MouseMove(ButtonPictures::Save);
        QVERIFY(buttons.image(Command::SaveSettings)->isVisible());
        QVERIFY(!buttons.image(Command::CancelOptions)->isVisible());

        QFrame *group = options->fra_ElementGroup();
        if (where == QLatin1String("group bare")) moveMouse(group, QPoint(5, group->height() - 3));
        if (where == QLatin1String("group label"))
            moveMouse(group, options->lbl_Options(6)->geometry().center());
        if (where == QLatin1String("dialog")) moveMouse(options, QPoint(options->width() - 5, 50));
        if (where == QLatin1String("chart frame"))
            moveMouse(options->fra_ChartWindows(), QPoint(5, 5));
        QCOMPARE(buttons.image(Command::SaveSettings)->isVisible(), !resets);
    }
};

FERROVA_TEST_MAIN(TestFrmOptions)
#include "tst_frmoptions.moc"
