#pragma once

#include <QString>
#include <QVector>
#include <array>
#include <optional>

// The state of matter of an element at a temperature, at normal pressure, from the melting
// and boiling points of the element data file.
namespace PhaseAtTemperature {

enum class Phase { Solid, Liquid, Gas, Unknown };
constexpr int kPhaseCount = 4;

constexpr double kCelsiusZero = 273.15;  // K

// The data file writes 0 for a point nobody has measured (helium has no melting point at
// normal pressure, the heaviest elements have neither). A state is still given wherever the
// known point decides it: above a known boiling point the element is a gas, below a known
// melting point (with no boiling point) a solid; otherwise it is Unknown.
//
// Boundaries: solid below the melting point, liquid from the melting point up to and
// including the boiling point, gas above it. Where the boiling point lies below the melting
// point (sublimation, as for carbon and arsenic), solid up to and including the boiling
// point and gas above. The comparison is in single precision, the precision of the file,
// so a temperature typed as the file's figure lands exactly on it.
Phase phaseAt(float meltingK, float boilingK, double kelvin);

QString name(Phase phase);  // 固态, 液态, 气态, 物态未知

// By atomic number, 1 to 109 (index 0 unused); empty where the file has no record. When a
// number occurs twice the later record wins, as in the grid.
using Phases = QVector<std::optional<Phase>>;

// Scans the element data file from its start. Throws DataError when the file cannot be
// opened, a record is malformed or numbered outside 0 to 109 (0, the grid's hidden cell, is
// passed over).
Phases readPhases(double kelvin);

// How many elements are in each state, indexed by Phase.
std::array<int, kPhaseCount> count(const Phases &phases);

}  // namespace PhaseAtTemperature
