#include "CardCopy.h"

#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QShortcut>
#include <utility>

#include "DetailsPanel.h"
#include "elements/ElementCard.h"
#include "files/ElementFile.h"
#include "widgets/Dialogs.h"

CardCopy::CardCopy(QWidget *window, DetailsPanel *panel, const QVector<QWidget *> &cells,
                   std::function<int()> keyboardPosition)
    : QObject(window),
      m_window(window),
      m_panel(panel),
      m_keyboardPosition(std::move(keyboardPosition))
{
    m_menu = new QMenu(window);
    m_menu->setObjectName(QStringLiteral("copyMenu"));
    QAction *copyAction = m_menu->addAction(QStringLiteral("复制"));
    copyAction->setShortcut(QKeySequence::Copy);  // shown in the menu; the window's shortcut acts
    connect(copyAction, &QAction::triggered, this, [this] { copyHandled(m_menuElement); });
    auto *shortcut = new QShortcut(QKeySequence::Copy, window);
    connect(shortcut, &QShortcut::activated, this, &CardCopy::copyCurrent);
    panel->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(panel, &QWidget::customContextMenuRequested, this,
            [this](const QPoint &pos) { showMenu(m_panel, pos, m_panel->shownElement()); });
    // First among the commands of each cell's own menu.
    for (int n = 1; n < cells.size(); ++n) {
        QWidget *cell = cells[n];
        auto *copyCell = new QAction(copyAction->text(), cell);
        connect(copyCell, &QAction::triggered, this, [this, n] { copyHandled(n); });
        cell->insertAction(cell->actions().value(0), copyCell);
    }
}

void CardCopy::showMenu(QWidget *over, const QPoint &pos, int atomicNumber)
{
    if (atomicNumber <= 0) return;
    m_menuElement = atomicNumber;
    m_menu->setAccessibleName(QStringLiteral("元素 %1").arg(atomicNumber));
    m_menu->popup(over->mapToGlobal(pos));
    // Its one command at hand, for Enter and for screen readers, which name it at once.
    m_menu->setActiveAction(m_menu->actions().constFirst());
}

void CardCopy::copyCurrent()
{
    copyHandled(m_panel->isVisible() ? m_panel->shownElement() : m_keyboardPosition());
}

void CardCopy::copyHandled(int atomicNumber)
{
    Dialogs::runHandler(m_window, [atomicNumber] { copy(atomicNumber); });
}

void CardCopy::copy(int atomicNumber)
{
    if (const auto record = ElementFile::find(atomicNumber))
        QApplication::clipboard()->setMimeData(ElementCard::mimeData(*record));
}
