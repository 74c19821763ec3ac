#pragma once

#include "isotopes/Nuclide.h"

#include <QAbstractTableModel>

// One element's nuclides as table rows: the texts of Isotopes::Text, a number to sort each
// column by (kSortRole), natural nuclides in bold, and what a screen reader says for a row.
class IsotopeModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kSortRole = Qt::UserRole + 1;

    explicit IsotopeModel(QObject *parent = nullptr);

    // `nuclides` in the order they are shown first (Isotopes::shownBefore).
    void setNuclides(const QList<Isotopes::Nuclide> &nuclides);
    const QList<Isotopes::Nuclide> &nuclides() const { return m_nuclides; }
    // The row of the nuclide with `massNumber`, -1 when there is none.
    int rowOf(int massNumber) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

private:
    QVariant sortKey(int row, int column) const;

    QList<Isotopes::Nuclide> m_nuclides;
    QList<QStringList> m_texts;
    QStringList m_headers;
};
