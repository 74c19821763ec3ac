#include "ChartActions.h"

#include "ChartBuilder.h"
#include "ChartControl.h"
#include "ChartExport.h"
#include "app/AppState.h"
#include "elements/ChartProperties.h"
#include "properties/PropertyCharts.h"
#include "widgets/Dialogs.h"
#include "widgets/PictureFiles.h"
#include "widgets/SaveDialogs.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <algorithm>

using ChartProperties::TemperatureUnit;

namespace {

const QKeyCombination kShiftF10(Qt::ShiftModifier, Qt::Key_F10);

// The name a saved file starts with: the property's, "熔点" for instance.
QString fileBaseName(const ChartControl &chart)
{
    return chart.property() ? QString::fromUtf8(chart.property()->name) : QStringLiteral("曲线图");
}

}  // namespace

ChartActions::ChartActions(ChartControl *chart) : QObject(chart), m_chart(chart)
{
    addAction(QStringLiteral("复制数据"), &ChartActions::copyData)->setShortcut(QKeySequence::Copy);
    addAction(QStringLiteral("复制图片"), &ChartActions::copyPicture);
    addAction(QStringLiteral("保存图片…"), &ChartActions::savePicture)
        ->setShortcut(QKeySequence::Save);
    addAction(QStringLiteral("导出数据…"), &ChartActions::exportData);
    addAction(QStringLiteral("打印…"), &ChartActions::print)->setShortcut(QKeySequence::Print);

    auto *units = new QActionGroup(this);
    m_kelvin = units->addAction(QStringLiteral("温度以开尔文 (K) 表示"));
    m_celsius = units->addAction(QStringLiteral("温度以摄氏度 (°C) 表示"));
    for (QAction *action : {m_kelvin, m_celsius}) {
        action->setCheckable(true);
        connect(action, &QAction::triggered, this, &ChartActions::chooseUnit);
    }

    m_other = new QAction(QStringLiteral("其他性质…"), this);
    connect(m_other, &QAction::triggered, this,
            [this] { Dialogs::runHandler(m_chart->window(), [this] { chooseOtherProperty(); }); });
    m_chart->installEventFilter(this);
}

void ChartActions::followUnit(AppState &app)
{
    m_app = &app;
    m_chart->setTemperatureUnit(app.temperatureUnit());
    connect(&app, &AppState::temperatureUnitChanged, m_chart,
            [this](TemperatureUnit unit) { m_chart->setTemperatureUnit(unit); });
}

ChartActions *ChartActions::of(const ChartControl &chart)
{
    return chart.findChild<ChartActions *>(QString(), Qt::FindDirectChildrenOnly);
}

void ChartActions::listenOn(QWidget *widget)
{
    widget->installEventFilter(this);
}

QAction *ChartActions::addAction(const QString &text, void (ChartActions::*run)())
{
    auto *action = new QAction(text, this);
    // The keys are this object's own (eventFilter): shortcuts of the toolkit would be
    // ambiguous with the main window's.
    action->setShortcutContext(Qt::WidgetShortcut);
    connect(action, &QAction::triggered, this, [this, run] {
        Dialogs::runHandler(m_chart->window(), [this, run] { (this->*run)(); });
    });
    m_actions.append(action);
    return action;
}

void ChartActions::updateActions()
{
    const bool hasRows = m_chart->rowCount() > 0;
    for (QAction *action : qAsConst(m_actions)) action->setEnabled(hasRows);
    const bool temperature = ChartProperties::isTemperature(m_chart->chartProperty()) ||
                             PropertyCharts::isTemperature(m_chart->chartProperty());
    m_kelvin->setVisible(temperature);
    m_celsius->setVisible(temperature);
    const bool celsius = m_chart->temperatureUnit() == TemperatureUnit::Celsius;
    (celsius ? m_celsius : m_kelvin)->setChecked(true);
}

QMenu *ChartActions::menu(QWidget *parent)
{
    updateActions();
    auto *menu = new QMenu(parent);
    menu->addActions(m_actions);
    menu->addSeparator();
    menu->addAction(m_kelvin);
    menu->addAction(m_celsius);
    menu->addSeparator();
    menu->addAction(m_other);
    return menu;
}

void ChartActions::showMenu(const QPoint &globalPos)
{
    QMenu *shown = menu(m_chart);
    shown->setAttribute(Qt::WA_DeleteOnClose);
    shown->popup(globalPos);
}

// The middle of what the frame shows of the chart.
QPoint ChartActions::keyboardMenuPos() const
{
    return m_chart->mapToGlobal(m_chart->rect().marginsRemoved(ChartControl::frameCrop()).center());
}

QAction *ChartActions::actionForKey(const QKeyCombination &key) const
{
    for (QAction *action : m_actions)
        if (!action->shortcut().isEmpty() && action->shortcut() == QKeySequence(key)) return action;
    return nullptr;
}

bool ChartActions::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
        case QEvent::ContextMenu: {
            const auto *menuEvent = static_cast<QContextMenuEvent *>(event);
            showMenu(menuEvent->reason() == QContextMenuEvent::Mouse ? menuEvent->globalPos()
                                                                     : keyboardMenuPos());
            return true;
        }
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress: {
            auto *key = static_cast<QKeyEvent *>(event);
            const QKeyCombination combination = key->keyCombination();
            const bool menuKey = combination == kShiftF10 || combination.key() == Qt::Key_Menu;
            QAction *action = actionForKey(combination);
            if (!menuKey && !action) break;
            key->accept();
            if (event->type() == QEvent::ShortcutOverride) return true;
            updateActions();
            if (menuKey)
                showMenu(keyboardMenuPos());
            else if (action->isEnabled())
                action->trigger();
            return true;
        }
        default: break;
    }
    return QObject::eventFilter(watched, event);
}

void ChartActions::copyData()
{
    QApplication::clipboard()->setText(ChartExport::dataText(*m_chart));
}

void ChartActions::copyPicture()
{
    QApplication::clipboard()->setImage(
        ChartExport::image(*m_chart, ChartExport::shownSize(*m_chart), PictureFiles::kSavedScale));
}

void ChartActions::savePicture()
{
    const ChartExport::Format formats[] = {ChartExport::Format::Png, ChartExport::Format::Svg};
    const auto choice =
        SaveDialogs::askFileName(m_chart->window(), QStringLiteral("保存图片"),
                                 SaveDialogs::pictureTypes(), fileBaseName(*m_chart), true);
    if (!choice) return;
    ChartExport::save(*m_chart, choice->path, formats[choice->type],
                      ChartExport::shownSize(*m_chart), PictureFiles::kSavedScale);
}

void ChartActions::exportData()
{
    const QList<SaveDialogs::FileType> types{
        {QStringLiteral("CSV 文件 (*.csv)"), QStringLiteral("csv")}};
    const auto choice = SaveDialogs::askFileName(m_chart->window(), QStringLiteral("导出数据"),
                                                 types, fileBaseName(*m_chart), false);
    if (!choice) return;
    ChartExport::save(*m_chart, choice->path, ChartExport::Format::Csv, QSize());
}

void ChartActions::print()
{
    SaveDialogs::print(m_chart->window(), m_chart->title(), [this](QPagedPaintDevice &device) {
        return ChartExport::paintPage(*m_chart, device, ChartExport::shownSize(*m_chart));
    });
}

void ChartActions::chooseUnit()
{
    const TemperatureUnit unit =
        m_celsius->isChecked() ? TemperatureUnit::Celsius : TemperatureUnit::Kelvin;
    if (!m_app) {
        m_chart->setTemperatureUnit(unit);
        return;
    }
    Dialogs::runHandler(m_chart->window(), [this, unit] { m_app->setTemperatureUnit(unit); });
}

// The catalogue's labels in a list; the chosen one is charted here, the data read as the
// nine toolbar properties are (ChartBuilder::fill).
void ChartActions::chooseOtherProperty()
{
    const QStringList titles = PropertyCharts::titles();
    const int current = std::max(0, m_chart->chartProperty() - PropertyCharts::kFirst);
    bool chosen = false;
    const QString title = QInputDialog::getItem(
        m_chart->window(), QStringLiteral("其他性质"), QStringLiteral("性质(&P)："), titles,
        current < titles.size() ? current : 0, false, &chosen);
    if (!chosen) return;
    ChartBuilder::fill(*m_chart, qint16(PropertyCharts::kFirst + titles.indexOf(title)));
    m_chart->setFocus(Qt::OtherFocusReason);
}
