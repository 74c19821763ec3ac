#pragma once

// Start-up milestones for whoever measures the program: with FERROVA_STARTUP_TRACE set in
// the environment, each mark() writes one line to stderr, for example
//   ferrova-startup first-frame process_ms=120 main_ms=98.412 rss_kb=81234
// process_ms counts from the process's start as the kernel records it (in 10 ms clock
// ticks, so it carries their rounding); main_ms counts from start() to the nanosecond.
namespace StartupTrace {

void start();  // the first thing main() does
void mark(const char *milestone);
bool enabled();

// Milliseconds since the kernel started this process; -1 when it cannot be read.
double msSinceProcessStart();
long residentKb();

}  // namespace StartupTrace
