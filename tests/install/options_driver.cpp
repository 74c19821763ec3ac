// Drives the options dialog of a main window started over the given program folder, as the
// program itself starts it, for the package test (deb_package.sh):
//   options_driver save <program folder>   picks white and orange circles, the chart window
//                                          and group colouring, and clicks the save button
//   options_driver show <program folder>   prints the four settings as the dialog shows
//                                          them after the start, one a line
// Every message box goes to stderr instead; any message makes the exit status 1.

#include <QApplication>
#include <QComboBox>
#include <QRadioButton>
#include <QTest>
#include <cstdio>

#include "files/DataError.h"
#include "files/DataFiles.h"
#include "files/ModVantrel.h"
#include "files/SettingsLocation.h"
#include "mainwindow/FrmVantrel.h"
#include "options/FrmOptions.h"
#include "widgets/Commands.h"
#include "widgets/Dialogs.h"
#include "widgets/ImageButtons.h"

using namespace mod_Vantrel;

namespace {

// An image button as a user works it: the pointer over the normal picture shows the
// highlight picture, which takes the click.
template <typename Window>
void press(Window &window, int command)
{
    window.img_Btns_MouseMove(command - ButtonPictures::kHighlight);
    QTest::mouseClick(window.img_Btns().image(command), Qt::LeftButton);
}

}  // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("ferrova-periodic"));  // as main.cpp
    const QStringList args = QApplication::arguments();
    if (args.size() != 3 ||
        (args[1] != QLatin1String("save") && args[1] != QLatin1String("show"))) {
        std::fprintf(stderr, "usage: options_driver save|show <program folder>\n");
        return 2;
    }
    DataFiles::setProgramFolder(args[2]);

    int messages = 0;
    Dialogs::Hooks hooks;
    hooks.message = [&](const QString &text, const QString &title) {
        std::fprintf(stderr, "%s: %s\n", qPrintable(title), qPrintable(text));
        ++messages;
    };
    hooks.askYesNo = [&](const QString &text, const QString &title) {
        hooks.message(text, title);
        return Dialogs::kNo;
    };
    hooks.endProgram = [] { std::exit(1); };
    Dialogs::setHooks(&hooks);

    frm_Vantrel window(frm_Vantrel::Browser::None);
    try {
        window.Form_Load();
    } catch (const DataError &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    window.show();
    press(window, Command::OpenOptions);
    frm_Options *options = window.optionsWindow();
    if (!options) {
        std::fprintf(stderr, "the options button opened no dialog\n");
        return 1;
    }
    if (args[1] == QLatin1String("show")) {
        std::printf("%s\n%s\n%d\n%d\n", options->cmb_Color(0)->currentText().toUtf8().constData(),
                    options->cmb_Color(1)->currentText().toUtf8().constData(),
                    int(options->opt_ChartWindows(1)->isChecked()),
                    int(options->opt_ElementGroup(1)->isChecked()));
        return messages ? 1 : 0;
    }
    options->cmb_Color(0)->setEditText(QStringLiteral("白色"));
    options->cmb_Color(1)->setEditText(QStringLiteral("橙色"));
    options->opt_ChartWindows(1)->click();
    options->opt_ElementGroup(1)->click();
    press(*options, Command::SaveSettings);
    // The file written is the one the next start reads.
    std::printf("%s\n", qPrintable(SettingsLocation::fileToRead(SettingsLocation::userFile(),
                                                                SettingsLocation::programFile())));
    return messages ? 1 : 0;
}
