// Arbitrary bytes as settings.prn: every bad line is skipped and reported with its number,
// never thrown. What the program then saves must read back to the same settings.
#include <QBuffer>
#include <QByteArray>
#include <QRegularExpression>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "data/DataError.h"
#include "data/ModVantrel.h"
#include "data/Settings.h"

using namespace mod_Vantrel;

namespace {

const QString kFileName = QStringLiteral("settings.prn");

[[noreturn]] void fault(const char *what)
{
    std::fprintf(stderr, "settings reader fault: %s\n", what);
    std::abort();
}

int lineCount(const QByteArray &bytes)
{
    int lines = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    return lines;
}

QStringList read(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QStringList problems;
    try {
        Settings::Read(buffer, kFileName, &problems);
    } catch (const DataError &) {
        fault("a bad line was thrown instead of skipped");
    }
    return problems;
}

QByteArray savedText()
{
    return Settings::FileText(AtomicRadiusColor, CovalentRadiusColor, ChartWindowsMode,
                              ElementGroupMode);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression kProblem(QStringLiteral("^第 (\\d+) 行："));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    ResetModuleState();
    const QStringList problems = read(bytes);
    const int lines = lineCount(bytes);
    int previous = 0;
    for (const QString &problem : problems) {
        const QRegularExpressionMatch m = kProblem.match(problem);
        if (!m.hasMatch()) fault("problem without its line number");
        const int line = m.captured(1).toInt();
        if (line <= previous || line > lines) fault("problem line out of order or out of the file");
        previous = line;
    }

    // Save, then load what was saved: the same four settings, and no problem.
    const QByteArray saved = savedText();
    ResetModuleState();
    if (!read(saved).isEmpty()) fault("saved settings do not read back");
    if (savedText() != saved) fault("saved settings read back different");
    return 0;
}
