#pragma once

// The program's command line beside its window: an element's card, the whole table as CSV,
// one property's chart as a file, and the help. These need no window and no display, so
// they are told apart before the application object exists, which would otherwise ask the
// desktop for a screen. Every failure ends with a Chinese message on standard error and
// exit status 2, after nothing has been written.
namespace CommandLine {

// Whether the arguments ask for one of these, or are wrong (an unknown option, a stray
// word): those are refused here, without a display.
bool isWindowless(int argc, char *argv[]);

// Does the work on the offscreen platform; returns the exit status.
int run(int argc, char *argv[]);

}  // namespace CommandLine
