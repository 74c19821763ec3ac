#include "Csv.h"

namespace Csv {

namespace {

const QByteArray kByteOrderMark("\xEF\xBB\xBF");

QString field(QString text)
{
    const bool quoted = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                        text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r')) ||
                        text.startsWith(QLatin1Char(' ')) || text.endsWith(QLatin1Char(' '));
    if (!quoted) return text;
    return QLatin1Char('"') + text.replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

}  // namespace

QByteArray document(const QList<QStringList> &rows)
{
    QByteArray out = kByteOrderMark;
    for (const QStringList &row : rows) {
        QStringList fields;
        for (const QString &text : row) fields.append(field(text));
        out += fields.join(QLatin1Char(',')).toUtf8() + "\r\n";
    }
    return out;
}

}  // namespace Csv
