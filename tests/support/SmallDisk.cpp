#include "tests/support/SmallDisk.h"

#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <vector>

namespace lymn::test {

namespace {

namespace fs = std::filesystem;

bool writeText(const char* file, const std::string& text) {
    std::ofstream out(file);
    out << text;
    out.close();
    return static_cast<bool>(out);
}

// A mount namespace of this process, its mounts private to it. Once per process. Empty, or why
// there is none.
std::string ownMountNamespace() {
    static std::string why = [] {
        if (::geteuid() == 0) {
            if (::unshare(CLONE_NEWNS) != 0)
                return std::string("no mount namespace of its own: ") + std::strerror(errno);
        } else {
            const uid_t uid = ::geteuid();
            const gid_t gid = ::getegid();
            if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0)
                return std::string("not root, and no user namespace: ") + std::strerror(errno);
            // The user is root of the new namespace, which may mount a tmpfs in it.
            if (!writeText("/proc/self/setgroups", "deny") ||
                !writeText("/proc/self/uid_map", "0 " + std::to_string(uid) + " 1\n") ||
                !writeText("/proc/self/gid_map", "0 " + std::to_string(gid) + " 1\n"))
                return std::string("the user namespace's ids cannot be mapped");
        }
        if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return std::string("the mounts cannot be made private: ") + std::strerror(errno);
        return std::string();
    }();
    return why;
}

}  // namespace

SmallDisk::SmallDisk(size_t bytes) : bytes_(bytes) {
    path_ = fs::temp_directory_path() / ("lymn-small-disk-" + std::to_string(::getpid()));
    std::error_code ec;
    fs::create_directories(path_, ec);
    const std::string ns = ownMountNamespace();
    if (!ns.empty()) {
        why_ = "cannot mount a small file system here (" + ns + ")";
        return;
    }
    const std::string options = "size=" + std::to_string(bytes_) + ",mode=0777";
    if (::mount("lymn-small-disk", path_.c_str(), "tmpfs", 0, options.c_str()) != 0) {
        why_ = std::string("cannot mount a small file system here: ") + std::strerror(errno);
        return;
    }
    mounted_ = true;
}

SmallDisk::~SmallDisk() {
    if (mounted_) ::umount2(path_.c_str(), MNT_DETACH);
    std::error_code ec;
    fs::remove_all(path_, ec);
}

void SmallDisk::fill(size_t leave) {
    const int fd = ::open((path_ / ".filler").c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
    if (fd < 0) return;
    const std::vector<char> block(4096, 'f');
    for (size_t size = block.size(); size > 0;) {
        if (::write(fd, block.data(), size) < 0) {
            if (errno != ENOSPC) break;
            size /= 2;  // the last few bytes
        }
    }
    const off_t full = ::lseek(fd, 0, SEEK_END);
    if (leave > 0 && full > 0) {
        [[maybe_unused]] const int rc =
            ::ftruncate(fd, full - std::min<off_t>(full, static_cast<off_t>(leave)));
    }
    ::close(fd);
}

void SmallDisk::free() {
    ::unlink((path_ / ".filler").c_str());
}

bool SmallDisk::setReadOnly(bool readOnly) {
    const std::string options = "size=" + std::to_string(bytes_) + ",mode=0777";
    const unsigned long flags = MS_REMOUNT | (readOnly ? MS_RDONLY : 0);
    return mounted_ &&
           ::mount("lymn-small-disk", path_.c_str(), "tmpfs", flags, options.c_str()) == 0;
}

}  // namespace lymn::test
