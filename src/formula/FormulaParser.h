#pragma once

#include <QString>
#include <QVector>
#include <optional>

#include "files/ModVantrel.h"

// The formula language students write: element symbols with counts (H2O), nested brackets
// of three kinds in half and full width (K4[Fe(CN)6]), hydrates and adducts after "·",
// "•", "*" or "." with a leading count (CuSO4·5H2O), subscript digits (H₂O), D and T for
// the hydrogen isotopes, and a charge at the end (SO4^2-, SO4 2-, [Fe(CN)6]3-, NH4+).
// What a Chinese input method types in full width (Ca（OH）2, Ｈ２Ｏ) reads as the same.
// Symbols are case-sensitive: "CO" is carbon monoxide, "Co" cobalt.
namespace Formula {

constexpr int kMaxLength = 10000;  // characters
constexpr int kMaxDepth = 100;     // brackets inside brackets
// Atoms of one kind in the whole formula; beyond it the counts are surely a typing slip.
constexpr qint64 kMaxAtoms = 1000000000000LL;
constexpr int kMaxCharge = 1000;

// What a counted atom is: an atomic number 1..109, or one of the two hydrogen isotopes.
constexpr int kDeuterium = mod_Vantrel::kElementCount + 1;
constexpr int kTritium = kDeuterium + 1;
constexpr int kKindCount = kTritium + 1;  // index 0 unused

struct Atoms {
    int kind;  // atomic number, kDeuterium or kTritium
    qint64 count;
};

struct Parsed {
    QVector<Atoms> atoms;  // each kind once, in the order it first appears
    int charge = 0;        // in elementary charges
};

// Where the formula goes wrong. `position` counts characters from 1; 0 means the formula
// as a whole (empty, too long). `length` is how many characters to mark.
struct Error {
    int position = 0;
    int length = 0;
    QString reason;
    // "第 5 个字符：没有元素 'Xx'"
    QString message() const;
};

// The atoms of `formula`, or nullopt with `error` filled. Never recursive: an input of
// any length or depth costs memory in proportion to kMaxDepth at most.
std::optional<Parsed> parse(const QString &formula, Error *error);

// The symbol shown for an atom kind: "Fe", "D", "T".
QString symbolOf(int kind);

}  // namespace Formula
