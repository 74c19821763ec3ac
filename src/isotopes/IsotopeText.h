#pragma once

#include "Nuclide.h"

#include <QStringList>

// A nuclide's values as the table, the command line and screen readers give them: Chinese
// units and names, superscripts for powers of ten.
namespace Isotopes::Text {

// Whether Data/Isotopes.csv may name `unit` for a half-life ("s", "ms", "y", "Gy", ...).
bool isHalfLifeUnit(const QString &unit);
// "稳定", "未知", "5700 年", "4.463×10⁹ 年", "20.34 分钟", "126.5 毫秒", "3.5×10⁻²¹ 秒".
QString halfLife(HalfLifeKind kind, double value, const QString &unit);
QString halfLife(const Nuclide &nuclide);
// The half-life in seconds, for sorting: stable after every measured one, unknown last.
double halfLifeSeconds(const Nuclide &nuclide);

// "α", "β⁻", "电子俘获", "自发裂变", "β⁻ 缓发中子", "¹⁴C 簇发射"; an unknown code itself.
QString modeName(const QString &code);
// "α 100 %", "自发裂变 ≪1 %", "β⁺ ≈8 %", "中子发射（未观测到）", "β⁻".
QString mode(const DecayMode &mode);
// Every mode, main first, "，" between.
QString modes(const QList<DecayMode> &modes);

// 4 significant digits at most, ×10ⁿ beyond 10⁵ or below 10⁻³: "5700", "2.455×10⁵".
QString figure(double value);
// "碳-14", "铀-235".
QString name(const Nuclide &nuclide);
// "¹⁴C".
QString notation(const Nuclide &nuclide);
// "14.003241989(4)": the digits up to the uncertainty's, which is in brackets.
QString mass(const Nuclide &nuclide);
// "98.94 ± 0.06"; empty for a nuclide not found in nature.
QString abundance(const Nuclide &nuclide);
// "3/2⁻"; empty when unknown.
QString spinParity(const Nuclide &nuclide);
// What a screen reader says for a row: "碳-14，14.003242 u，半衰期 5700 年，β⁻ 衰变".
QString spoken(const Nuclide &nuclide);

// The column titles and a row's texts, shared by the table, its copies and the command line;
// the decay modes, the longest, last.
QStringList headers();
QStringList row(const Nuclide &nuclide);

}  // namespace Isotopes::Text
