// Arbitrary bytes as the element data file: the reader must either fill the record or
// throw DataError naming the file and a line that exists. Anything else (another
// exception, a sanitizer report, a hang, runaway memory) is a fault.
#include <QBuffer>
#include <QByteArray>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "data/DataError.h"
#include "data/ListInput.h"
#include "data/ModVantrel.h"

using namespace mod_Vantrel;

namespace {

const QString kFileName = QStringLiteral("Elements.prn");

[[noreturn]] void fault(const char *what)
{
    std::fprintf(stderr, "record reader fault: %s\n", what);
    std::abort();
}

// Lines as the reader counts them: LF, CR LF and a lone CR each end one.
int lineCount(const QByteArray &bytes)
{
    int lines = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    return lines;
}

void checkRecord()
{
    const ElementRecordType &r = ElementRecord;
    if (LoopIndex != 10) fault("loop counter not left at 10");
    if (r.InputText.contains(QLatin1Char('\n')) || r.InputText.contains(QLatin1Char('\r')))
        fault("text item runs over a line end");
    const QStringList fields = {r.StableOxidationStates, r.OxidationStates, r.EConfigText1,
                                r.EConfigText2,          r.EConfigText3,    r.EConfigText4,
                                r.SkippedText,           r.PhaseCode,       r.Symbol};
    for (const QString &field : fields)
        if (field.contains(QLatin1Char('\t'))) fault("a split field holds a TAB");
    // The ten fields put back together with their TABs give the text item again.
    if (fields.join(QLatin1Char('\t')) + QLatin1Char('\t') + r.ElementName != r.InputText)
        fault("split fields do not make up the text item");
}

void checkError(const DataError &e, int lines)
{
    if (e.file() != kFileName) fault("error names another file");
    if (e.line() < 1 || e.line() > lines) fault("error names a line the file does not have");
    if (int(e.kind()) < int(DataError::Kind::OpenFailed) ||
        int(e.kind()) > int(DataError::Kind::NoSuchElement))
        fault("error kind out of range");
    if (!e.message().contains(kFileName)) fault("message does not name the file");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ResetModuleState();
    ListInput in(buffer, kFileName);
    try {
        while (!in.atEnd()) {
            ReadElementRecord(in);
            checkRecord();
        }
    } catch (const DataError &e) {
        checkError(e, lineCount(bytes));
    }
    return 0;
}
