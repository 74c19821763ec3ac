#include "CopyKey.h"

#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

namespace {

class CopyFilter : public QObject {
public:
    CopyFilter(QWidget *view, std::function<void()> copy) : QObject(view), m_copy(std::move(copy))
    {
        view->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const bool key =
            event->type() == QEvent::ShortcutOverride || event->type() == QEvent::KeyPress;
        if (!key || !static_cast<QKeyEvent *>(event)->matches(QKeySequence::Copy)) return false;
        event->accept();  // the override taken: the key comes here as a key press
        if (event->type() == QEvent::KeyPress) m_copy();
        return true;
    }

private:
    std::function<void()> m_copy;
};

}  // namespace

namespace CopyKey {

void takeOver(QWidget *view, std::function<void()> copy)
{
    new CopyFilter(view, std::move(copy));
}

}  // namespace CopyKey
