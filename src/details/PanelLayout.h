#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

// Where the details panel puts its oxidation states and electron configuration. All
// positions are in twips; no widgets here, so the arithmetic can be tested on its own.
namespace PanelLayout {

// Left edges are kept within what a 16-bit pixel coordinate can hold, so absurdly long
// data fields push a label off the panel instead of wrapping around or overflowing.
constexpr double kMaxLeftTwips = 32767 * 15.0;

double clampLeft(double twips);

// The part of an oxidation-states field after its last "#" (the whole field if none).
QString lastPart(const QString &field);

// How an oxidation-states field is shown: every "#" as ",", and nothing at all when the
// last part is the "-" that stands for "none".
QString oxidationText(const QString &field);

struct OxidationDisplay {
    QString stableText, otherText;  // label texts
    QString stableRest, otherRest;  // lastPart() of each field
    double stableLeftTwips;         // left edge of the stable-states label
};

// The stable states are centred under the symbol by the raw field lengths: each character
// moves the pair 30 twips to the left.
OxidationDisplay oxidationLayout(const QString &stable, const QString &other,
                                 double symbolLeftTwips, double symbolWidthTwips);

// A shell count of exactly "0" is shown as nothing.
QStringList blankZeros(QStringList texts);

// The configuration is centred on the panel by character count: 50 twips a character.
double configFirstLeft(double panelWidthTwips, const QStringList &texts);

// Left edges of labels placed side by side: each starts where the one before it ends.
// One left edge for each width; the last width is not needed.
QVector<double> chainLefts(double firstLeft, const QVector<double> &widthsTwips);

}  // namespace PanelLayout
