#include "PropertyFile.h"

#include <QFile>
#include <QIODevice>
#include <memory>

#include "PropertyCatalogue.h"
#include "files/DataError.h"
#include "files/DataFiles.h"
#include "files/ModVantrel.h"

namespace {

const QString kFileName = QStringLiteral("Properties.csv");
// Far beyond the longest line the generator writes (about 2 kB), short enough that a wrong
// file given by mistake is refused before it fills the memory.
constexpr qint64 kMaxLineLength = 64 * 1024;
constexpr int kFixedColumns = 2;  // Z, symbol
constexpr int kColumnsPerProperty = 3;

struct Reader {
    QIODevice &device;
    QString fileName;
    int line = 0;

    [[noreturn]] void fail(DataError::Kind kind, const QString &detail) const
    {
        throw DataError(kind, fileName, line, detail);
    }

    // The fields of the next line; false at the end of the file.
    bool next(QStringList &fields)
    {
        if (device.atEnd()) return false;
        const QByteArray raw = device.readLine(kMaxLineLength + 1);
        ++line;
        if (raw.size() > kMaxLineLength && !raw.endsWith('\n'))
            fail(DataError::Kind::TooLong, QStringLiteral("一行超过 64 KB"));
        QString text = QString::fromUtf8(raw);
        if (line == 1 && text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
        while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r'))) text.chop(1);
        fields = split(text);
        return true;
    }

    // One line of comma-separated fields; a field in double quotes may hold commas and
    // doubled quotes, never a line break (the generator writes none).
    QStringList split(const QString &text) const
    {
        QStringList fields;
        QString field;
        bool quoted = false;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text.at(i);
            if (quoted) {
                if (c != QLatin1Char('"'))
                    field += c;
                else if (i + 1 < text.size() && text.at(i + 1) == QLatin1Char('"'))
                    field += text.at(++i);
                else
                    quoted = false;
            } else if (c == QLatin1Char('"')) {
                quoted = true;
            } else if (c == QLatin1Char(',')) {
                fields.append(field);
                field.clear();
            } else {
                field += c;
            }
        }
        if (quoted) fail(DataError::Kind::BadTable, QStringLiteral("引号没有配对"));
        fields.append(field);
        return fields;
    }
};

// "thermal_conductivity [W/(m·K)]" into its name and unit.
void splitHeading(const QString &heading, QString &name, QString &unit)
{
    const int open = heading.indexOf(QLatin1String(" ["));
    if (open < 0 || !heading.endsWith(QLatin1Char(']'))) {
        name = heading;
        unit.clear();
        return;
    }
    name = heading.left(open);
    unit = heading.mid(open + 2, heading.size() - open - 3);
}

void readHeader(Reader &reader, QHash<QString, PropertyTable::Column> &columns)
{
    QStringList fields;
    if (!reader.next(fields)) reader.fail(DataError::Kind::PastEnd, QStringLiteral("文件是空的"));
    if (fields.size() < kFixedColumns || fields.at(0) != QLatin1String("Z") ||
        (fields.size() - kFixedColumns) % kColumnsPerProperty != 0)
        reader.fail(DataError::Kind::BadTable,
                    QStringLiteral("表头应为 Z、symbol，然后每项性质三列（数值、_src、_note）"));
    for (int i = kFixedColumns; i < fields.size(); i += kColumnsPerProperty) {
        QString name, unit;
        splitHeading(fields.at(i), name, unit);
        if (fields.at(i + 1) != name + QLatin1String("_src") ||
            fields.at(i + 2) != name + QLatin1String("_note"))
            reader.fail(
                DataError::Kind::BadTable,
                QStringLiteral("第 %1 列“%2”后应为 %2_src 和 %2_note").arg(i + 1).arg(name));
        columns.insert(name, {i, unit});
    }
}

void checkCatalogue(const Reader &reader, const QHash<QString, PropertyTable::Column> &columns)
{
    for (const Property &property : PropertyCatalogue::all()) {
        const QString column = QString::fromUtf8(property.column);
        const auto it = columns.constFind(column);
        if (it == columns.cend())
            reader.fail(DataError::Kind::BadTable, QStringLiteral("缺少“%1”一列").arg(column));
        if (it->unit != QString::fromUtf8(property.fileUnit))
            reader.fail(DataError::Kind::BadTable,
                        QStringLiteral("“%1”一列的单位应为“%2”，文件中为“%3”")
                            .arg(column, QString::fromUtf8(property.fileUnit), it->unit));
    }
}

void checkNumbers(const Reader &reader, const QStringList &fields,
                  const QHash<QString, PropertyTable::Column> &columns)
{
    for (const Property &property : PropertyCatalogue::all()) {
        if (property.kind == Property::Kind::Text) continue;
        const QString &text = fields.at(columns.value(QString::fromUtf8(property.column)).index);
        const QStringList numbers = property.kind == Property::Kind::List
                                        ? text.split(QLatin1Char(' '), Qt::SkipEmptyParts)
                                        : QStringList{text};
        for (const QString &number : numbers) {
            bool ok = number.isEmpty();
            if (!ok) number.toDouble(&ok);
            if (!ok)
                reader.fail(DataError::Kind::NotANumber,
                            QStringLiteral("“%1”一列的“%2”")
                                .arg(QString::fromUtf8(property.column), number));
        }
    }
}

int atomicNumberOf(const Reader &reader, const QString &text,
                   const QList<QList<PropertyCell>> &rows)
{
    bool ok = false;
    const int z = text.toInt(&ok);
    if (!ok || z < 1 || z > mod_Vantrel::kElementCount)
        reader.fail(DataError::Kind::NoSuchElement, QStringLiteral("原子序数“%1”").arg(text));
    if (!rows.at(z - 1).isEmpty())
        reader.fail(DataError::Kind::BadTable, QStringLiteral("原子序数 %1 出现了两次").arg(z));
    return z;
}

std::unique_ptr<PropertyTable> g_shipped;

}  // namespace

const PropertyCell *PropertyTable::cell(int atomicNumber, const QString &column) const
{
    if (atomicNumber < 1 || atomicNumber > m_rows.size()) return nullptr;
    const auto it = m_columns.constFind(column);
    if (it == m_columns.cend()) return nullptr;
    const QList<PropertyCell> &row = m_rows.at(atomicNumber - 1);
    return row.isEmpty() ? nullptr : &row.at(it->index);
}

QString PropertyTable::unit(const QString &column) const
{
    return m_columns.value(column).unit;
}

PropertyTable PropertyFile::read(QIODevice &device, const QString &fileName)
{
    Reader reader{device, fileName};
    PropertyTable table;
    readHeader(reader, table.m_columns);
    checkCatalogue(reader, table.m_columns);
    const int width = kFixedColumns + table.m_columns.size() * kColumnsPerProperty;
    table.m_rows.resize(mod_Vantrel::kElementCount);
    QStringList fields;
    while (reader.next(fields)) {
        if (fields.size() == 1 && fields.at(0).isEmpty()) continue;  // a blank last line
        if (fields.size() != width)
            reader.fail(DataError::Kind::BadTable,
                        QStringLiteral("应有 %1 列，这一行有 %2 列").arg(width).arg(fields.size()));
        const int z = atomicNumberOf(reader, fields.at(0), table.m_rows);
        checkNumbers(reader, fields, table.m_columns);
        QList<PropertyCell> &row = table.m_rows[z - 1];
        row.resize(width);
        for (auto it = table.m_columns.cbegin(); it != table.m_columns.cend(); ++it) {
            const int i = it->index;
            row[i] = {fields.at(i), fields.at(i + 1), fields.at(i + 2)};
        }
    }
    // Columns are matched by name, so an element's row is the header's index space; the
    // index of a cell is its value column's.
    for (int z = 1; z <= mod_Vantrel::kElementCount; ++z)
        if (table.m_rows.at(z - 1).isEmpty())
            throw DataError(DataError::Kind::PastEnd, fileName, reader.line,
                            QStringLiteral("缺少原子序数 %1 的一行").arg(z));
    return table;
}

const PropertyTable &PropertyFile::shipped()
{
    if (!g_shipped) {
        QFile file(DataFiles::resolve(DataFiles::dataPath(kFileName)));
        if (const auto failure = DataFiles::openForReading(file))
            throw DataError(DataError::Kind::OpenFailed, file.fileName(), 0, failure->reason);
        g_shipped = std::make_unique<PropertyTable>(read(file, file.fileName()));
    }
    return *g_shipped;
}

void PropertyFile::forget()
{
    g_shipped.reset();
}
