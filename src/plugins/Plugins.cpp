#include "Plugins.h"

#include <QCoreApplication>
#include <QDir>
#include <QHash>
#include <QPluginLoader>

#include "chartplugin/ChartPlugin.h"

namespace Plugins {

namespace {

const QString kFolder = QStringLiteral("plugins");
const QString kChartsFile = QStringLiteral("ferrova-charts.so");

QString &folderOverride()
{
    static QString folder;
    return folder;
}

QObject *linkedInstance(const char *iid)
{
    const QList<QStaticPlugin> linked = QPluginLoader::staticPlugins();
    for (const QStaticPlugin &plugin : linked)
        if (plugin.metaData().value(QLatin1String("IID")).toString() == QLatin1String(iid))
            return plugin.instance();
    return nullptr;
}

}  // namespace

QString folder()
{
    if (!folderOverride().isEmpty()) return folderOverride();
    return QCoreApplication::applicationDirPath() + QLatin1Char('/') + kFolder;
}

void setFolder(const QString &folder)
{
    folderOverride() = folder;
}

QString filePath(const QString &fileName)
{
    return folder() + QLatin1Char('/') + fileName;
}

QObject *instance(const char *iid, const QString &fileName, QString *problem, const QString &kind)
{
    if (QObject *linked = linkedInstance(iid)) return linked;
    const QString path = filePath(fileName);
    QPluginLoader loader(path);
    QObject *object = loader.instance();
    if (object && object->qt_metacast(iid)) return object;
    if (problem) {
        const QString file = QDir::toNativeSeparators(path);
        *problem = object ? QStringLiteral("%1 不是本程序的%2").arg(file, kind)
                          : QStringLiteral("%1（%2）").arg(file, loader.errorString());
    }
    return nullptr;
}

ChartPlugin *charts(QString *problem)
{
    // Asked for again only while it failed: a plugin, once loaded, stays.
    static ChartPlugin *loaded = nullptr;
    static QString lastProblem;
    if (!loaded) {
        loaded = qobject_cast<ChartPlugin *>(
            instance(qobject_interface_iid<ChartPlugin *>(), kChartsFile, &lastProblem));
        if (!loaded) qWarning("chart plugin: %s", qPrintable(lastProblem));
    }
    if (problem) *problem = loaded ? QString() : lastProblem;
    return loaded;
}

QString chartsMissingText(const QString &problem)
{
    return QStringLiteral(
               "找不到曲线图组件，无法显示曲线图、打印或保存图片。"
               "请重新安装本程序。\n%1")
        .arg(problem);
}

QString productPage()
{
    return QStringLiteral("https://www.ferrova.example/soft/kelor/?ver=" FERROVA_VERSION);
}

}  // namespace Plugins
