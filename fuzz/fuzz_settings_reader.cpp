// Arbitrary bytes as settings.prn: every bad line is skipped and reported with its number,
// never thrown. What the program then saves must read back to the same settings.
#include <QBuffer>
#include <QByteArray>
#include <QRegularExpression>
#include <QStringList>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "FuzzSupport.h"
#include "files/DataError.h"
#include "files/ModVantrel.h"
#include "files/Settings.h"

using namespace mod_Vantrel;

namespace {

const QString kFileName = QStringLiteral("settings.prn");

QStringList read(QByteArray bytes, Settings::Values &values)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QStringList problems;
    try {
        Settings::read(buffer, kFileName, values, &problems);
    } catch (const DataError &) {
        FuzzSupport::fault("settings reader", "a bad line was thrown instead of skipped");
    }
    return problems;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const QRegularExpression kProblem(QStringLiteral("^第 (\\d+) 行："));
    static const QRegularExpression kMore(QStringLiteral("^以及另外 (\\d+) 行$"));
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    Settings::Values values;
    QStringList problems = read(bytes, values);
    const int lines = FuzzSupport::lineCount(bytes);
    // Past the listed lines the rest are only counted, in one closing line.
    if (!problems.isEmpty()) {
        const QRegularExpressionMatch more = kMore.match(problems.last());
        if (more.hasMatch()) {
            problems.removeLast();
            if (problems.size() != Settings::kMaxListedProblems || more.captured(1).toInt() < 1 ||
                more.captured(1).toInt() > lines)
                FuzzSupport::fault("settings reader", "count of unlisted lines is wrong");
        }
    }
    if (problems.size() > Settings::kMaxListedProblems)
        FuzzSupport::fault("settings reader", "more lines listed than the limit");
    int previous = 0;
    for (const QString &problem : problems) {
        const QRegularExpressionMatch m = kProblem.match(problem);
        if (!m.hasMatch()) FuzzSupport::fault("settings reader", "problem without its line number");
        const int line = m.captured(1).toInt();
        if (line <= previous || line > lines)
            FuzzSupport::fault("settings reader", "problem line out of order or out of the file");
        previous = line;
    }

    // Save, then load what was saved: the same four settings, and no problem.
    const QByteArray saved = Settings::fileText(values);
    Settings::Values readBack;
    if (!read(saved, readBack).isEmpty())
        FuzzSupport::fault("settings reader", "saved settings do not read back");
    if (Settings::fileText(readBack) != saved)
        FuzzSupport::fault("settings reader", "saved settings read back different");
    return 0;
}
