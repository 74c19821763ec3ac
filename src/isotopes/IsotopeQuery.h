#pragma once

#include <QString>
#include <optional>

// What a user types to name an element or one of its nuclides.
namespace Isotopes::Query {

struct NuclideName {
    int atomicNumber = 0;
    int massNumber = 0;
};

// The element `text` names whole: its atomic number, symbol (any letter case), Chinese or
// English name; 0 when none.
int element(const QString &text);
// A nuclide as written in text: "C-14", "碳-14", "14C", "U235", "u 235", "carbon-14". Only
// the form is checked: the mass number lies between the atomic number and 300, whether such
// a nuclide is known is for the data to say.
std::optional<NuclideName> nuclide(const QString &text);

}  // namespace Isotopes::Query
