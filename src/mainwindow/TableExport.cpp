#include "TableExport.h"

#include "chartplugin/ChartPlugin.h"
#include "colouringwindow/CellColouring.h"
#include "colouringwindow/TablePicture.h"
#include "plugins/Plugins.h"
#include "widgets/Dialogs.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QWidget>

namespace {

const QString kTitle = QStringLiteral("元素周期表");

}  // namespace

TableExport::TableExport(QWidget *window, std::function<QRect()> area)
    : QObject(window), m_window(window), m_area(std::move(area))
{
    m_print = new QAction(QStringLiteral("打印…"), window);
    m_print->setShortcut(QKeySequence::Print);
    m_save = new QAction(QStringLiteral("保存图片…"), window);
    m_save->setShortcut(QKeySequence::Save);
    for (QAction *action : {m_print, m_save}) {
        action->setShortcutContext(Qt::WindowShortcut);
        window->addAction(action);
    }
    const auto handled = [this](void (TableExport::*run)()) {
        return [this, run] { Dialogs::runHandler(m_window, [this, run] { (this->*run)(); }); };
    };
    connect(m_print, &QAction::triggered, this, handled(&TableExport::print));
    connect(m_save, &QAction::triggered, this, handled(&TableExport::savePicture));
    window->installEventFilter(this);
}

// The window draws itself: group colours, circles and the open chart pane as shown.
void TableExport::paint(QPainter &painter) const
{
    m_window->render(&painter, QPoint(0, 0), QRegion(m_area()));
    if (const LegendData *shown = legend())
        TablePicture::paintLegend(painter, m_area().size(), *shown,
                                  m_window->palette().color(QPalette::Window));
}

// The legend of the colouring the table shows, drawn under it; null without one.
const LegendData *TableExport::legend() const
{
    const auto *colouring = m_window->findChild<CellColouring *>();
    return colouring ? colouring->legend() : nullptr;
}

QSize TableExport::pictureSize() const
{
    return TablePicture::withLegend(m_area().size(), legend());
}

ChartPlugin *TableExport::output() const
{
    QString problem;
    ChartPlugin *plugin = Plugins::charts(&problem);
    if (!plugin)
        Dialogs::message(m_window, Plugins::chartsMissingText(problem), QStringLiteral("图片"));
    return plugin;
}

QMenu *TableExport::menu(QWidget *parent) const
{
    auto *menu = new QMenu(parent);
    menu->addActions({m_print, m_save});
    return menu;
}

// Right click on the window's own surface or on a part that has no menu of its own.
bool TableExport::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_window || event->type() != QEvent::ContextMenu)
        return QObject::eventFilter(watched, event);
    QMenu *shown = menu(m_window);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->popup(static_cast<QContextMenuEvent *>(event)->globalPos());
    return true;
}

void TableExport::print()
{
    if (ChartPlugin *plugin = output())
        plugin->printPicture(m_window, kTitle, pictureSize(),
                             [this](QPainter &painter) { paint(painter); });
}

void TableExport::savePicture()
{
    if (ChartPlugin *plugin = output())
        plugin->savePicture(m_window, kTitle, pictureSize(),
                            [this](QPainter &painter) { paint(painter); });
}
