#pragma once

#include <QWidget>

class IsotopeModel;
class QLabel;
class QMimeData;
class QSortFilterProxyModel;
class QTableView;

// One element's nuclides: a line that counts them above a table sortable by any column.
// The keyboard moves over the rows, Ctrl+C copies the chosen rows (all when none is
// chosen) as text and HTML, and the context menu also exports the table as CSV. A widget
// of its own, so the isotope window and an element sheet can both hold it.
class IsotopeView : public QWidget {
    Q_OBJECT
public:
    explicit IsotopeView(QWidget *parent = nullptr);

    // Reads the element's nuclides (the data file on the first call) and shows them,
    // natural ones first, with the row of `massNumber` current when there is one, else the
    // first. Throws DataError when the data file cannot be read.
    void showElement(int atomicNumber, int massNumber = 0);
    int atomicNumber() const { return m_atomicNumber; }

    QLabel *countLabel() const { return m_count; }
    QTableView *table() const { return m_table; }

    // The rows chosen in the table, in the order shown, or every row when none is chosen:
    // the header line first.
    QList<QStringList> shownRows(bool chosenOnly) const;
    // Them as tab-separated text and an HTML table.
    QMimeData *mimeData() const;

public slots:
    void copy();
    void exportData();

private:
    void createActions();
    void goToMassNumber(int massNumber);

    int m_atomicNumber = 0;
    QLabel *m_count = nullptr;
    QTableView *m_table = nullptr;
    IsotopeModel *m_model = nullptr;
    QSortFilterProxyModel *m_sorted = nullptr;
};
