#pragma once

class QCoreApplication;

// The toolkit's own texts (context menus, standard dialogs) in Simplified Chinese, like the
// rest of the interface, whatever language the desktop is set to.
namespace ToolkitTranslation {

// Loads Qt's Simplified Chinese catalogues from the Qt installation (Debian package
// qt6-translations-l10n) into `app`. False when the base catalogue is missing; the program
// then runs with the toolkit's English texts, its own texts are Chinese either way.
bool install(QCoreApplication &app);

}  // namespace ToolkitTranslation
