#pragma once

#include <QString>

class ChartPlugin;
class QObject;

// The program's plugins live in <program folder>/plugins, found relative to the program so
// that a moved install still finds them. A plugin linked into the program itself (as the
// tests link theirs) is taken before any file.
namespace Plugins {

// The object of the plugin offering `iid`, loaded once and kept; nullptr when there is
// none, with the reason (file and what went wrong, in Chinese) in `problem`.
QObject *instance(const char *iid, const QString &fileName, QString *problem);

// The chart plugin (charts/ChartPlugin.h), loaded on the first ask; nullptr when it is
// missing or broken, the reason in `problem`.
ChartPlugin *charts(QString *problem = nullptr);
// What the user is told instead of a chart, a print or a saved picture when it is missing.
QString chartsMissingText(const QString &problem);

}  // namespace Plugins
