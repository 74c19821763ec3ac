#include "FindField.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "elements/ElementNames.h"
#include "isotopes/IsotopeQuery.h"
#include "widgets/Twips.h"

namespace {

// Over the gap of rows 2 and 3 right of the toolbar, so the grid's first rows stay visible;
// the list hangs down over the grid.
constexpr double kLeft = 2850;
constexpr double kTop = 600;
constexpr double kWidth = 3000;
constexpr int kVisibleRows = 8;
constexpr int kNumberRole = Qt::UserRole;
constexpr int kMassNumberRole = Qt::UserRole + 1;  // a nuclide typed ("C-14"): its isotopes

}  // namespace

// A plain widget, not a frame: screen readers take a frame for a window of its own and
// say nothing of what happens inside while it is not the active one.
FindField::FindField(QWidget *window) : QWidget(window)
{
    setObjectName(QStringLiteral("findField"));
    setAutoFillBackground(true);
    m_edit = new QLineEdit(this);
    m_edit->setAccessibleName(QStringLiteral("查找元素"));
    m_edit->setPlaceholderText(QStringLiteral("名称、拼音、英文名、符号或原子序数"));
    m_edit->setToolTip(QStringLiteral("回车打开所选元素，Esc 关闭"));
    m_list = new QListWidget(this);
    m_list->setAccessibleName(QStringLiteral("找到的元素"));
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(1);
    layout->addWidget(m_edit);
    layout->addWidget(m_list);
    m_edit->installEventFilter(this);
    m_list->installEventFilter(this);
    connect(m_edit, &QLineEdit::textChanged, this, &FindField::updateSuggestions);
    connect(m_list, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { choose(m_list->row(item)); });
    connect(qApp, &QApplication::focusChanged, this,
            [this](QWidget *, QWidget *now) { closeWhenFocusLeaves(now); });
    setGeometry(Twips::rect(kLeft, kTop, kWidth, 0));
    hide();
}

void FindField::reopen()
{
    open(m_edit->text());
    m_edit->selectAll();  // the last search stays at hand; typing replaces it
}

void FindField::open(const QString &text)
{
    if (!isVisible()) m_returnFocus = QApplication::focusWidget();
    show();
    raise();  // over the cells and the details panel
    // The keyboard first, the text after, and no reason for the field to select its text on
    // the way in: a screen reader names the field only when nothing in it moved before.
    m_edit->setFocus(Qt::OtherFocusReason);
    if (m_edit->text() != text) m_edit->setText(text);  // the caret goes to its end
    updateSuggestions();
}

void FindField::dismiss()
{
    hide();
    if (m_returnFocus) m_returnFocus->setFocus(Qt::OtherFocusReason);
}

void FindField::closeWhenFocusLeaves(QWidget *now)
{
    // Another window or no focus at all (a menu, a message box) leaves the field open.
    if (!isVisible() || !now || now->window() != window() || isAncestorOf(now)) return;
    hide();
}

void FindField::updateSuggestions()
{
    m_list->clear();
    if (const auto nuclide = Isotopes::Query::nuclide(m_edit->text())) {
        const ElementNames::Names &names = *ElementNames::find(nuclide->atomicNumber);
        auto *item = new QListWidgetItem(QStringLiteral("%1-%2 的同位素")
                                             .arg(QString::fromUtf8(names.chinese))
                                             .arg(nuclide->massNumber));
        item->setData(kNumberRole, nuclide->atomicNumber);
        item->setData(kMassNumberRole, nuclide->massNumber);
        m_list->addItem(item);
    }
    for (int number : ElementNames::match(m_edit->text())) {
        auto *item = new QListWidgetItem(ElementNames::suggestion(*ElementNames::find(number)));
        item->setData(kNumberRole, number);
        m_list->addItem(item);
    }
    const int found = m_list->count();
    // Enter takes the first suggestion: selected, not current, while the keyboard is in the
    // field, because a list tells screen readers it has the focus whenever its current
    // item changes.
    if (found) m_list->item(0)->setSelected(true);
    QString summary;
    if (found)
        summary = QStringLiteral("找到 %1 个元素").arg(found);
    else if (!m_edit->text().trimmed().isEmpty())
        summary = QStringLiteral("没有这样的元素");
    m_edit->setAccessibleDescription(summary);
    if (!found && !summary.isEmpty()) {
        // Said in the list too, where the eye looks for the answer; it cannot be chosen.
        auto *none = new QListWidgetItem(summary, m_list);
        none->setFlags(Qt::NoItemFlags);
    }
    fitHeight();
}

void FindField::fitHeight()
{
    const int rows = qMin(m_list->count(), kVisibleRows);
    m_list->setVisible(rows > 0);
    const int listHeight = rows ? rows * m_list->sizeHintForRow(0) + 2 * m_list->frameWidth() : 0;
    m_list->setFixedHeight(listHeight);
    resize(width(), m_edit->sizeHint().height() + listHeight + (rows ? 1 : 0));
}

void FindField::choose(int row)
{
    const QListWidgetItem *item = m_list->item(row);
    const int number = item ? item->data(kNumberRole).toInt() : 0;
    if (number == 0) return;  // nothing found: the field stays for the next try
    emit chosen(number);      // the keyboard goes to the grid first, not through the window
    if (const int massNumber = item->data(kMassNumberRole).toInt())
        emit nuclideChosen(number, massNumber);
    hide();
}

bool FindField::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    if (watched == m_edit) return editKey(key);
    if (watched == m_list) return listKey(key);
    return QWidget::eventFilter(watched, event);
}

bool FindField::editKey(const QKeyEvent *key)
{
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: choose(qMax(m_list->currentRow(), 0)); return true;
        case Qt::Key_Escape: dismiss(); return true;
        case Qt::Key_Down:
            if (!m_list->item(0) || !(m_list->item(0)->flags() & Qt::ItemIsEnabled)) return true;
            if (m_list->currentRow() < 0) m_list->setCurrentRow(0);
            m_list->setFocus(Qt::OtherFocusReason);
            // The list says which item is current only when that changes, and here it
            // changed before the list had the keyboard: say it again after the list's own.
            QTimer::singleShot(0, m_list, [this] {
                QAccessibleEvent current(m_list, QAccessible::Focus);
                current.setChild(m_list->currentRow());
                QAccessible::updateAccessibility(&current);
            });
            return true;
        default: return false;
    }
}

bool FindField::listKey(QKeyEvent *key)
{
    switch (key->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: choose(m_list->currentRow()); return true;
        case Qt::Key_Escape: dismiss(); return true;
        case Qt::Key_Up:
            if (m_list->currentRow() > 0) return false;
            m_edit->setFocus(Qt::OtherFocusReason);
            return true;
        default: break;
    }
    const bool typing =
        key->key() == Qt::Key_Backspace || (!key->text().isEmpty() && key->text().at(0).isPrint());
    if (!typing) return false;
    // Typing goes on in the field, wherever the keyboard is.
    m_edit->setFocus(Qt::OtherFocusReason);
    QApplication::sendEvent(m_edit, key);
    return true;
}
