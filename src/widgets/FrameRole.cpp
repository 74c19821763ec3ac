#include "FrameRole.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFrame>

namespace FrameRole {

namespace {

// Asked for each class of an object from the most derived up: only what is a plain frame
// at its nearest known class gets here, labels and views are taken by their own classes.
QAccessibleInterface *paneForFrame(const QString &className, QObject *object)
{
    if (className != QLatin1String("QFrame") || !object || !object->isWidgetType()) return nullptr;
    return new QAccessibleWidget(static_cast<QWidget *>(object), QAccessible::Pane);
}

}  // namespace

void install()
{
    static const bool installed = (QAccessible::installFactory(paneForFrame), true);
    Q_UNUSED(installed);
}

}  // namespace FrameRole
