#pragma once

#include <QByteArray>
#include <cstdio>
#include <cstdlib>

// Shared by the fuzz targets.
namespace FuzzSupport {

// A broken promise of a reader: libFuzzer keeps the input that caused it.
[[noreturn]] inline void fault(const char *reader, const char *what)
{
    std::fprintf(stderr, "%s fault: %s\n", reader, what);
    std::abort();
}

// Lines as the readers count them: LF, CR LF and a lone CR each end one.
inline int lineCount(const QByteArray &bytes)
{
    int lines = 1;
    for (qsizetype i = 0; i < bytes.size(); ++i)
        if (bytes[i] == '\n' ||
            (bytes[i] == '\r' && (i + 1 == bytes.size() || bytes[i + 1] != '\n')))
            ++lines;
    return lines;
}

}  // namespace FuzzSupport
