#include "Dialogs.h"

#include "files/DataError.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMessageBox>
#include <cstdio>
#include <new>

namespace Dialogs {

namespace {

const Hooks *g_hooks = nullptr;

const QString kErrorTitle = QStringLiteral("Ferrova元素周期表 - 错误");

// The toolkit's catalogue may be missing or give a button a text with an accelerator;
// the boxes' buttons read the same plain Chinese words either way.
void setButtonTexts(QMessageBox &box)
{
    static const struct {
        QMessageBox::StandardButton button;
        const char *text;
    } kTexts[] = {
        {QMessageBox::Yes, "是"},
        {QMessageBox::No, "否"},
        {QMessageBox::Ok, "确定"},
        {QMessageBox::Cancel, "取消"},
    };
    for (const auto &entry : kTexts)
        if (QAbstractButton *button = box.button(entry.button))
            button->setText(QString::fromUtf8(entry.text));
}

}  // namespace

void setHooks(const Hooks *hooks)
{
    g_hooks = hooks;
}

int askYesNo(QWidget *parent, const QString &text, const QString &title)
{
    if (g_hooks && g_hooks->askYesNo) return g_hooks->askYesNo(text, title);
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Yes | QMessageBox::No, parent);
    setButtonTexts(box);
    return box.exec() == QMessageBox::Yes ? kYes : kNo;
}

void message(QWidget *parent, const QString &text, const QString &title)
{
    if (g_hooks && g_hooks->message) return g_hooks->message(text, title);
    QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    setButtonTexts(box);
    box.exec();
}

void showError(QWidget *parent, const DataError &error)
{
    std::fprintf(stderr, "%s\n", qPrintable(error.message()));
    message(parent, error.message(), kErrorTitle);
}

void endProgram()
{
    if (g_hooks && g_hooks->endProgram) return g_hooks->endProgram();
    QCoreApplication::exit(0);
}

void runHandler(QWidget *parent, const std::function<void()> &handler)
{
    try {
        handler();
    } catch (const DataError &error) {
        showError(parent, error);
    } catch (const std::bad_alloc &error) {
        std::fprintf(stderr, "%s\n", error.what());
        message(parent, QStringLiteral("操作未能完成：内存不足。请关闭其他程序后再试。"),
                kErrorTitle);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        message(parent, QStringLiteral("操作未能完成：%1").arg(QString::fromUtf8(error.what())),
                kErrorTitle);
    }
}

}  // namespace Dialogs
