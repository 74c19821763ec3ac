#pragma once

#include <QBrush>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QVector>

#include "ColourScale.h"
#include "PropertyValues.h"

class QPainter;

// What the legend of a coloured table says: the scale with its unit, the smallest and
// largest value with the elements that have them, and how many elements have no value.
// Drawn the same in the tool window, on paper, in saved pictures and on the command line.
struct LegendData {
    QString title;  // "熔点 (K)", "（对数刻度）" added for a logarithmic scale
    ColourScale scale;
    QString lowest;   // "最低 0.95 K：氦 He"; empty without values
    QString highest;  // "最高 3823 K：碳 C"
    int missing = 0;  // elements without a value

    explicit LegendData(const PropertyValues &values);
    QString missingText() const;  // "无数据：12 种元素"
    // Everything the legend says, in one line for a screen reader.
    QString spoken() const;
};

namespace Legend {

// The height a legend takes in `font`, whatever its width.
double height(const QFont &font);

// The grey hatching of a cell without a value, on white.
QBrush noDataBrush();
// The legend in `area`, in the painter's font and in black on what lies under it.
void paint(QPainter &painter, const QRectF &area, const LegendData &legend);
// The values written under the bar: the two ends, and between them round values (every
// decade on a logarithmic scale), no closer than a quarter of the bar for a linear one.
QVector<double> ticks(const ColourScale &scale);

}  // namespace Legend
