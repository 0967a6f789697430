#pragma once

#include <cstddef>
#include <filesystem>
#include <string>

namespace lymn::test {

// A small file system of the test's own: a tmpfs of a few hundred kilobytes mounted on a new
// folder, which the test can fill up or make read-only. It is mounted in a mount namespace of
// this process, so no other process sees it and it goes when the process ends. That needs root,
// or a kernel that lets an ordinary user have a user namespace (before any thread is started);
// where neither holds, mounted() is false and why() says so.
class SmallDisk {
  public:
    explicit SmallDisk(size_t bytes = 512 * 1024);
    ~SmallDisk();
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool mounted() const { return mounted_; }
    const std::string& why() const { return why_; }
    const std::filesystem::path& path() const { return path_; }

    // Takes every free byte but about leave of them, so that a write fails with "no space left"
    // once it is past them; free() gives them back.
    void fill(size_t leave = 0);
    void free();
    // The whole file system read-only, or writable again; false when the kernel refused.
    bool setReadOnly(bool readOnly);

  private:
    std::filesystem::path path_;
    size_t bytes_;
    bool mounted_ = false;
    std::string why_;
};

}  // namespace lymn::test
