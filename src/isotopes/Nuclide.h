#pragma once

#include <QList>
#include <QString>

// One ground-state nuclide as Data/Isotopes.csv describes it.
namespace Isotopes {

// How a decay mode's branching is known.
enum class Branching {
    Exact,        // "=": the figure
    About,        // "~": about the figure
    Below,        // "<": less than the figure
    Above,        // ">": more than the figure
    Trace,        // "<<": far below one percent beside a main branch of 100 %
    NotObserved,  // "?": allowed, never seen
    Unknown,      // observed, share not measured
};

struct DecayMode {
    QString code;  // "A", "B-", "SF", "B-n", "14C", ...
    Branching branching = Branching::Unknown;
    double percent = 0;
};

enum class HalfLifeKind { Stable, Measured, Unknown };

struct Nuclide {
    int atomicNumber = 0;
    QString symbol;
    int massNumber = 0;
    double mass = 0;  // u
    double massUncertainty = 0;
    double abundance = -1;  // % of the element's atoms; below 0 when not found in nature
    double abundanceUncertainty = 0;
    HalfLifeKind halfLifeKind = HalfLifeKind::Unknown;
    double halfLife = 0;     // in halfLifeUnit
    QString halfLifeUnit;    // "s", "ms", "min", "y", "Gy", ...
    QString spinParity;      // "3/2-", "0+", empty when unknown
    QList<DecayMode> modes;  // main mode first

    bool isNatural() const { return abundance >= 0; }
};

}  // namespace Isotopes
