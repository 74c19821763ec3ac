// Launches a program under an X server and reports, as one line of JSON:
//   map_ms     from just before exec until the X server maps the program's first
//              top-level window (no window manager needed);
//   ready_ms   until the program wrote a line holding the ready marker on stderr;
//   trace      every stderr line that starts with the trace prefix;
//   processes  the whole process tree once start-up has settled (ready, then the settle
//              time): per process resident size (RSS) and proportional size (PSS, where
//              each shared page is split between the processes that use it).
//   engine_mapped  whether the program's own process has the browser engine's libraries
//              (libQt6WebEngine*) mapped at that point.
// Usage: launch_probe [--ready TEXT] [--trace PREFIX] [--settle-ms N] [--timeout-ms N]
//                     -- program [args...]
#include <X11/Xlib.h>

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

namespace {

double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

struct Options {
    std::string ready;
    std::string tracePrefix = "ferrova-startup ";
    int settleMs = 2000;
    int timeoutMs = 30000;
    char **command = nullptr;
};

struct ProcMemory {
    pid_t pid;
    std::string name;
    long rssKb = 0;
    long pssKb = 0;
};

std::map<pid_t, pid_t> parentsOfAll()
{
    std::map<pid_t, pid_t> parents;
    DIR *dir = opendir("/proc");
    if (!dir) return parents;
    while (dirent *entry = readdir(dir)) {
        const pid_t pid = static_cast<pid_t>(std::atoi(entry->d_name));
        if (pid <= 0) continue;
        std::ifstream stat("/proc/" + std::string(entry->d_name) + "/stat");
        std::string line;
        std::getline(stat, line);
        // The command name may hold blanks; the parent id follows its closing bracket.
        const auto close = line.rfind(')');
        if (close == std::string::npos) continue;
        std::istringstream rest(line.substr(close + 2));
        char state = 0;
        pid_t parent = 0;
        rest >> state >> parent;
        parents[pid] = parent;
    }
    closedir(dir);
    return parents;
}

std::vector<pid_t> processTree(pid_t root)
{
    const auto parents = parentsOfAll();
    std::vector<pid_t> tree{root};
    for (size_t i = 0; i < tree.size(); ++i)
        for (const auto &[pid, parent] : parents)
            if (parent == tree[i]) tree.push_back(pid);
    return tree;
}

ProcMemory readMemory(pid_t pid)
{
    ProcMemory memory{pid, {}, 0, 0};
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::getline(comm, memory.name);
    std::ifstream rollup("/proc/" + std::to_string(pid) + "/smaps_rollup");
    std::string line;
    while (std::getline(rollup, line)) {
        if (line.rfind("Rss:", 0) == 0) memory.rssKb = std::atol(line.c_str() + 4);
        if (line.rfind("Pss:", 0) == 0) memory.pssKb = std::atol(line.c_str() + 4);
    }
    return memory;
}

std::string jsonString(const std::string &text)
{
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') out += '\\';
        if (static_cast<unsigned char>(c) >= 0x20) out += c;
    }
    return out + "\"";
}

// Watches the X server and the child's stderr at once, so the child never blocks on a
// full pipe while it is being measured.
class Watch {
public:
    Watch(Display *display, int errFd, const Options &options)
        : m_display(display), m_errFd(errFd), m_options(options)
    {
    }

    void runUntil(double deadline, bool stopWhenReady)
    {
        while (nowMs() < deadline) {
            drainX();
            if (stopWhenReady && mapMs >= 0 && (m_options.ready.empty() || readyMs >= 0)) return;
            pollfd fds[2] = {{ConnectionNumber(m_display), POLLIN, 0}, {m_errFd, POLLIN, 0}};
            poll(fds, m_errFd >= 0 ? 2 : 1, 5);
            if (m_errFd >= 0 && (fds[1].revents & (POLLIN | POLLHUP))) readErr();
        }
    }

    double start = 0;
    double mapMs = -1;
    double readyMs = -1;
    std::vector<std::string> trace;

private:
    void drainX()
    {
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
            if (event.type == MapNotify && !event.xmap.override_redirect && mapMs < 0)
                mapMs = nowMs() - start;
        }
    }

    void readErr()
    {
        char buffer[4096];
        const ssize_t n = read(m_errFd, buffer, sizeof buffer);
        if (n <= 0) {
            m_errFd = -1;
            return;
        }
        m_pending.append(buffer, static_cast<size_t>(n));
        for (size_t end; (end = m_pending.find('\n')) != std::string::npos;) {
            const std::string line = m_pending.substr(0, end);
            m_pending.erase(0, end + 1);
            if (line.rfind(m_options.tracePrefix, 0) == 0) trace.push_back(line);
            if (!m_options.ready.empty() && readyMs < 0 &&
                line.find(m_options.ready) != std::string::npos)
                readyMs = nowMs() - start;
        }
    }

    Display *m_display;
    int m_errFd;
    const Options &m_options;
    std::string m_pending;
};

void stopTree(pid_t root)
{
    for (pid_t pid : processTree(root)) kill(pid, SIGTERM);
    for (int i = 0; i < 100; ++i) {
        if (waitpid(root, nullptr, WNOHANG) == root) return;
        usleep(20000);
    }
    for (pid_t pid : processTree(root)) kill(pid, SIGKILL);
    waitpid(root, nullptr, 0);
}

bool parse(int argc, char **argv, Options &options)
{
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--") {
            options.command = i + 1 < argc ? argv + i + 1 : nullptr;
            return options.command != nullptr;
        }
        if (arg == "--ready" && hasValue)
            options.ready = argv[++i];
        else if (arg == "--trace" && hasValue)
            options.tracePrefix = argv[++i];
        else if (arg == "--settle-ms" && hasValue)
            options.settleMs = std::atoi(argv[++i]);
        else if (arg == "--timeout-ms" && hasValue)
            options.timeoutMs = std::atoi(argv[++i]);
        else
            return false;
    }
    return false;
}

bool engineMapped(pid_t pid)
{
    std::ifstream maps("/proc/" + std::to_string(pid) + "/maps");
    std::string line;
    while (std::getline(maps, line))
        if (line.find("libQt6WebEngine") != std::string::npos) return true;
    return false;
}

void printReport(const Watch &watch, pid_t child)
{
    std::printf("{\"map_ms\": %.3f, \"ready_ms\": %.3f, \"engine_mapped\": %s, \"trace\": [",
                watch.mapMs, watch.readyMs, engineMapped(child) ? "true" : "false");
    for (size_t i = 0; i < watch.trace.size(); ++i)
        std::printf("%s%s", i ? ", " : "", jsonString(watch.trace[i]).c_str());
    std::printf("], \"processes\": [");
    const char *separator = "";
    for (pid_t pid : processTree(child)) {
        const ProcMemory m = readMemory(pid);
        std::printf("%s{\"pid\": %d, \"name\": %s, \"rss_kb\": %ld, \"pss_kb\": %ld}", separator,
                    m.pid, jsonString(m.name).c_str(), m.rssKb, m.pssKb);
        separator = ", ";
    }
    std::printf("]}\n");
}

}  // namespace

int main(int argc, char **argv)
{
    Options options;
    if (!parse(argc, argv, options)) {
        std::fprintf(stderr,
                     "usage: launch_probe [--ready TEXT] [--trace PREFIX] [--settle-ms N] "
                     "[--timeout-ms N] -- program [args]\n");
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "launch_probe: cannot open the X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);
    int errPipe[2];
    if (pipe(errPipe) != 0) return 2;

    Watch watch(display, errPipe[0], options);
    watch.start = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        dup2(errPipe[1], STDERR_FILENO);
        close(errPipe[0]);
        close(errPipe[1]);
        execvp(options.command[0], options.command);
        _exit(127);
    }
    close(errPipe[1]);
    watch.runUntil(watch.start + options.timeoutMs, true);
    const bool ready = watch.mapMs >= 0 && (options.ready.empty() || watch.readyMs >= 0);
    watch.runUntil(nowMs() + options.settleMs, false);
    printReport(watch, child);
    stopTree(child);
    XCloseDisplay(display);
    return ready ? 0 : 1;
}
