#include "IsotopeData.h"

#include "IsotopeReader.h"
#include "files/DataError.h"
#include "files/DataFiles.h"

#include <QFile>
#include <algorithm>
#include <optional>

namespace Isotopes {

namespace {

std::optional<QList<Nuclide>> &cache()
{
    static std::optional<QList<Nuclide>> nuclides;
    return nuclides;
}

QList<Nuclide> readFile()
{
    const QString path = DataFiles::resolve(DataFiles::dataPath(QString::fromLatin1(kFileName)));
    QFile file(path);
    if (const auto failure = DataFiles::openForReading(file))
        throw DataError(DataError::Kind::OpenFailed, path, 0, failure->reason);
    return read(file, path);
}

}  // namespace

const QList<Nuclide> &all()
{
    if (!cache()) cache() = readFile();
    return *cache();
}

bool shownBefore(const Nuclide &a, const Nuclide &b)
{
    if (a.isNatural() != b.isNatural()) return a.isNatural();
    return a.massNumber < b.massNumber;
}

QList<Nuclide> ofElement(int atomicNumber)
{
    QList<Nuclide> found;
    for (const Nuclide &n : all())
        if (n.atomicNumber == atomicNumber) found.append(n);
    std::stable_sort(found.begin(), found.end(), shownBefore);
    return found;
}

void forget()
{
    cache().reset();
}

}  // namespace Isotopes
