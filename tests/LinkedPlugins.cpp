// The chart and network plugins are linked into every test that makes the main window, so
// the window finds them without a plugins folder and the tests can look into the chart.
#include <QtPlugin>

Q_IMPORT_PLUGIN(ChartsPlugin)
Q_IMPORT_PLUGIN(NetworkPlugin)
