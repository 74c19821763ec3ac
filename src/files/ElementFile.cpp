#include "ElementFile.h"

#include "DataError.h"
#include "DataFiles.h"

#include <algorithm>
#include <array>
#include <vector>

using namespace mod_Vantrel;

namespace ElementFile {

namespace {

// True for a number the scan does not accept.
bool outOfRange(Numbers numbers, int atomicNumber, int lowest)
{
    if (numbers == Numbers::Any) return false;
    return atomicNumber < lowest || atomicNumber > kElementCount;
}

}  // namespace

QString path()
{
    return DataFiles::dataPath(QStringLiteral("Elements.prn"));
}

void scan(Numbers numbers, const Visit &visit)
{
    const QString file = path();
    const int lowest = numbers == Numbers::Charted ? 1 : 0;
    InputFile fileNumber1(file);
    ElementRecordType ElementRecord;
    while (!fileNumber1.atEnd()) {
        ReadElementRecord(fileNumber1.input(), ElementRecord);
        const int number = ElementRecord.AtomicNumber;
        if (numbers == Numbers::Charted && number == 0) continue;  // the grid's hidden cell
        if (outOfRange(numbers, number, lowest))
            throw DataError(DataError::Kind::NoSuchElement, file, fileNumber1.input().itemLine(),
                            QStringLiteral("原子序数 %1 不在 %2 到 %3 之间")
                                .arg(number)
                                .arg(lowest)
                                .arg(kElementCount));
        if (visit(ElementRecord) == Next::Stop) return;
    }
}

std::optional<ElementRecordType> find(int atomicNumber)
{
    std::optional<ElementRecordType> found;
    scan(Numbers::Any, [&](const ElementRecordType &record) {
        if (record.AtomicNumber != atomicNumber) return Next::Continue;
        found = record;
        return Next::Stop;
    });
    return found;
}

QVector<ElementRecordType> latestRecords()
{
    std::vector<ElementRecordType> latest(kElementCount + 1);
    std::array<qint64, kElementCount + 1> lastSeen{};  // 0: no record with that number
    qint64 count = 0;
    ElementFile::scan(ElementFile::Numbers::Charted, [&](const ElementRecordType &record) {
        latest[record.AtomicNumber] = record;
        lastSeen[record.AtomicNumber] = ++count;
        return ElementFile::Next::Continue;
    });
    QVector<int> numbers;
    for (int number = 1; number <= kElementCount; ++number)
        if (lastSeen[number] > 0) numbers.append(number);
    std::sort(numbers.begin(), numbers.end(),
              [&lastSeen](int a, int b) { return lastSeen[a] < lastSeen[b]; });
    QVector<ElementRecordType> records;
    records.reserve(numbers.size());
    for (const int number : qAsConst(numbers)) records.append(std::move(latest[number]));
    return records;
}

}  // namespace ElementFile
