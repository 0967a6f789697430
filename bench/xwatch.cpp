// Measures, from outside, how long a program takes from its start until its first window is
// mapped and drawn (the first X damage inside the window), and its peak resident memory then.
//   xwatch [--runs N] [--settle MS] -- PROGRAM [ARGS...]
// Prints one line per run and the medians. Needs a display (Xvfb).
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

long peakKb(pid_t pid) {
    std::ifstream in("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(in, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

}  // namespace

int main(int argc, char** argv) {
    int runs = 5, settle = 500;
    int i = 1;
    for (; i < argc && std::strcmp(argv[i], "--") != 0; ++i) {
        if (!std::strcmp(argv[i], "--runs") && i + 1 < argc)
            runs = std::atoi(argv[++i]);
        else if (!std::strcmp(argv[i], "--settle") && i + 1 < argc)
            settle = std::atoi(argv[++i]);
    }
    if (i + 1 >= argc) {
        std::fprintf(stderr, "usage: xwatch [--runs N] [--settle MS] -- PROGRAM [ARGS...]\n");
        return 2;
    }
    char** program = argv + i + 1;
    Display* d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "xwatch: no display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(d, &damageEvent, &damageError)) {
        std::fprintf(stderr, "xwatch: no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);  // maps and moves of top-level windows
    XDamageCreate(d, root, XDamageReportRawRectangles);
    XSync(d, False);
    std::vector<double> times, peaks;
    for (int run = 0; run < runs; ++run) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
        }
        const auto start = Clock::now();
        pid_t pid = 0;
        if (posix_spawn(&pid, program[0], nullptr, nullptr, program, environ) != 0) {
            std::perror("xwatch: spawn");
            return 1;
        }
        Window mapped = 0;
        XWindowAttributes wa{};
        double ms = -1;
        while (ms < 0) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && !mapped && e.xmap.event == root) {
                mapped = e.xmap.window;
                XGetWindowAttributes(d, mapped, &wa);
            } else if (e.type == ConfigureNotify && e.xconfigure.window == mapped) {
                wa.x = e.xconfigure.x;
                wa.y = e.xconfigure.y;
                wa.width = e.xconfigure.width;
                wa.height = e.xconfigure.height;
            } else if (e.type == damageEvent + XDamageNotify && mapped) {
                auto* de = reinterpret_cast<XDamageNotifyEvent*>(&e);
                const XRectangle& a = de->area;

                if (a.x < wa.x + wa.width && a.x + a.width > wa.x && a.y < wa.y + wa.height &&
                    a.y + a.height > wa.y)
                    ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
            }
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(settle));
        const long kb = peakKb(pid);
        kill(pid, SIGTERM);
        int status = 0;
        waitpid(pid, &status, 0);
        times.push_back(ms);
        if (kb > 0) peaks.push_back(kb / 1024.0);
        std::printf("run %d: first frame %.1f ms, peak resident %.1f MB\n", run + 1, ms,
                    kb > 0 ? kb / 1024.0 : 0.0);
        std::fflush(stdout);
    }
    std::printf("median: first frame %.1f ms, peak resident %.1f MB\n", median(times),
                median(peaks));
    XCloseDisplay(d);
    return 0;
}
