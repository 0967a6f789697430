#include "platform/Files.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

namespace lymn {

UniqueFd::~UniqueFd() {
    if (fd_ >= 0) ::close(fd_);
}

UniqueFd& UniqueFd::operator=(UniqueFd&& o) noexcept {
    if (this != &o) {
        if (fd_ >= 0) ::close(fd_);
        fd_ = o.release();
    }
    return *this;
}

namespace files {

bool exists(const Path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0;
}

bool isDirectory(const Path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool isWritableDirectory(const Path& p) {
    return isDirectory(p) && ::access(p.c_str(), W_OK | X_OK) == 0;
}

bool createDirectory(const Path& p) {
    return ::mkdir(p.c_str(), 0777) == 0;
}

bool createDirectories(const Path& p) {
    if (isDirectory(p)) return true;
    if (p.empty() || p == p.parent_path()) return false;
    if (!createDirectories(p.parent_path())) return false;
    return createDirectory(p) || isDirectory(p);
}

bool renameNoReplace(const Path& from, const Path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS) return false;
    // File systems without the flag: a hard link never replaces either.
    if (::link(from.c_str(), to.c_str()) != 0) return false;
    ::unlink(from.c_str());
    return true;
}

namespace {

bool writeFully(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        data += n;
        size -= static_cast<size_t>(n);
    }
    return true;
}

// A file without any write permission bit counts as read-only, for every user (root
// included), as the desktop's read-only attribute does.
bool writable(const Path& p, const struct stat& st) {
    return (st.st_mode & 0222) != 0 && ::access(p.c_str(), W_OK) == 0;
}

Path temporaryBeside(const Path& target) {
    static thread_local std::mt19937_64 rng{std::random_device{}()};
    char suffix[24];
    std::snprintf(suffix, sizeof suffix, ".%016llx.tmp", static_cast<unsigned long long>(rng()));
    Path t = target;
    t += suffix;
    return t;
}

}  // namespace

bool isWritableFile(const Path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 && writable(p, st);
}

bool copyReplace(const Path& from, const Path& to, Flush flush) {
    UniqueFd in(::open(from.c_str(), O_RDONLY | O_CLOEXEC));
    if (!in) return false;
    struct stat st {};
    if (::fstat(in.get(), &st) != 0 || !S_ISREG(st.st_mode)) return false;
    struct stat target {};
    if (::stat(to.c_str(), &target) == 0) {
        if (S_ISDIR(target.st_mode) || !writable(to, target)) return false;
    }
    const Path tmp = temporaryBeside(to);
    // The copy keeps the source's permissions, but its owner may always write it, so a copy of a
    // read-only file (the program's scratch copies) can be rewritten and replaced later.
    UniqueFd out(
        ::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, (st.st_mode & 07777) | 0200));
    if (!out) return false;
    bool ok = true;
    // On the stack: a fresh heap block for each copy would cost a page fault per 4 KiB.
    std::array<uint8_t, 16 * 1024> buffer;
    for (;;) {
        const ssize_t n = ::read(in.get(), buffer.data(), buffer.size());
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) ok = false;
        if (n <= 0) break;
        if (!writeFully(out.get(), buffer.data(), static_cast<size_t>(n))) {
            ok = false;
            break;
        }
    }
    if (ok && flush == Flush::Yes) ok = ::fsync(out.get()) == 0;
    // Some file systems report a failed write only when the file is closed.
    ok = ::close(out.release()) == 0 && ok;
    if (ok) ok = ::rename(tmp.c_str(), to.c_str()) == 0;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

bool remove(const Path& p) {
    return ::unlink(p.c_str()) == 0;
}

std::optional<UniqueFd> openExistingExclusive(const Path& p) {
    struct stat st {};
    if (::stat(p.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || !writable(p, st))
        return std::nullopt;
    UniqueFd fd(::open(p.c_str(), O_WRONLY | O_CLOEXEC));
    if (!fd) return std::nullopt;
    if (::flock(fd.get(), LOCK_EX | LOCK_NB) != 0) return std::nullopt;
    return fd;
}

bool writeAt(int fd, uint64_t offset, std::span<const uint8_t> bytes) {
    if (::lseek(fd, static_cast<off_t>(offset), SEEK_SET) < 0) return false;
    return writeFully(fd, bytes.data(), bytes.size());
}

std::optional<std::vector<uint8_t>> readAll(const Path& p) {
    UniqueFd fd(::open(p.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd) return std::nullopt;
    struct stat st {};
    if (::fstat(fd.get(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    // Read straight into the result, sized by the file; a file that grows meanwhile is read on.
    std::vector<uint8_t> out(static_cast<size_t>(st.st_size) + 1);
    size_t used = 0;
    for (;;) {
        if (used == out.size()) out.resize(out.size() * 2);
        const ssize_t n = ::read(fd.get(), out.data() + used, out.size() - used);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return std::nullopt;
        if (n == 0) break;
        used += static_cast<size_t>(n);
    }
    out.resize(used);
    return out;
}

bool writeAll(const Path& p, std::span<const uint8_t> bytes) {
    UniqueFd fd(::open(p.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666));
    return fd && writeFully(fd.get(), bytes.data(), bytes.size());
}

bool writeReplace(const Path& p, std::span<const uint8_t> bytes, Flush flush) {
    const Path tmp = temporaryBeside(p);
    UniqueFd fd(::open(tmp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666));
    if (!fd) return false;
    bool ok = writeFully(fd.get(), bytes.data(), bytes.size()) &&
              (flush == Flush::No || ::fsync(fd.get()) == 0);
    // Some file systems report a failed write only when the file is closed.
    ok = ::close(fd.release()) == 0 && ok;
    if (ok) ok = ::rename(tmp.c_str(), p.c_str()) == 0;
    if (!ok) ::unlink(tmp.c_str());
    return ok;
}

Path executableFolder() {
    std::error_code ec;
    const Path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return std::filesystem::current_path();
    return exe.parent_path();
}

LockFile::LockFile(const Path& p, int waitMs)
    : fd_(::open(p.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666)) {
    if (!fd_) return;
    if (waitMs < 0) {
        while (::flock(fd_.get(), LOCK_EX) != 0) {
            if (errno != EINTR) {
                fd_ = UniqueFd();
                return;
            }
        }
        return;
    }
    // Polled: a holder keeps the lock only for the few milliseconds of a start.
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (::flock(fd_.get(), LOCK_EX | LOCK_NB) != 0) {
        if (errno != EWOULDBLOCK && errno != EINTR) {
            fd_ = UniqueFd();
            return;
        }
        if (std::chrono::steady_clock::now() >= end) {
            fd_ = UniqueFd();
            busy_ = true;
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
}

}  // namespace files
}  // namespace lymn
