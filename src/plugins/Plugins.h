#pragma once

#include <QString>

class ChartPlugin;
class QObject;

// The one place the program's plugins are found and loaded. They live in
// <program folder>/plugins, found relative to the program so that a moved install still
// finds them; tests may name another folder. A plugin linked into the program itself (as
// the tests link the chart and network plugins) is taken before any file.
namespace Plugins {

// The folder the plugin files are looked for in.
QString folder();
void setFolder(const QString &folder);  // tests only; empty: back to the program's own
QString filePath(const QString &fileName);

// The object of the plugin offering `iid`, loaded once and kept; nullptr when there is
// none, with the reason (file and what went wrong, in Chinese) in `problem`. `kind` names
// the plugin in that reason when the file is some other plugin.
QObject *instance(const char *iid, const QString &fileName, QString *problem,
                  const QString &kind = QStringLiteral("插件"));

// The chart plugin (chartplugin/ChartPlugin.h), loaded on the first ask; nullptr when it is
// missing or broken, the reason in `problem`.
ChartPlugin *charts(QString *problem = nullptr);
// What the user is told instead of a chart, a print or a saved picture when it is missing.
QString chartsMissingText(const QString &problem);

// The maker's product page, which the browser pane shows through the web view plugin.
QString productPage();

}  // namespace Plugins
