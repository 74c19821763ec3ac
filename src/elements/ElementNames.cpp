#include "ElementNames.h"

#include <QStringList>
#include <algorithm>
#include <iterator>

namespace ElementNames {

namespace {

const Names kNames[] = {
#include "ElementNamesTable.inc"
};

// How well a text matches a name: lower is better.
enum Rank { ToneToo, Whole, Beginning, NoMatch };

// Tone numbers by the combining mark that carries the tone after decomposition.
int toneOf(QChar mark)
{
    switch (mark.unicode()) {
        case 0x0304: return 1;  // macron
        case 0x0301: return 2;  // acute
        case 0x030C: return 3;  // caron
        case 0x0300: return 4;  // grave
        default: return 0;
    }
}

// A latin text folded for comparing: lower case, marks dropped (ü becomes u); a tone mark
// or a trailing tone digit 1 to 5 goes to `tone` (0 for none).
QString fold(const QString &text, int *tone)
{
    *tone = 0;
    QString folded;
    for (QChar c : text.normalized(QString::NormalizationForm_D).toLower()) {
        if (c.category() == QChar::Mark_NonSpacing) {
            if (toneOf(c)) *tone = toneOf(c);
            continue;
        }
        folded += c;
    }
    if (folded.size() > 1 && folded.back() >= QLatin1Char('1') &&
        folded.back() <= QLatin1Char('5') && folded.at(folded.size() - 2).isLetter()) {
        *tone = folded.back().digitValue();
        folded.chop(1);
    }
    return folded;
}

bool hasUmlaut(const char *pinyin)
{
    return QString::fromUtf8(pinyin)
        .normalized(QString::NormalizationForm_D)
        .contains(QChar(0x0308));
}

Rank latinRank(const Names &names, const QString &typed, int typedTone)
{
    int tone = 0;
    QStringList pinyins{fold(QString::fromUtf8(names.pinyin), &tone)};
    // Keyboards have no ü: pinyin input methods take v for it.
    if (hasUmlaut(names.pinyin))
        pinyins << QString(pinyins.first()).replace(QLatin1Char('u'), QLatin1Char('v'));
    QStringList others{QString::fromUtf8(names.symbol).toLower(), QString::fromUtf8(names.english)};
    if (*names.otherEnglish) others << QString::fromUtf8(names.otherEnglish);
    Rank best = NoMatch;
    for (const QString &key : qAsConst(pinyins)) {
        if (key == typed)
            best = std::min(best, typedTone != 0 && typedTone == tone ? ToneToo : Whole);
        if (key.startsWith(typed)) best = std::min(best, Beginning);
    }
    for (const QString &key : qAsConst(others)) {
        if (key == typed) best = std::min(best, Whole);
        if (key.startsWith(typed)) best = std::min(best, Beginning);
    }
    return best;
}

bool allDigits(const QString &text)
{
    return !text.isEmpty() &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c.isDigit(); });
}

}  // namespace

const Names *find(int atomicNumber)
{
    for (const Names &names : kNames)
        if (names.atomicNumber == atomicNumber) return &names;
    return nullptr;
}

QString suggestion(const Names &names)
{
    return QStringLiteral("%1 %2 %3 %4 %5")
        .arg(QString::fromUtf8(names.chinese), QString::fromUtf8(names.symbol))
        .arg(names.atomicNumber)
        .arg(QString::fromUtf8(names.pinyin), QString::fromUtf8(names.english));
}

QVector<int> match(const QString &typedText)
{
    const QString typed = typedText.trimmed();
    if (typed.isEmpty()) return {};
    if (allDigits(typed)) {
        const Names *names = find(typed.toInt());
        return names ? QVector<int>{names->atomicNumber} : QVector<int>{};
    }
    // Digits and hyphens name a substance by its CAS number, and only one element has it.
    if (typed.front().isDigit() && typed.contains(QLatin1Char('-'))) {
        for (const Names &names : kNames)
            if (typed == QLatin1String(names.cas)) return {names.atomicNumber};
        return {};
    }
    int tone = 0;
    const QString folded = fold(typed, &tone);
    QVector<std::pair<Rank, int>> found;
    for (const Names &names : kNames) {
        const Rank rank =
            typed == QString::fromUtf8(names.chinese) ? Whole : latinRank(names, folded, tone);
        if (rank != NoMatch) found.append({rank, names.atomicNumber});
    }
    std::stable_sort(found.begin(), found.end(),
                     [](const auto &a, const auto &b) { return a.first < b.first; });
    QVector<int> numbers;
    std::transform(found.begin(), found.end(), std::back_inserter(numbers),
                   [](const auto &f) { return f.second; });
    return numbers;
}

}  // namespace ElementNames
