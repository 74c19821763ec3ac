#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The colours the options dialog offers for the radius circles, by their Chinese names.
// Colour numbers are red + 256 * green + 65536 * blue, kept as float like the settings.
namespace ColourNames {

// The names in the order the lists show them.
QStringList listOrder();

// The colour a name stands for; none unless `name` is exactly one of the six names.
std::optional<float> colourOf(const QString &name);

// The name of a colour; none unless `colour` is exactly one of the six numbers.
std::optional<QString> nameOf(float colour);

}  // namespace ColourNames
