#pragma once

#include "Nuclide.h"

#include <QIODevice>

namespace Isotopes {

// The header Data/Isotopes.csv starts with, which names the units.
extern const char kHeader[];

// Every nuclide in the file, in file order. Throws DataError with the line and a Chinese
// reason at the first line that breaks the format: the header, the count of fields, a
// number, an atomic number outside 1..109, a half-life unit, a decay mode's branching.
QList<Nuclide> read(QIODevice &device, const QString &fileName);

}  // namespace Isotopes
