#include "TableExport.h"

#include "data/AtomicSave.h"
#include "widgets/Dialogs.h"
#include "widgets/PictureFiles.h"
#include "widgets/SaveDialogs.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QWidget>

namespace {

const QString kTitle = QStringLiteral("元素周期表");
// Saved pictures have twice the screen's pixels, so they stay sharp in a document.
constexpr qreal kPictureScale = 2;

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

QByteArray TableExport::encode(Format format, qreal scale) const
{
    const QRect area = m_area();
    const PictureFiles::Painting paint = [this, area](QPainter &painter) {
        m_window->render(&painter, QPoint(0, 0), QRegion(area));
    };
    return format == Format::Png ? PictureFiles::png(area.size(), scale, paint)
                                 : PictureFiles::svg(area.size(), kTitle, paint);
}

bool TableExport::paintPage(QPagedPaintDevice &device) const
{
    const QRect area = m_area();
    return PictureFiles::paintFitted(device, area.size(), [this, area](QPainter &painter) {
        m_window->render(&painter, QPoint(0, 0), QRegion(area));
    });
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
    SaveDialogs::print(m_window, kTitle,
                       [this](QPagedPaintDevice &device) { return paintPage(device); });
}

void TableExport::savePicture()
{
    const QList<SaveDialogs::FileType> types{
        {QStringLiteral("PNG 图片 (*.png)"), QStringLiteral("png")},
        {QStringLiteral("SVG 图片 (*.svg)"), QStringLiteral("svg")}};
    const auto choice =
        SaveDialogs::askFileName(m_window, QStringLiteral("保存图片"), types, kTitle, true);
    if (!choice) return;
    const Format format = choice->type == 0 ? Format::Png : Format::Svg;
    AtomicSave::write(choice->path, encode(format, kPictureScale));
}
