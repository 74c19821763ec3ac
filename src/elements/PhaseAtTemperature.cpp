#include "PhaseAtTemperature.h"

#include "files/ElementFile.h"

namespace PhaseAtTemperature {

Phase phaseAt(float meltingK, float boilingK, double kelvin)
{
    const float t = static_cast<float>(kelvin);
    const bool hasMelting = meltingK > 0;
    const bool hasBoiling = boilingK > 0;
    if (hasBoiling && t > boilingK) return Phase::Gas;
    if (hasBoiling && hasMelting && boilingK < meltingK) return Phase::Solid;  // sublimes
    if (hasMelting && t < meltingK) return Phase::Solid;
    if (hasMelting && hasBoiling) return Phase::Liquid;
    return Phase::Unknown;
}

QString name(Phase phase)
{
    switch (phase) {
        case Phase::Solid: return QStringLiteral("固态");
        case Phase::Liquid: return QStringLiteral("液态");
        case Phase::Gas: return QStringLiteral("气态");
        case Phase::Unknown: break;
    }
    return QStringLiteral("物态未知");
}

Phases readPhases(double kelvin)
{
    Phases phases(mod_Vantrel::kElementCount + 1);
    ElementFile::scan(ElementFile::Numbers::Charted, [&](const auto &record) {
        phases[record.AtomicNumber] = phaseAt(record.MeltingPoint, record.BoilingPoint, kelvin);
        return ElementFile::Next::Continue;
    });
    return phases;
}

std::array<int, kPhaseCount> count(const Phases &phases)
{
    std::array<int, kPhaseCount> counts{};
    for (const std::optional<Phase> &phase : phases)
        if (phase) ++counts[static_cast<int>(*phase)];
    return counts;
}

}  // namespace PhaseAtTemperature
