#include "AccessibleFrames.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>

namespace AccessibleFrames {

namespace {

// Asked once for each class up a widget's inheritance that no earlier factory answered, so a
// subclass with an interface of its own never comes here as "QFrame".
QAccessibleInterface *frameFactory(const QString &className, QObject *object)
{
    auto *frame = qobject_cast<QFrame *>(object);
    if (className != QLatin1String("QFrame") || !frame) return nullptr;
    const bool drawn = frame->frameShape() != QFrame::NoFrame;
    return new QAccessibleWidget(frame, drawn ? QAccessible::Pane : QAccessible::Client);
}

}  // namespace

void install()
{
    static const bool installed = (QAccessible::installFactory(frameFactory), true);
    Q_UNUSED(installed);
}

}  // namespace AccessibleFrames
