#include "StartupTrace.h"

#include <unistd.h>
#include <QByteArray>
#include <QElapsedTimer>
#include <QFile>
#include <QList>
#include <cstdio>
#include <ctime>

namespace StartupTrace {

namespace {

QElapsedTimer &sinceMain()
{
    static QElapsedTimer timer;
    return timer;
}

QList<QByteArray> statFields()
{
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly)) return {};
    const QByteArray line = stat.readAll();
    // The command name may hold blanks and brackets; the fields after it are plain.
    const int close = line.lastIndexOf(')');
    if (close < 0) return {};
    return line.mid(close + 2).split(' ');
}

}  // namespace

void start()
{
    sinceMain().start();
}

bool enabled()
{
    static const bool on = qEnvironmentVariableIsSet("FERROVA_STARTUP_TRACE");
    return on;
}

double msSinceProcessStart()
{
    // Field 22 of /proc/<pid>/stat, the start time in clock ticks after boot; the list
    // begins at field 3.
    const QList<QByteArray> fields = statFields();
    if (fields.size() < 20) return -1;
    bool ok = false;
    const double ticks = fields.at(19).toDouble(&ok);
    timespec now{};
    if (!ok || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
    const double startMs = ticks * 1000.0 / double(sysconf(_SC_CLK_TCK));
    return now.tv_sec * 1000.0 + now.tv_nsec / 1e6 - startMs;
}

long residentKb()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly)) return -1;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    if (pages.size() < 2) return -1;
    return pages.at(1).toLong() * (sysconf(_SC_PAGESIZE) / 1024);
}

void mark(const char *milestone)
{
    if (!enabled()) return;
    const double mainMs = sinceMain().isValid() ? sinceMain().nsecsElapsed() / 1e6 : -1;
    std::fprintf(stderr, "ferrova-startup %s process_ms=%.1f main_ms=%.3f rss_kb=%ld\n", milestone,
                 msSinceProcessStart(), mainMs, residentKb());
    std::fflush(stderr);
}

}  // namespace StartupTrace
