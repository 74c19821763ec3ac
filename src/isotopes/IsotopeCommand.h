#pragma once

#include <QString>
#include <QTextStream>

// --isotopes ELEMENT: the element's nuclides as tab-separated lines under a header line.
namespace IsotopeCommand {

// The exit status: 0 when printed; 2 when `element` names no element or the data file
// cannot be read, with the reason on `err`.
int run(const QString &element, QTextStream &out, QTextStream &err);

}  // namespace IsotopeCommand
