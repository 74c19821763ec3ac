#include "IsotopeView.h"

#include "IsotopeModel.h"
#include "elements/ElementNames.h"
#include "files/AtomicSave.h"
#include "files/Csv.h"
#include "isotopes/IsotopeData.h"
#include "widgets/CopyKey.h"
#include "widgets/Dialogs.h"
#include "widgets/SaveDialogs.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QSortFilterProxyModel>
#include <QTableView>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QString htmlTable(const QList<QStringList> &rows)
{
    QString html = QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">");
    for (int r = 0; r < rows.size(); ++r) {
        const QLatin1String cell(r == 0 ? "th" : "td");
        html += QStringLiteral("<tr>");
        for (const QString &text : rows[r])
            html += QStringLiteral("<%1>%2</%1>").arg(cell, text.toHtmlEscaped());
        html += QStringLiteral("</tr>");
    }
    return html + QStringLiteral("</table>");
}

QString elementName(int atomicNumber)
{
    const ElementNames::Names *names = ElementNames::find(atomicNumber);
    return names ? QString::fromUtf8(names->chinese) : QString();
}

}  // namespace

IsotopeView::IsotopeView(QWidget *parent)
    : QWidget(parent),
      m_count(new QLabel(this)),
      m_table(new QTableView(this)),
      m_model(new IsotopeModel(this)),
      m_sorted(new QSortFilterProxyModel(this))
{
    m_sorted->setSourceModel(m_model);
    m_sorted->setSortRole(IsotopeModel::kSortRole);
    m_table->setModel(m_sorted);
    m_table->setSortingEnabled(true);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setTabKeyNavigation(false);  // Tab leaves the table; the arrows move in it
    m_table->setWordWrap(false);
    m_table->verticalHeader()->hide();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setContextMenuPolicy(Qt::ActionsContextMenu);
    m_table->setAccessibleName(QStringLiteral("同位素"));
    m_count->setBuddy(m_table);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_count);
    layout->addWidget(m_table);
    createActions();
    setFocusProxy(m_table);
}

void IsotopeView::createActions()
{
    auto *copyAction = new QAction(QStringLiteral("复制"), m_table);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(copyAction, &QAction::triggered, this, &IsotopeView::copy);
    auto *exportAction = new QAction(QStringLiteral("导出数据…"), m_table);
    exportAction->setShortcut(QKeySequence::Save);
    exportAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(exportAction, &QAction::triggered, this, &IsotopeView::exportData);
    m_table->addActions({copyAction, exportAction});
    CopyKey::takeOver(m_table, [this] { copy(); });
}

void IsotopeView::showElement(int atomicNumber, int massNumber)
{
    const QList<Isotopes::Nuclide> nuclides = Isotopes::ofElement(atomicNumber);
    m_atomicNumber = atomicNumber;
    m_model->setNuclides(nuclides);
    const auto natural = std::count_if(nuclides.begin(), nuclides.end(),
                                       [](const Isotopes::Nuclide &n) { return n.isNatural(); });
    m_count->setText(QStringLiteral("%1：已知 %2 种核素，其中 %3 种天然存在")
                         .arg(elementName(atomicNumber))
                         .arg(nuclides.size())
                         .arg(natural));
    m_table->sortByColumn(0, Qt::AscendingOrder);
    m_table->resizeColumnsToContents();
    goToMassNumber(massNumber);
}

void IsotopeView::goToMassNumber(int massNumber)
{
    const int sourceRow = qMax(0, m_model->rowOf(massNumber));
    if (m_model->rowCount() == 0) return;
    const QModelIndex index = m_sorted->mapFromSource(m_model->index(sourceRow, 0));
    m_table->setCurrentIndex(index);
    m_table->selectionModel()->select(
        index, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    m_table->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QList<QStringList> IsotopeView::shownRows(bool chosenOnly) const
{
    QList<QStringList> rows{QStringList()};
    for (int c = 0; c < m_model->columnCount(); ++c)
        rows[0].append(m_model->headerData(c, Qt::Horizontal, Qt::DisplayRole).toString());
    const bool someChosen = m_table->selectionModel()->hasSelection();
    for (int r = 0; r < m_sorted->rowCount(); ++r) {
        if (chosenOnly && someChosen && !m_table->selectionModel()->isRowSelected(r, {})) continue;
        QStringList row;
        for (int c = 0; c < m_sorted->columnCount(); ++c)
            row.append(m_sorted->index(r, c).data().toString());
        rows.append(row);
    }
    return rows;
}

QMimeData *IsotopeView::mimeData() const
{
    const QList<QStringList> rows = shownRows(true);
    QStringList lines;
    for (const QStringList &row : rows) lines.append(row.join(QLatin1Char('\t')));
    auto *data = new QMimeData;
    data->setText(lines.join(QLatin1Char('\n')) + QLatin1Char('\n'));
    data->setHtml(htmlTable(rows));
    return data;
}

void IsotopeView::copy()
{
    QApplication::clipboard()->setMimeData(mimeData());
}

void IsotopeView::exportData()
{
    Dialogs::runHandler(this, [this] {
        const QString base = QStringLiteral("%1的同位素").arg(elementName(m_atomicNumber));
        const auto choice = SaveDialogs::askFileName(
            this, QStringLiteral("导出数据"),
            {{QStringLiteral("CSV 文件 (*.csv)"), QStringLiteral("csv")}}, base, false);
        if (choice) AtomicSave::write(choice->path, Csv::document(shownRows(false)));
    });
}
