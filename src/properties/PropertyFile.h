#pragma once

#include <QHash>
#include <QList>
#include <QString>

class QIODevice;

// One value of Data/Properties.csv with where it comes from: the text as the file has it
// (empty where no source gives a value), the source code of data/sources.csv ("MDB-CRC",
// several joined by "+") and the condition notes joined by "；".
struct PropertyCell {
    QString text;
    QString source;
    QString note;
};

// The second data file as read: for each element 1 to 109 and each property column, one
// cell. Columns are named as in the header without their unit ("thermal_conductivity").
class PropertyTable {
public:
    // nullptr for an element outside 1..109 or a column the file does not have.
    const PropertyCell *cell(int atomicNumber, const QString &column) const;
    // The unit the header gives the column ("W/(m·K)"), empty for none.
    QString unit(const QString &column) const;
    bool hasColumn(const QString &column) const { return m_columns.contains(column); }

    // Where a property's three columns start, and the unit its heading names.
    struct Column {
        int index;
        QString unit;
    };

private:
    friend class PropertyFile;
    QHash<QString, Column> m_columns;
    QList<QList<PropertyCell>> m_rows;  // by atomic number - 1
};

// Reads Data/Properties.csv: UTF-8 CSV, a header "Z,symbol," then for each property the
// three columns "key [unit]", "key_src", "key_note", and one row per element 1 to 109.
// The columns the property catalogue knows must be there with its units, and their
// numbers must be numbers. Throws DataError with the line and a Chinese reason.
class PropertyFile {
public:
    static PropertyTable read(QIODevice &device, const QString &fileName);

    // The table of the Data folder, read when first asked for and kept; throws DataError
    // when the file is missing or broken (and reads it again at the next call).
    static const PropertyTable &shipped();
    // Forget the kept table, so the next call reads the file again (tests).
    static void forget();
};
