#pragma once

#include <functional>

class QWidget;

// Ctrl+C on `view` runs `copy`, ahead of every shortcut. A tool window shares the shortcuts
// of the window it belongs to, so the main window's own Ctrl+C would make the key ambiguous
// there, and then neither copy runs.
namespace CopyKey {

void takeOver(QWidget *view, std::function<void()> copy);

}  // namespace CopyKey
