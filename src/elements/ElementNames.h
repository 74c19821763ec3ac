#pragma once

#include <QString>
#include <QVector>

// The names an element is found by: symbol, Chinese name, its pinyin with the tone mark,
// English name, another English spelling, CAS registry number. Built into the program from
// data/names.csv, data/chinese-names.csv and data/properties.csv (tools/gen_names.py); the
// element data file does not hold them.
namespace ElementNames {

struct Names {
    int atomicNumber;
    const char *symbol;        // UTF-8, as all the texts
    const char *chinese;       // may lie beyond the basic plane (Rf to Hs)
    const char *pinyin;        // "tiě"
    const char *english;       // "iron"
    const char *otherEnglish;  // "aluminium" beside "aluminum"; empty for most
    const char *cas;           // "7439-89-6"
};

// The names of element `atomicNumber`, nullptr outside 1..109.
const Names *find(int atomicNumber);

// How a found element is offered: "铁 Fe 26 tiě iron".
QString suggestion(const Names &names);

// The elements `typed` names, best first: the atomic number; the Chinese name; the symbol,
// pinyin or English name, letter case and tone marks ignored ("tie", "tiě", "tie3", "TIE";
// "lv" for "lü"); a whole CAS registry number ("7439-89-6"). Whole names come before names that
// only begin with the text; among those, the pinyin with the very tone typed comes first, then
// atomic number order.
QVector<int> match(const QString &typed);

}  // namespace ElementNames
