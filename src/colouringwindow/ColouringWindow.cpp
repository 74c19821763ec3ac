#include "ColouringWindow.h"

#include "LegendView.h"
#include "widgets/Dialogs.h"
#include "widgets/Fonts.h"

#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

namespace {

constexpr int kKeyRole = Qt::UserRole;
constexpr int kShownRows = 10;

}  // namespace

ColouringWindow::ColouringWindow(QWidget *owner) : QWidget(owner->window())
{
    setObjectName(QStringLiteral("frm_Colouring"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(QStringLiteral("按性质着色"));
    setFont(Fonts::sansSerif(9, false));

    auto *label = new QLabel(QStringLiteral("性质(&P)："), this);
    m_list = new QListWidget(this);
    m_list->setObjectName(QStringLiteral("properties"));
    m_list->setAccessibleName(QStringLiteral("着色的性质"));
    label->setBuddy(m_list);
    m_list->addItem(QStringLiteral("无"));
    for (const PropertyChoice &choice : PropertySource::choices()) {
        auto *item = new QListWidgetItem(choice.label, m_list);
        item->setData(kKeyRole, choice.key);
    }
    m_list->setCurrentRow(0);
    m_list->setMinimumHeight(m_list->sizeHintForRow(0) * kShownRows);
    m_legend = new LegendView(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(label);
    layout->addWidget(m_list, 1);
    layout->addWidget(m_legend);
    connect(m_list, &QListWidget::currentRowChanged, this, &ColouringWindow::apply);
}

void ColouringWindow::choose(const QString &key)
{
    for (int row = 0; row < m_list->count(); ++row)
        if (m_list->item(row)->data(kKeyRole).toString() == key) m_list->setCurrentRow(row);
}

QString ColouringWindow::chosenKey() const
{
    const QListWidgetItem *item = m_list->currentItem();
    return item ? item->data(kKeyRole).toString() : QString();
}

void ColouringWindow::apply()
{
    const QString key = chosenKey();
    if (key.isEmpty()) {
        m_legend->setLegend(std::nullopt);
        emit cleared();
        return;
    }
    // A data file that cannot be read is said in a message; the table keeps what it showed.
    Dialogs::runHandler(this, [this, &key] {
        if (const std::optional<PropertyValues> values = PropertySource::load(key)) {
            m_legend->setLegend(LegendData(*values));
            emit coloured(*values);
        }
    });
}

void ColouringWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape)
        close();
    else
        QWidget::keyPressEvent(event);
}

void ColouringWindow::closeEvent(QCloseEvent *event)
{
    emit closed();
    QWidget::closeEvent(event);
}
