#pragma once

#include <QString>
#include <QStringList>

#include "files/ModVantrel.h"

// What the command line adds from the property catalogue: the sheet's groups after the
// element card (--element), a column per property (--table), the chart keys (--export-chart).
namespace PropertyCommands {

// The groups of the element sheet without the card's values, as text (DataError).
QString sheetText(const mod_Vantrel::ElementRecordType &record);
// A heading per property: its label, with the unit in brackets where it has one.
QStringList tableHeadings();
// The values of element `atomicNumber` in the order of tableHeadings(), "无数据" for none.
QStringList tableCells(int atomicNumber);
// The keys of the chartable properties, as --help lists them: `perLine` to a line, each
// line after the first led by `indent` spaces.
QString keyLines(int perLine, int indent);

}  // namespace PropertyCommands
