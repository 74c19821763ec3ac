#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// What a screen reader says for the details panel: each value with its name and its unit
// in words a Chinese reader says well ("熔点 1811.15 开尔文"), made from the texts the panel
// shows, so the numbers are exactly the ones on screen.
namespace PanelSpeech {

struct Shown {
    QString name, symbol, atomicNumber, atomicWeight, meltingPoint, boilingPoint, density;
    QString stableStates, otherStates;
    QStringList config;  // the eight shell labels: subshell, count, subshell, count, ...
};

// One entry per value, in the order the keyboard reviews them.
QStringList items(const Shown &shown);

// Everything at once, as said when the panel opens: "铁 Fe，原子序数 26，原子量 55.845，…".
QString summary(const Shown &shown);

}  // namespace PanelSpeech
