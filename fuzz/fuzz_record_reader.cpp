// Arbitrary bytes as the element data file: the reader must either fill the record or
// throw DataError naming the file and a line that exists, and it must come to the same
// records and the same error whether the device hands the bytes over at once or a few at
// a time. Anything else (another exception, a sanitizer report, a hang, runaway memory)
// is a fault.
#include <QBuffer>
#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "TrickleDevice.h"
#include "files/DataError.h"
#include "files/ListInput.h"
#include "files/ModVantrel.h"

using namespace mod_Vantrel;

namespace {

const QString kFileName = QStringLiteral("Elements.prn");

void checkRecord(const ElementRecordType &r)
{
    if (r.InputText.contains(QLatin1Char('\n')) || r.InputText.contains(QLatin1Char('\r')))
        FuzzSupport::fault("record reader", "text item runs over a line end");
    const QStringList fields = {r.StableOxidationStates, r.OxidationStates, r.EConfigText1,
                                r.EConfigText2,          r.EConfigText3,    r.EConfigText4,
                                r.SkippedText,           r.PhaseCode,       r.Symbol};
    for (const QString &field : fields)
        if (field.contains(QLatin1Char('\t')))
            FuzzSupport::fault("record reader", "a split field holds a TAB");
    // The ten fields put back together with their TABs give the text item again.
    if (fields.join(QLatin1Char('\t')) + QLatin1Char('\t') + r.ElementName != r.InputText)
        FuzzSupport::fault("record reader", "split fields do not make up the text item");
}

void checkError(const DataError &e, int lines)
{
    if (e.file() != kFileName) FuzzSupport::fault("record reader", "error names another file");
    if (e.line() < 1 || e.line() > lines)
        FuzzSupport::fault("record reader", "error names a line the file does not have");
    if (int(e.kind()) < int(DataError::Kind::OpenFailed) ||
        int(e.kind()) > int(DataError::Kind::NoSuchElement))
        FuzzSupport::fault("record reader", "error kind out of range");
    if (!e.message().contains(kFileName))
        FuzzSupport::fault("record reader", "message does not name the file");
}

// Every record read, then the error that ended the reading (if any), as text.
QStringList readAll(QIODevice &device, const QByteArray &bytes)
{
    ListInput in(device, kFileName);
    QStringList outcome;
    ElementRecordType r;
    try {
        while (!in.atEnd()) {
            ReadElementRecord(in, r);
            checkRecord(r);
            outcome << QString::number(r.AtomicNumber) + QLatin1Char('|') +
                           QString::number(r.VaporisationEnthalpy, 'g', 9) + QLatin1Char('|') +
                           r.InputText;
        }
    } catch (const DataError &e) {
        checkError(e, FuzzSupport::lineCount(bytes));
        outcome << QStringLiteral("error %1 at line %2").arg(int(e.kind())).arg(e.line());
    }
    return outcome;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QStringList whole = readAll(buffer, bytes);
    TrickleDevice trickle(bytes, size > 0 ? data[0] % 13 + 1 : 1);
    if (readAll(trickle, bytes) != whole)
        FuzzSupport::fault("record reader", "bytes handed over piecemeal read differently");
    return 0;
}
