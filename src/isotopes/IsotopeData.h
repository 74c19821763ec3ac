#pragma once

#include "Nuclide.h"

#include <QList>

// The nuclides of Data/Isotopes.csv, read the first time any are asked for and kept: the
// file is not touched before isotopes are shown.
namespace Isotopes {

constexpr char kFileName[] = "Isotopes.csv";

// Every nuclide of the data file, in file order. Throws DataError when the file cannot be
// opened or read; the next call tries again.
const QList<Nuclide> &all();
// The nuclides of one element, natural ones first, then by mass number; empty outside 1..109.
QList<Nuclide> ofElement(int atomicNumber);
// The order above, for the table's first sort and the command line.
bool shownBefore(const Nuclide &a, const Nuclide &b);
// Forgets what was read (tests pointing the program at another folder).
void forget();

}  // namespace Isotopes
