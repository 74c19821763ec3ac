#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include "FormulaParser.h"

// The molar mass of a parsed formula from the program's own atomic weights: those of the
// element data file, the same as every other window shows.
namespace FormulaMass {

// The weight of each atom kind as the program knows it.
struct Weights {
    double value[Formula::kKindCount] = {};
    QString text[Formula::kKindCount];  // as the file writes it: "1.008", "97"
    QString name[Formula::kKindCount];  // Chinese name: "氢", "氘"
    // Reads the element file (throws DataError when it cannot be read).
    static Weights fromFile();
};

struct Line {
    int kind;
    QString symbol;
    QString name;
    qint64 count;
    QString weightText;  // the weight used, as the file gives it
    double mass;         // count × weight
    QString massText;    // to the weight's own decimals
    double percent;      // of the atoms' mass
    bool massNumber;     // the weight is a mass number, not a standard atomic weight
};

struct Result {
    QVector<Line> lines;  // in the order of the formula
    int charge = 0;
    double molarMass = 0;     // g/mol, the electrons of the charge taken off or added
    double uncertainty = -1;  // g/mol; negative where some weight has none known
    int decimals = 0;         // what the weights and the uncertainty allow
    QString massText;         // "249.68 ± 0.03"
    QStringList notes;        // the charge's electrons, mass numbers, missing uncertainties
};

Result compute(const Formula::Parsed &parsed, const Weights &weights);

// Tab-separated: the molar mass line, a heading, one line per element, the notes.
QString text(const Result &result);
// The same as an HTML table, for pasting into documents.
QString html(const QString &formula, const Result &result);

}  // namespace FormulaMass
