#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// Where each value of the shipped element data comes from, and under which conditions it
// holds (carbon's "melting point" is its triple point at about 10 MPa, gas densities are at
// 0 °C, ...). The table is generated from data/ by tools/gen_elements.py and compiled in;
// it describes the shipped Data/Elements.prn. All texts are Chinese.
namespace ValueSources {

// The sourced fields of an element record.
enum class Field {
    AtomicWeight,
    BoilingPoint,
    MeltingPoint,
    Density,
    AtomicRadius,
    CovalentRadius,
    ElectronAffinity,
    FusionEnthalpy,
    VaporisationEnthalpy,
    StableOxidationStates,
    OtherOxidationStates,
    Configuration,
};
constexpr int kFieldCount = 12;

// What a condition note says about its value.
enum class NoteKind {
    Sublimes,
    TriplePoint,
    GasAtStp,
    Allotrope,
    Predicted,
    PerMolecule,
    Disputed,
    NoValue,
};

// The code of the source of an element's value ("M", "CRC-copy", ...); "-" where the
// shipped data has no value; empty outside 1..109.
QString sourceCode(int atomicNumber, Field field);
// Whether data/sources.csv defines the code.
bool isDefined(const QString &code);
// What was read for the value, in full; empty without a defined source.
QString sourceOf(int atomicNumber, Field field);
// A source's name as short as a chart line needs it; the code itself if undefined.
QString shortName(const QString &code);
// A source's full name, as a tooltip gives it; empty if undefined.
QString fullName(const QString &code);

// The condition notes of a value, in the order of data/value-notes.csv.
QStringList notesOf(int atomicNumber, Field field);
// Them as one line ("三相点，约 10 MPa 下；…"); empty without notes.
QString noteOf(int atomicNumber, Field field);

// The lines a value's tooltip adds below its name: "来源：…" and "注：…" where there is a
// note; "来源：无（没有测得的数值）" when `hasValue` is false.
QString describe(int atomicNumber, Field field, bool hasValue);

// One short line naming the sources of a field over the given elements, most used first,
// with how many values each gave: "来源：mendeleev 87，CRC（转引）2，无数据 16". Elements
// listed in `withoutValue` count as without data whatever their source.
QString summary(Field field, const QList<int> &atomicNumbers, const QList<int> &withoutValue);

}  // namespace ValueSources
