#include "IsotopeModel.h"

#include "isotopes/IsotopeText.h"

#include <QFont>

namespace {

enum Column { kName, kMassNumber, kMass, kAbundance, kHalfLife, kSpin, kModes };

}  // namespace

IsotopeModel::IsotopeModel(QObject *parent)
    : QAbstractTableModel(parent), m_headers(Isotopes::Text::headers())
{
}

void IsotopeModel::setNuclides(const QList<Isotopes::Nuclide> &nuclides)
{
    beginResetModel();
    m_nuclides = nuclides;
    m_texts.clear();
    for (const Isotopes::Nuclide &n : m_nuclides) m_texts.append(Isotopes::Text::row(n));
    endResetModel();
}

int IsotopeModel::rowOf(int massNumber) const
{
    for (int row = 0; row < m_nuclides.size(); ++row)
        if (m_nuclides[row].massNumber == massNumber) return row;
    return -1;
}

int IsotopeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_nuclides.size());
}

int IsotopeModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant IsotopeModel::sortKey(int row, int column) const
{
    const Isotopes::Nuclide &n = m_nuclides[row];
    switch (column) {
        case kName: return row;  // the first order: natural ones, then by mass number
        case kMassNumber: return n.massNumber;
        case kMass: return n.mass;
        case kAbundance: return n.abundance;
        case kHalfLife: return Isotopes::Text::halfLifeSeconds(n);
        default: return m_texts[row][column];
    }
}

QVariant IsotopeModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= m_nuclides.size()) return {};
    const int row = index.row();
    const int column = index.column();
    switch (role) {
        case Qt::DisplayRole: return m_texts[row][column];
        case kSortRole: return sortKey(row, column);
        case Qt::FontRole:
            if (m_nuclides[row].isNatural()) {
                QFont bold;
                bold.setBold(true);
                return bold;
            }
            return {};
        case Qt::ToolTipRole:
            // The decay modes may be cut short at the window's edge.
            if (column == kModes) return m_texts[row][column];
            return column == kName && m_nuclides[row].isNatural() ? QStringLiteral("天然存在")
                                                                  : QVariant();
        case Qt::TextAlignmentRole:
            return column == kMassNumber || column == kMass || column == kAbundance
                       ? QVariant(Qt::AlignRight | Qt::AlignVCenter)
                       : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
        case Qt::AccessibleTextRole:
            // The first cell says the whole row, as a reader moving down the table wants it;
            // the others their value (readers name the column themselves), "无" for none.
            if (column == kName) return Isotopes::Text::spoken(m_nuclides[row]);
            return m_texts[row][column].isEmpty() ? QStringLiteral("无") : m_texts[row][column];
        default: return {};
    }
}

QVariant IsotopeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= m_headers.size()) return {};
    if (role == Qt::DisplayRole) return m_headers[section];
    return {};
}
