// Arbitrary text as a formula: the parser answers every input with atoms or a message that
// points into the text, within its limits, and what it read writes back to the same atoms.
#include <QSet>
#include <QString>
#include <cstdint>

#include "FuzzSupport.h"
#include "formula/FormulaParser.h"

namespace {

void checkError(const QString &text, const Formula::Error &error)
{
    if (error.reason.isEmpty()) FuzzSupport::fault("formula parser", "message without a reason");
    if (error.position < 0 || error.position > text.size())
        FuzzSupport::fault("formula parser", "position outside the formula");
    if (error.position > 0 && !error.message().startsWith(QStringLiteral("第 ")))
        FuzzSupport::fault("formula parser", "positioned message without its position");
}

// The atoms written plainly, one symbol and count each, read back.
void checkRoundTrip(const Formula::Parsed &parsed)
{
    QString plain;
    for (const Formula::Atoms &atoms : parsed.atoms)
        plain += Formula::symbolOf(atoms.kind) + QString::number(atoms.count);
    Formula::Error error;
    const std::optional<Formula::Parsed> again = Formula::parse(plain, &error);
    if (!again || again->atoms.size() != parsed.atoms.size())
        FuzzSupport::fault("formula parser", "atoms do not read back");
    for (int i = 0; i < parsed.atoms.size(); ++i)
        if (again->atoms[i].kind != parsed.atoms[i].kind ||
            again->atoms[i].count != parsed.atoms[i].count)
            FuzzSupport::fault("formula parser", "atoms read back different");
}

void checkParsed(const Formula::Parsed &parsed)
{
    if (parsed.atoms.isEmpty()) FuzzSupport::fault("formula parser", "a formula without atoms");
    if (qAbs(parsed.charge) > Formula::kMaxCharge)
        FuzzSupport::fault("formula parser", "charge beyond the limit");
    QSet<int> kinds;
    for (const Formula::Atoms &atoms : parsed.atoms) {
        if (atoms.kind < 1 || atoms.kind >= Formula::kKindCount || kinds.contains(atoms.kind))
            FuzzSupport::fault("formula parser", "unknown or repeated atom kind");
        if (atoms.count < 1 || atoms.count > Formula::kMaxAtoms)
            FuzzSupport::fault("formula parser", "count outside 1 to the limit");
        kinds.insert(atoms.kind);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    Formula::Error error;
    const std::optional<Formula::Parsed> parsed = Formula::parse(text, &error);
    if (!parsed) {
        checkError(text, error);
        return 0;
    }
    if (text.size() > Formula::kMaxLength)
        FuzzSupport::fault("formula parser", "too long, yet read");
    checkParsed(*parsed);
    checkRoundTrip(*parsed);
    return 0;
}
