#include "IsotopeWindow.h"

#include "IsotopeView.h"
#include "elements/ElementNames.h"
#include "widgets/Dialogs.h"
#include "widgets/Fonts.h"
#include "widgets/Windows.h"

#include <QKeyEvent>
#include <QPointer>
#include <QVBoxLayout>

namespace {

constexpr QSize kFirstSize(760, 520);
constexpr int kMargin = 8;
constexpr double kFontPoints = 9;
const char kWindowName[] = "ferrovaIsotopeWindow";

}  // namespace

IsotopeWindow::IsotopeWindow(QWidget *owner)
    : QWidget(owner->window(), Qt::Window), m_view(new IsotopeView(this))
{
    setObjectName(QString::fromLatin1(kWindowName));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("同位素"));
    setFont(Fonts::withChinese(Fonts::sansSerif(kFontPoints, false)));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    layout->addWidget(m_view);
    resize(kFirstSize);
}

IsotopeWindow *IsotopeWindow::open(QWidget *owner, int atomicNumber, int massNumber)
{
    auto *window = owner->window()->findChild<IsotopeWindow *>(QString::fromLatin1(kWindowName),
                                                               Qt::FindDirectChildrenOnly);
    const bool made = !window;
    if (made) {
        window = new IsotopeWindow(owner);
        // Over the middle of the owner's window, where the eye already is.
        QRect place(QPoint(), window->size());
        place.moveCenter(owner->window()->geometry().center());
        window->move(place.topLeft());
    }
    bool shown = false;
    Dialogs::runHandler(owner, [&] {
        window->m_view->showElement(atomicNumber, massNumber);
        shown = true;
    });
    if (!shown) {
        if (made) window->deleteLater();
        return nullptr;
    }
    const ElementNames::Names *names = ElementNames::find(atomicNumber);
    if (names)
        window->setWindowTitle(
            QStringLiteral("同位素 — %1").arg(QString::fromUtf8(names->chinese)));
    Windows::bringToFront(window);
    window->m_view->setFocus(Qt::OtherFocusReason);
    return window;
}

void IsotopeWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
