#pragma once

#include <linux/capability.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QByteArray>
#include <QString>
#include <functional>

// Root passes every permission check on files, and tests often run as root. A test of
// refused access runs its step in a child process that has given up those powers for good
// (effective and permitted), so the step meets the checks an ordinary user meets.
//
// Returns the text the step returned, or "<...>" saying what went wrong: the child could
// not drop its powers, crashed, or was still busy after `seconds` (a step that blocks is
// killed rather than hanging the test).
inline QString runAsOrdinaryUser(const std::function<QString()> &step, int seconds = 20)
{
    int fds[2];
    if (pipe(fds) != 0) return QStringLiteral("<no pipe>");
    const pid_t child = fork();
    if (child < 0) return QStringLiteral("<no fork>");
    if (child == 0) {
        close(fds[0]);
        __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
        __user_cap_data_struct caps[_LINUX_CAPABILITY_U32S_3]{};
        if (syscall(SYS_capget, &header, caps) != 0) _exit(2);
        for (const int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH, CAP_FOWNER}) {
            const quint32 bit = 1u << (cap % 32);
            caps[cap / 32].effective &= ~bit;
            caps[cap / 32].permitted &= ~bit;
            caps[cap / 32].inheritable &= ~bit;
        }
        if (syscall(SYS_capset, &header, caps) != 0) _exit(2);
        const QByteArray out = step().toUtf8();
        const bool written = write(fds[1], out.constData(), size_t(out.size())) == out.size();
        _exit(written ? 0 : 3);
    }
    close(fds[1]);
    QByteArray out;
    pollfd ready{fds[0], POLLIN, 0};
    bool timedOut = false;
    for (;;) {
        if (poll(&ready, 1, seconds * 1000) <= 0) {
            timedOut = true;
            kill(child, SIGKILL);
            break;
        }
        char buffer[4096];
        const ssize_t n = read(fds[0], buffer, sizeof buffer);
        if (n <= 0) break;
        out.append(buffer, n);
    }
    close(fds[0]);
    int status = 0;
    waitpid(child, &status, 0);
    if (timedOut) return QStringLiteral("<still waiting after %1 s>").arg(seconds);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return QStringLiteral("<child failed: status %1>").arg(status);
    return QString::fromUtf8(out);
}
