#pragma once

#include <QString>
#include <exception>
#include <functional>

class QWidget;
class DataError;

// Modal message boxes without icon, and the one place where a handler's error ends.
namespace Dialogs {

constexpr int kYes = 6;
constexpr int kNo = 7;

int askYesNo(QWidget *parent, const QString &text, const QString &title);
void message(QWidget *parent, const QString &text, const QString &title);
void showError(QWidget *parent, const DataError &error);
void endProgram();  // ends the program at once, no window's unload step runs

// Tests answer the boxes and see what was shown instead of a modal box popping up.
struct Hooks {
    std::function<int(const QString &text, const QString &title)> askYesNo;
    std::function<void(const QString &text, const QString &title)> message;
    std::function<void()> endProgram;
};
void setHooks(const Hooks *hooks);

// Runs one event handler. An error that reaches here ends the handler, never the program:
// the user sees what went wrong and the handler's files are already closed.
void runHandler(QWidget *parent, const std::function<void()> &handler);

}  // namespace Dialogs
