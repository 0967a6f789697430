#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lymn::store {

// A build the player saved under a name; code is the build's printable code as given.
struct SavedBuild {
    int64_t id = 0;
    std::string name;
    std::string code;
    // Seconds since the epoch of the last save or rename.
    int64_t changedAt = 0;

    bool operator==(const SavedBuild&) const = default;
};

// What the player reads when a build cannot be saved, renamed or removed. The ones about the
// folder end with its quoted path (%s), so the error box adds no full stop after them.
namespace buildTexts {

inline constexpr char kNameEmpty[] = "伙计,方案名不能空着.起个名字吧";
inline constexpr char kNameTooLong[] = "伙计,方案名太长了.最多32个字";
inline constexpr char kNameNotUtf8[] = "伙计,方案名里有乱码.换个名字吧";
inline constexpr char kNameControl[] = "伙计,方案名里不能有换行、制表这类控制字符";
inline constexpr char kNameTaken[] = "伙计,已经有叫\"%s\"的方案了.换个名字吧";
inline constexpr char kBuildGone[] = "伙计,这个方案已经不在了.可能被删掉了";
inline constexpr char kBusy[] = "伙计,方案库被另一个模拟器占着.过会儿再试试";
inline constexpr char kWriteFailed[] = "伙计,方案没存上:%s";
inline constexpr char kOpenFailed[] = "伙计,方案库打不开:%s";
inline constexpr char kFolderMissing[] = "伙计,方案文件夹不存在,方案存不了.\n文件夹:\"%s\"";
inline constexpr char kFolderReadOnly[] = "伙计,方案文件夹没有写权限,方案存不了.\n文件夹:\"%s\"";
inline constexpr char kFileReadOnly[] = "伙计,方案库 builds.db 是只读的,方案存不了.\n文件夹:\"%s\"";
inline constexpr char kNewerVersion[] =
    "伙计,方案库是新版本的模拟器存的,这个版本只能看不能改.\n文件夹:\"%s\"";
inline constexpr char kDamagedStuck[] =
    "伙计,方案库坏了,文件夹又写不进去,没法另起一个.\n文件夹:\"%s\"";
inline constexpr char kMoveFailed[] = "伙计,方案库坏了,可挪不开它.\n文件夹:\"%s\"";

}  // namespace buildTexts

// The player's saved builds, kept in builds.db in the given folder (the program's working
// folder). Every change is one transaction flushed to disk, so a build is saved whole or not at
// all, also when the process is killed or the power fails. A damaged file is moved aside under
// a dated name and a fresh one started; when the folder or the file cannot be written, the
// builds can still be listed and every change raises the reason. One thread at a time uses it.
class BuildStore {
  public:
    // Seconds since the epoch; tests give their own.
    using Clock = std::function<int64_t()>;
    static Clock systemClock();

    static constexpr char kFileName[] = "builds.db";
    static constexpr size_t kMaxNameLength = 32;

    explicit BuildStore(const std::filesystem::path& folder, Clock clock = systemClock());
    ~BuildStore();
    BuildStore(const BuildStore&) = delete;
    BuildStore& operator=(const BuildStore&) = delete;

    // Newest first: by the time of the last change, then the latest id.
    std::vector<SavedBuild> list() const;
    std::optional<SavedBuild> find(const std::string& name) const;
    // Saves the code under the name; a build already of that name gets the new code and time.
    // A change gives the build a new id (returned), so that the build changed last is listed
    // first also among builds changed in the same second.
    int64_t save(const std::string& name, const std::string& code);
    // Renaming counts as a change: the build moves to the top of the list.
    int64_t rename(int64_t id, const std::string& newName);
    void remove(int64_t id);

    bool writable() const { return whyReadOnly_.empty(); }
    // Why nothing can be changed (names the folder); empty while the store is writable.
    const std::string& whyReadOnly() const { return whyReadOnly_; }
    // Where a damaged builds.db was moved when this store opened.
    const std::optional<std::filesystem::path>& movedAside() const { return movedAside_; }
    const std::filesystem::path& file() const { return file_; }

    // Raises the refusal for a name no build can have: 1 to 32 code points of valid UTF-8
    // without control characters.
    static void checkName(const std::string& name);

  private:
    struct Db;
    enum class Found { Ours, Empty, Newer, Damaged };

    std::string readOnlyReason() const;
    void openExisting();
    Found inspect(bool forWriting);
    std::unique_ptr<Db> openForReading() const;
    void startFresh();
    void moveAside();
    void requireWritable() const;

    std::filesystem::path folder_;
    std::filesystem::path file_;
    Clock clock_;
    std::unique_ptr<Db> db_;
    std::string whyReadOnly_;
    std::optional<std::filesystem::path> movedAside_;
};

}  // namespace lymn::store
