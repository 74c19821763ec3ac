#pragma once

#include <QStringList>

// The soaks by name, in the order runSoak runs them: each tool window, the chart window,
// the options dialog, cell clicks, toolbar charts.
QStringList soakIds();

// Opens and closes every window `rounds` times with a typical input each time and prints,
// per window, the resident memory and open file descriptors after the warm-up and at the
// end. Only the soak `only` when it is not empty.
void runSoak(int rounds, const QString &only = QString());
