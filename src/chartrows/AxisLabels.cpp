#include "AxisLabels.h"

#include <QSet>
#include <algorithm>
#include <cmath>

namespace AxisLabels {

namespace {

const QChar kZeroWidthSpace(0x200B);

// 1, 2, 5, 10, 20, 50, ... at least `step`.
int roundStepUp(int step)
{
    int base = 1;
    for (;;) {
        for (int factor : {1, 2, 5})
            if (base * factor >= step) return base * factor;
        base *= 10;
    }
}

}  // namespace

int step(qsizetype count, int needed, double available)
{
    if (count == 0) return 1;
    const int wanted = int(std::ceil(count * needed / available));
    return roundStepUp(std::max(1, wanted));
}

Shown thin(const QStringList &labels, int step)
{
    Shown shown;
    QSet<QString> used;
    for (qsizetype i = 0; i < labels.size(); i += step) {
        QString text = labels.at(i);
        if (text.isEmpty()) continue;
        while (used.contains(text)) text += kZeroWidthSpace;
        used.insert(text);
        shown.labels.append(text);
        shown.positions.append(double(i));
    }
    return shown;
}

}  // namespace AxisLabels
