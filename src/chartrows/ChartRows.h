#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rows of a property chart, one bar each: its value, the label under it and the
// element's name for its tooltip. No drawing: the chart control draws what it holds.
//
// The rest of the program drives it like a grid of rows with one data column:
//
//     rows.setColumnCount(1);
//     rows.setRowLabel(symbol);   // the label comes first...
//     rows.setRowCount(109);
//     rows.setRow(atomicNumber);  // ...and belongs to the row made current next
//     rows.setData(valueText);
//
// Because the label is given before its row is made current, setRowLabel() only keeps
// the label pending; the next setRow() attaches it to that row. So every row ends up
// with its own element's symbol whatever order the records come in. A setRow() without
// a pending label leaves that row's label as it was.
//
// Rows are numbered from 1. setRow() with a number outside 1..rowCount() throws
// std::out_of_range (and drops the pending label), so a damaged data file can't write
// to a row that doesn't exist. The read-only queries rowLabel() and value() answer an
// empty label and 0 for such a row instead.
//
// The setters that change what a chart draws say so by returning true.
class ChartRows {
public:
    // The chart has one series; the count is remembered, values are kept for one column.
    void setColumnCount(int n);
    int columnCount() const { return m_columnCount; }

    // Rows 1..n. Growing keeps the existing rows and adds empty ones (value 0, no label);
    // shrinking drops rows from the end. Negative counts are taken as 0.
    bool setRowCount(int n);
    int rowCount() const { return int(m_values.size()); }

    // The label for the row made current by the next setRow() call.
    void setRowLabel(const QString &label);
    QString rowLabel(int row) const;

    // The current row, 1..rowCount(); 0 while there are no rows. A row that takes a new
    // label loses its name.
    bool setRow(int row);
    int row() const { return m_row; }

    // The current row's element name, shown in its tooltip after the symbol. Throws
    // std::out_of_range without rows.
    void setRowName(const QString &name);
    QString rowName(int row) const;

    // The current row's value as text, as written by singleText() in the program's
    // locale (decimal comma or point, E notation for very large and small values).
    // Text that isn't a number is stored as 0. Throws std::out_of_range without rows.
    bool setData(const QString &text);
    QString data() const;
    double value(int row) const;

    const QList<double> &values() const { return m_values; }
    const QStringList &labels() const { return m_labels; }

private:
    QList<double> m_values;
    QStringList m_labels;
    QStringList m_names;
    QString m_pendingLabel;
    bool m_labelPending = false;
    int m_columnCount = 1;
    int m_row = 0;
};
