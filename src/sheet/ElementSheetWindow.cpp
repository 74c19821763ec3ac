#include "ElementSheetWindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPointer>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "files/ElementFile.h"
#include "properties/ElementSheet.h"
#include "widgets/CopyKey.h"
#include "widgets/Dialogs.h"
#include "widgets/Fonts.h"

namespace {

enum Column { kLabel, kValue, kSource, kColumnCount };
constexpr int kFontPoints = 10;
constexpr int kHeadingPoints = 14;
constexpr QSize kStartSize(640, 720);
constexpr int kValueWidth = 240;

QPointer<ElementSheetWindow> g_window;

QTreeWidgetItem *rowItem(const ElementSheet::Row &row)
{
    auto *item = new QTreeWidgetItem({row.label, row.value, row.source});
    const QString tip = row.label + QLatin1Char(' ') + row.value +
                        (row.about.isEmpty() ? QString() : QLatin1Char('\n') + row.about);
    for (int column = 0; column < kColumnCount; ++column) item->setToolTip(column, tip);
    // A screen reader reads the row's cells one after the other: the first says it all,
    // source and notes included, so the others keep to their own text.
    item->setData(kLabel, Qt::AccessibleTextRole, ElementSheet::speech(row));
    // A leaf: not announced as "expanded" after expandAll.
    item->setFlags(item->flags() | Qt::ItemNeverHasChildren);
    return item;
}

}  // namespace

ElementSheetWindow::ElementSheetWindow(QWidget *owner) : QWidget(owner->window())
{
    setObjectName(QStringLiteral("frm_ElementSheet"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("元素资料"));
    setFont(Fonts::sansSerif(kFontPoints, false));
    m_heading = new QLabel(this);
    m_heading->setFont(Fonts::sansSerif(kHeadingPoints, true));
    m_tree = new QTreeWidget(this);
    m_tree->setColumnCount(kColumnCount);
    m_tree->setHeaderLabels(
        {QStringLiteral("性质"), QStringLiteral("数值"), QStringLiteral("来源")});
    m_tree->setAlternatingRowColors(true);
    m_tree->setUniformRowHeights(true);
    m_tree->setAllColumnsShowFocus(true);
    // The list of every ionisation energy is long: its column keeps a width and elides it
    // (the tooltip and a copy have it whole), so the sources stay in view.
    m_tree->header()->setSectionResizeMode(kLabel, QHeaderView::ResizeToContents);
    m_tree->header()->setSectionResizeMode(kValue, QHeaderView::Interactive);
    m_tree->header()->setStretchLastSection(true);
    m_tree->setColumnWidth(kValue, kValueWidth);
    m_tree->setAccessibleName(windowTitle());
    auto *copyAction = new QAction(QStringLiteral("复制"), this);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WindowShortcut);
    connect(copyAction, &QAction::triggered, this, [this] { copy(); });
    addAction(copyAction);
    m_tree->addAction(copyAction);
    m_tree->setContextMenuPolicy(Qt::ActionsContextMenu);
    CopyKey::takeOver(m_tree, [this] { copy(); });
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_heading);
    layout->addWidget(m_tree);
    resize(kStartSize);
}

ElementSheetWindow *ElementSheetWindow::open(QWidget *owner, int atomicNumber)
{
    if (!g_window) {
        auto *window = new ElementSheetWindow(owner);
        try {
            window->showElement(atomicNumber);
        } catch (...) {
            delete window;
            throw;
        }
        g_window = window;
    } else {
        g_window->showElement(atomicNumber);
    }
    g_window->show();
    g_window->raise();
    g_window->activateWindow();
    g_window->m_tree->setFocus(Qt::OtherFocusReason);
    return g_window;
}

void ElementSheetWindow::follow(int atomicNumber)
{
    if (g_window)
        Dialogs::runHandler(g_window, [atomicNumber] { g_window->showElement(atomicNumber); });
}

ElementSheetWindow *ElementSheetWindow::current()
{
    return g_window;
}

void ElementSheetWindow::showElement(int atomicNumber)
{
    if (atomicNumber <= 0 || atomicNumber == m_element) return;
    const auto record = ElementFile::find(atomicNumber);
    if (!record) return;
    const QList<ElementSheet::Group> groups = ElementSheet::groups(*record);
    m_element = atomicNumber;
    const QString heading =
        QStringLiteral("%1 %2 · %3").arg(record->ElementName, record->Symbol).arg(atomicNumber);
    m_heading->setText(heading);
    m_tree->setAccessibleDescription(heading);
    m_tree->clear();
    for (const ElementSheet::Group &group : groups) {
        auto *top = new QTreeWidgetItem(m_tree, {group.title});
        top->setFirstColumnSpanned(true);
        for (const ElementSheet::Row &row : group.rows) top->addChild(rowItem(row));
    }
    m_tree->expandAll();
    m_tree->setCurrentItem(m_tree->topLevelItem(0)->child(0));
}

void ElementSheetWindow::copy() const
{
    Dialogs::runHandler(const_cast<ElementSheetWindow *>(this), [this] {
        if (const auto record = ElementFile::find(m_element))
            QApplication::clipboard()->setMimeData(ElementSheet::mimeData(*record));
    });
}

void ElementSheetWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}
