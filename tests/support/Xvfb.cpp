#include "tests/support/Xvfb.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <thread>

#include "platform/Error.h"

extern char** environ;

namespace lymn::test {

namespace {

std::vector<char*> cstrings(std::vector<std::string>& v) {
    std::vector<char*> out;
    for (auto& s : v) out.push_back(s.data());
    out.push_back(nullptr);
    return out;
}

std::vector<std::string> environmentWith(const std::string& display) {
    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
        if (std::string(*e).rfind("DISPLAY=", 0) != 0 &&
            std::string(*e).rfind("WAYLAND_DISPLAY=", 0) != 0)
            env.emplace_back(*e);
    env.push_back("DISPLAY=" + display);
    return env;
}

pid_t start(std::vector<std::string> argv, std::vector<std::string> env, const std::string& workdir,
            int outFd, const std::string& errPath = "/dev/null") {
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (outFd >= 0)
        posix_spawn_file_actions_adddup2(&actions, outFd, 1);
    else
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, errPath.c_str(), O_WRONLY | O_CREAT | O_APPEND,
                                     0644);
    if (!workdir.empty()) posix_spawn_file_actions_addchdir_np(&actions, workdir.c_str());
    auto args = cstrings(argv);
    auto envp = cstrings(env);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    return rc == 0 ? pid : -1;
}

uint32_t be32(const std::vector<uint8_t>& b, size_t at) {
    return (uint32_t{b[at]} << 24) | (uint32_t{b[at + 1]} << 16) | (uint32_t{b[at + 2]} << 8) |
           b[at + 3];
}

}  // namespace

bool Xvfb::installed() {
    return std::filesystem::exists("/usr/bin/Xvfb") && std::filesystem::exists("/usr/bin/xwd") &&
           std::filesystem::exists("/usr/bin/xdpyinfo");
}

Xvfb::Xvfb(Size screen) {
    const std::string geometry =
        std::to_string(screen.width) + "x" + std::to_string(screen.height) + "x24";
    for (int n = 90 + static_cast<int>(::getpid() % 50); n < 400; ++n) {
        if (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(n)) ||
            std::filesystem::exists("/tmp/.X" + std::to_string(n) + "-lock"))
            continue;
        display_ = ":" + std::to_string(n);
        // -noreset: a server that resets when its last client leaves refuses the next one a moment.
        pid_ = start({"Xvfb", display_, "-screen", "0", geometry, "-nolisten", "tcp", "-noreset"},
                     environmentWith(display_), "", -1);
        if (pid_ <= 0) return;
        for (int i = 0; i < 100; ++i) {
            // The socket appears before the server takes clients: wait until it answers.
            if (std::filesystem::exists("/tmp/.X11-unix/X" + std::to_string(n)) && answers())
                return;
            int status = 0;
            if (::waitpid(pid_, &status, WNOHANG) == pid_) break;  // the number was taken after all
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        stopProcess(pid_);
        pid_ = -1;
    }
}

Xvfb::~Xvfb() {
    if (pid_ > 0) stopProcess(pid_);
    if (!errorLog_.empty()) std::filesystem::remove(errorLog_);
}

void Xvfb::kill() {
    if (pid_ <= 0) return;
    ::kill(pid_, SIGKILL);
    int status = 0;
    ::waitpid(pid_, &status, 0);
    pid_ = -1;
}

bool Xvfb::answers() {
    return !capture({"xdpyinfo", "-display", display_}).empty();
}

pid_t Xvfb::spawn(const std::vector<std::string>& argv, const std::string& workdir) {
    return spawn(argv, workdir, {});
}

pid_t Xvfb::spawn(const std::vector<std::string>& argv, const std::string& workdir,
                  const Changes& changes) {
    errorLog_ = (std::filesystem::temp_directory_path() /
                 ("lymn-xvfb-errors-" + std::to_string(::getpid()) + ".txt"))
                    .string();
    std::vector<std::string> env;
    for (const std::string& e : environmentWith(display_)) {
        const std::string name = e.substr(0, e.find('='));
        if (!changes.count(name)) env.push_back(e);
    }
    for (const auto& [name, value] : changes)
        if (value) env.push_back(name + "=" + *value);
    return start(argv, env, workdir, -1, errorLog_);
}

std::string Xvfb::errors() const {
    std::ifstream in(errorLog_);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string Xvfb::capture(const std::vector<std::string>& argv) {
    int fds[2];
    if (::pipe(fds) != 0) return {};
    const pid_t pid = start(argv, environmentWith(display_), "", fds[1]);
    ::close(fds[1]);
    std::string out;
    char buf[4096];
    ssize_t n = 0;
    while ((n = ::read(fds[0], buf, sizeof buf)) > 0) out.append(buf, static_cast<size_t>(n));
    ::close(fds[0]);
    int status = 0;
    if (pid > 0) ::waitpid(pid, &status, 0);
    while (!out.empty() && (out.back() == '\n' || out.back() == ' ')) out.pop_back();
    return out;
}

std::optional<std::string> Xvfb::waitForWindow(const std::string& windowClass, int timeoutMs) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (std::chrono::steady_clock::now() < end) {
        std::string id = capture({"xdotool", "search", "--onlyvisible", "--class", windowClass});
        if (!id.empty()) return id.substr(0, id.find('\n'));
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return std::nullopt;
}

Bitmap Xvfb::screenshot() {
    const std::string file = "/tmp/lymn-xwd-" + std::to_string(::getpid()) + ".xwd";
    capture({"xwd", "-root", "-silent", "-out", file});
    std::ifstream in(file, std::ios::binary);
    std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(file);
    return readXwd(bytes);
}

Bitmap readXwd(const std::vector<uint8_t>& b) {
    if (b.size() < 100) throw Error("not an XWD file");
    const uint32_t headerSize = be32(b, 0);
    const uint32_t width = be32(b, 16), height = be32(b, 20);
    const uint32_t byteOrder = be32(b, 28);
    const uint32_t bitsPerPixel = be32(b, 44), bytesPerLine = be32(b, 48);
    const uint32_t ncolors = be32(b, 76);
    const size_t data = headerSize + static_cast<size_t>(ncolors) * 12;
    // Pixels of 3 or 4 bytes; lines may be padded beyond them.
    const uint32_t step = bitsPerPixel / 8;
    if ((bitsPerPixel != 24 && bitsPerPixel != 32) || step < 3 ||
        data + static_cast<size_t>(bytesPerLine) * height > b.size())
        throw Error("unsupported XWD file: " + std::to_string(b.size()) + " bytes, " +
                    std::to_string(bitsPerPixel) + " bits per pixel");
    Bitmap out(static_cast<int>(width), static_cast<int>(height));
    for (uint32_t y = 0; y < height; ++y)
        for (uint32_t x = 0; x < width; ++x) {
            const uint8_t* p = b.data() + data + static_cast<size_t>(y) * bytesPerLine + step * x;
            const uint32_t v =
                byteOrder == 0
                    ? (uint32_t{p[2]} << 16) | (uint32_t{p[1]} << 8) | p[0]
                    : (uint32_t{p[step - 3]} << 16) | (uint32_t{p[step - 2]} << 8) | p[step - 1];
            out.setPixel(static_cast<int>(x), static_cast<int>(y), 0xFF000000u | (v & 0xFFFFFFu));
        }
    return out;
}

int stopProcess(pid_t pid) {
    int status = 0;
    if (::waitpid(pid, &status, WNOHANG) == pid)
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    ::kill(pid, SIGTERM);
    for (int i = 0; i < 40; ++i) {
        if (::waitpid(pid, &status, WNOHANG) == pid)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(25));
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, &status, 0);
    return -1;
}

}  // namespace lymn::test
