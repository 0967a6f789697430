// Measures, from outside, how long programs take from their start until their first window is
// mapped and drawn (the first X damage inside the window), and their peak resident memory then.
// Several programs take turns run by run, so that a machine changing speed weighs on all alike.
//   xwatch [--runs N] [--settle MS] -- PROGRAM [ARGS...] [-- PROGRAM [ARGS...]]...
// Prints one line per start and each program's medians. Needs a display (Xvfb).
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

struct Program {
    std::vector<char*> argv;  // null-terminated
    std::vector<double> times, peaks;
};

struct Watch {
    Display* display = nullptr;
    int damageEvent = 0;
    Window root = 0;
};

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

// The program as it was named on the command line (two builds of one program differ by
// folder); one started through env with variables is named by the program env runs.
const char* name(const Program& p) {
    const char* slash = std::strrchr(p.argv[0], '/');
    if (std::strcmp(slash ? slash + 1 : p.argv[0], "env") != 0) return p.argv[0];
    for (size_t k = 1; k + 1 < p.argv.size(); ++k)
        if (!std::strchr(p.argv[k], '=')) return p.argv[k];
    return p.argv[0];
}

bool inside(const XRectangle& a, const XWindowAttributes& w) {
    return a.x < w.x + w.width && a.x + a.width > w.x && a.y < w.y + w.height &&
           a.y + a.height > w.y;
}

// Milliseconds from the spawn until the first damage inside the first window mapped.
double firstFrame(const Watch& w, Clock::time_point start) {
    Window mapped = 0;
    XWindowAttributes wa{};
    for (;;) {
        XEvent e;
        XNextEvent(w.display, &e);
        if (e.type == MapNotify && !mapped && e.xmap.event == w.root) {
            mapped = e.xmap.window;
            XGetWindowAttributes(w.display, mapped, &wa);
        } else if (e.type == ConfigureNotify && e.xconfigure.window == mapped) {
            wa.x = e.xconfigure.x;
            wa.y = e.xconfigure.y;
            wa.width = e.xconfigure.width;
            wa.height = e.xconfigure.height;
        } else if (e.type == w.damageEvent + XDamageNotify && mapped &&
                   inside(reinterpret_cast<XDamageNotifyEvent*>(&e)->area, wa)) {
            return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
}

// One start: time, peak after the settling time, then the program is ended and the server is
// given the same time to let go of it.
bool measure(const Watch& w, Program& p, int settle) {
    while (XPending(w.display)) {
        XEvent e;
        XNextEvent(w.display, &e);
    }
    const auto start = Clock::now();
    pid_t pid = 0;
    if (posix_spawn(&pid, p.argv[0], nullptr, nullptr, p.argv.data(), environ) != 0) {
        std::perror("xwatch: spawn");
        return false;
    }
    const double ms = firstFrame(w, start);
    std::this_thread::sleep_for(std::chrono::milliseconds(settle));
    const long kb = peakKb(pid);
    kill(pid, SIGTERM);
    int status = 0;
    waitpid(pid, &status, 0);
    std::this_thread::sleep_for(std::chrono::milliseconds(settle));
    p.times.push_back(ms);
    if (kb > 0) p.peaks.push_back(kb / 1024.0);
    std::printf("%s: first frame %.1f ms, peak resident %.1f MB\n", name(p), ms,
                kb > 0 ? kb / 1024.0 : 0.0);
    std::fflush(stdout);
    return true;
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
    std::vector<Program> programs;
    for (; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--")) {
            programs.emplace_back();
            continue;
        }
        programs.back().argv.push_back(argv[i]);
    }
    std::erase_if(programs, [](const Program& p) { return p.argv.empty(); });
    if (programs.empty()) {
        std::fprintf(stderr,
                     "usage: xwatch [--runs N] [--settle MS] -- PROGRAM [ARGS...] [-- ...]\n");
        return 2;
    }
    for (Program& p : programs) p.argv.push_back(nullptr);
    Watch w;
    w.display = XOpenDisplay(nullptr);
    if (!w.display) {
        std::fprintf(stderr, "xwatch: no display\n");
        return 1;
    }
    int damageError = 0;
    if (!XDamageQueryExtension(w.display, &w.damageEvent, &damageError)) {
        std::fprintf(stderr, "xwatch: no DAMAGE extension\n");
        return 1;
    }
    w.root = DefaultRootWindow(w.display);
    XSelectInput(w.display, w.root, SubstructureNotifyMask);  // maps and moves of top-level windows
    XDamageCreate(w.display, w.root, XDamageReportRawRectangles);
    XSync(w.display, False);
    for (int run = 0; run < runs; ++run)
        for (Program& p : programs)
            if (!measure(w, p, settle)) return 1;
    for (const Program& p : programs)
        std::printf("median %s: first frame %.1f ms, peak resident %.1f MB\n", name(p),
                    median(p.times), median(p.peaks));
    for (size_t k = 1; k < programs.size(); ++k)
        std::printf("ratio of the medians, %s to %s: %.2f\n", name(programs[k]), name(programs[0]),
                    median(programs[k].times) / median(programs[0].times));
    XCloseDisplay(w.display);
    return 0;
}
