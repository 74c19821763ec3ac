#include "IsotopeQuery.h"

#include "elements/ElementNames.h"
#include "files/ModVantrel.h"

#include <QRegularExpression>

namespace Isotopes::Query {

namespace {

constexpr int kMaxMassNumber = 300;

bool same(const char *name, const QString &text)
{
    return *name && QString::fromUtf8(name).compare(text, Qt::CaseInsensitive) == 0;
}

}  // namespace

int element(const QString &text)
{
    const QString wanted = text.trimmed();
    bool isNumber = false;
    const int number = wanted.toInt(&isNumber);
    if (isNumber) return number >= 1 && number <= mod_Vantrel::kElementCount ? number : 0;
    for (int candidate : ElementNames::match(wanted)) {
        const ElementNames::Names *names = ElementNames::find(candidate);
        if (same(names->symbol, wanted) || same(names->chinese, wanted) ||
            same(names->english, wanted) || same(names->otherEnglish, wanted))
            return candidate;
    }
    return 0;
}

std::optional<NuclideName> nuclide(const QString &text)
{
    // The name then the mass number ("C-14", "U235", "碳 14"), or the mass number first ("14C").
    static const QRegularExpression nameFirst(QStringLiteral("^(\\D+?)[\\s-]*(\\d{1,3})$"));
    static const QRegularExpression numberFirst(QStringLiteral("^(\\d{1,3})\\s*([A-Za-z]{1,2})$"));
    const QString wanted = text.trimmed();
    QString name;
    QString mass;
    if (const auto m = nameFirst.match(wanted); m.hasMatch()) {
        name = m.captured(1);
        mass = m.captured(2);
    } else if (const auto m2 = numberFirst.match(wanted); m2.hasMatch()) {
        name = m2.captured(2);
        mass = m2.captured(1);
    } else {
        return std::nullopt;
    }
    const int atomicNumber = element(name);
    const int massNumber = mass.toInt();
    if (atomicNumber == 0 || massNumber < atomicNumber || massNumber > kMaxMassNumber)
        return std::nullopt;
    return NuclideName{atomicNumber, massNumber};
}

}  // namespace Isotopes::Query
