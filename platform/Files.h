#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace lymn {

// A file descriptor closed when it goes out of scope.
class UniqueFd {
  public:
    UniqueFd() = default;
    explicit UniqueFd(int fd) : fd_(fd) {}
    ~UniqueFd();
    UniqueFd(UniqueFd&& o) noexcept : fd_(o.release()) {}
    UniqueFd& operator=(UniqueFd&& o) noexcept;
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    int get() const { return fd_; }
    int release() {
        const int f = fd_;
        fd_ = -1;
        return f;
    }
    explicit operator bool() const { return fd_ >= 0; }

  private:
    int fd_ = -1;
};

// The kernel file functions the program uses, on POSIX. Paths have no length limit.
namespace files {

using Path = std::filesystem::path;

bool exists(const Path& p);
bool isDirectory(const Path& p);
// A file this process may write; one without any write permission bit is read-only for every
// user, root included, as the desktop's read-only attribute is.
bool isWritableFile(const Path& p);
// A folder this process may create files in.
bool isWritableDirectory(const Path& p);
bool createDirectory(const Path& p);
// Creates the folder and any missing folders above it; true when it exists afterwards.
bool createDirectories(const Path& p);
// Renames; never replaces an existing file (fails instead).
bool renameNoReplace(const Path& from, const Path& to);
// Copies, replacing the target atomically: the new contents go to a temporary file in the
// target's folder, are flushed, and are renamed over the target, so the target is always either
// the old or the new file. Like the desktop's copy, a read-only target is not replaced; the copy
// keeps the source's permissions plus its owner's write permission. flush: the new contents reach
// the disk before the rename (a copy over a file that must survive a power cut); a scratch copy may
// leave it to the system.
enum class Flush { Yes, No };
bool copyReplace(const Path& from, const Path& to, Flush flush = Flush::Yes);
bool remove(const Path& p);
// Opens an existing file for writing only, never creating or truncating it, with an exclusive
// lock: fails when the file is missing, cannot be written, or another holder has it locked.
std::optional<UniqueFd> openExistingExclusive(const Path& p);
bool writeAt(int fd, uint64_t offset, std::span<const uint8_t> bytes);
std::optional<std::vector<uint8_t>> readAll(const Path& p);
bool writeAll(const Path& p, std::span<const uint8_t> bytes);
// Writes a whole file through a temporary one in the same folder, flushed (unless told not to)
// and renamed over the target: a crash or a full disk leaves the old file or the new one, never
// a part, and a failed write removes the temporary file.
bool writeReplace(const Path& p, std::span<const uint8_t> bytes, Flush flush = Flush::Yes);
// The folder of the running executable (/proc/self/exe), with no trailing separator.
Path executableFolder();
// Holds an exclusive lock file while it lives. It waits for the lock at most waitMs
// milliseconds (negative: without limit); busy() then says that another holder kept it. A lock
// file that cannot be made is neither locked nor busy.
class LockFile {
  public:
    explicit LockFile(const Path& p, int waitMs = -1);
    bool locked() const { return static_cast<bool>(fd_); }
    bool busy() const { return busy_; }

  private:
    UniqueFd fd_;
    bool busy_ = false;
};

}  // namespace files
}  // namespace lymn
