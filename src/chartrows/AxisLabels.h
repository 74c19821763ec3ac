#pragma once

#include <QList>
#include <QStringList>

// The element symbols under a chart's bars, thinned to every k-th one when they do not all
// fit across the plot. Plain arithmetic, apart from the toolkit's fonts and axes.
namespace AxisLabels {

// How many bars share one label: `count` labels, each `needed` pixels wide with its gap, over
// `available` pixels; rounded up to 1, 2, 5, 10, 20, 50, ...
int step(qsizetype count, int needed, double available);

struct Shown {
    QStringList labels;
    QList<double> positions;  // bar i stands at i
};

// Every `step`-th label at its bar, empty ones left out. Axis labels must be distinct, so a
// repeated symbol (only a damaged file has them) gets zero-width spaces appended.
Shown thin(const QStringList &labels, int step);

}  // namespace AxisLabels
