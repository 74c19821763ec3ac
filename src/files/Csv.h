#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

// Comma-separated values as spreadsheet programs open them by a double click on every
// platform: UTF-8 with a byte-order mark (without it some take the Chinese for the
// system's legacy code page), CR LF line ends, fields quoted where they must be.
namespace Csv {

QByteArray document(const QList<QStringList> &rows);

}  // namespace Csv
