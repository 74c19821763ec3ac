#include "BrowserEngine.h"

namespace BrowserEngine {

namespace {

const QString kFlags = QStringLiteral("QTWEBENGINE_CHROMIUM_FLAGS");

bool hasSwitch(const QString &flags, const QString &name)
{
    const QStringList words = flags.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString &word : words)
        if (word == name || word.startsWith(name + QLatin1Char('='))) return true;
    return false;
}

// The zygote only exists to start sandboxed page processes quickly. With the sandbox
// already turned off by the user or the test environment, one page does not need it, and
// leaving it out saves two processes.
QByteArray chromiumFlags(const QProcessEnvironment &environment)
{
    const QString flags = environment.value(kFlags).trimmed();
    const bool sandboxOff = environment.contains(QStringLiteral("QTWEBENGINE_DISABLE_SANDBOX")) ||
                            hasSwitch(flags, QStringLiteral("--no-sandbox"));
    if (!sandboxOff || hasSwitch(flags, QStringLiteral("--no-zygote")) ||
        hasSwitch(flags, QStringLiteral("--single-process")))
        return {};
    return (flags.isEmpty() ? QString() : flags + QLatin1Char(' ')).toUtf8() + "--no-zygote";
}

}  // namespace

QList<Setting> settingsFor(const QProcessEnvironment &environment)
{
    QList<Setting> settings;
    // The pane shows one page of text. Drawing it in software keeps the OpenGL driver
    // (with Mesa, LLVM too: about 50 MB) out of the process and its start-up off the clock;
    // nothing else in the program draws with OpenGL.
    if (!environment.contains(QStringLiteral("QT_QUICK_BACKEND")))
        settings.append(Setting{"QT_QUICK_BACKEND", "software"});
    if (!environment.contains(QStringLiteral("QT_XCB_GL_INTEGRATION")))
        settings.append(Setting{"QT_XCB_GL_INTEGRATION", "none"});
    const QByteArray flags = chromiumFlags(environment);
    if (!flags.isEmpty()) settings.append(Setting{kFlags.toLatin1(), flags});
    return settings;
}

void configure()
{
    for (const Setting &setting : settingsFor(QProcessEnvironment::systemEnvironment()))
        qputenv(setting.name.constData(), setting.value);
}

}  // namespace BrowserEngine
