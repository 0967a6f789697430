#pragma once

#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tests/support/XDisplay.h"
#include "tests/support/Xvfb.h"

namespace lymn::test {

// Window coordinates of what the desktop tests use.
inline constexpr Point kScreenshotButton{1 + 94 + 40, 45 + 433 + 11};
inline constexpr Point kEmptyTitleBar{1 + 200, 10};
inline constexpr Point kMinimise{1 + 409, 12};
inline constexpr Point kInertSpot{200, 100};  // the page's background, beside the pickers

inline bool waitFor(const std::function<bool()>& done, int ms = 5000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (std::chrono::steady_clock::now() < end) {
        if (done()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return done();
}

// The exit status of a process that ends by itself within ms (-1: it did not, or was killed).
inline int exitStatus(pid_t pid, int ms) {
    int status = 0;
    if (!waitFor([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, ms)) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Why the desktop tests cannot run here (empty when they can): the X tools, and openbox when the
// test runs under a window manager.
inline std::string missingDesktopTools(bool withManager) {
    if (!Xvfb::installed() || !std::filesystem::exists("/usr/bin/xdotool"))
        return "Xvfb, xwd, xdpyinfo or xdotool is not installed; ./setup installs them";
    if (withManager && !std::filesystem::exists("/usr/bin/openbox"))
        return "openbox is not installed; ./setup installs it";
    return {};
}

// A new folder holding the program and its data file, as a portable copy.
inline std::filesystem::path portableFolder(const std::string& name) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const char* f : {"lymn-sim", "lymn.mdb"})
        std::filesystem::copy_file(std::filesystem::path(LYMN_BINARY_DIR) / f, folder / f);
    return folder;
}

// A virtual X server seen as a user's desktop: the program's windows, the mouse and keys.
struct Session {
    explicit Session(Size screen = {1024, 768}) : x(std::make_unique<Xvfb>(screen)) {
        if (x->running()) xd = std::make_unique<XDisplay>(x->display());
    }
    bool ready() const { return x->running() && xd && xd->open(); }

    std::vector<unsigned long> windows() { return xd->stacking("lymn-sim"); }
    // The main window among them: the one of the window's size.
    unsigned long mainWindow() {
        for (unsigned long w : windows())
            if (xd->bounds(w).size() == Size{440, 535}) return w;
        return 0;
    }
    void xdotool(const std::vector<std::string>& args) {
        std::vector<std::string> argv{"xdotool"};
        argv.insert(argv.end(), args.begin(), args.end());
        x->capture(argv);
    }
    void clickAt(Point screen) {
        xdotool({"mousemove", std::to_string(screen.x), std::to_string(screen.y), "click", "1"});
    }
    void key(const std::string& name) { xdotool({"key", name}); }
    // The window, other than main, that appears within ms (0: none).
    unsigned long boxBeside(unsigned long main, int ms = 5000) {
        unsigned long box = 0;
        waitFor(
            [&] {
                for (unsigned long w : windows())
                    if (w != main) box = w;
                return box != 0;
            },
            ms);
        return box;
    }
    bool onlyWindowIs(unsigned long main) {
        return waitFor([&] { return windows() == std::vector<unsigned long>{main}; });
    }

    std::unique_ptr<Xvfb> x;
    std::unique_ptr<XDisplay> xd;
};

}  // namespace lymn::test
