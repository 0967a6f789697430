#include "store/BuildStore.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sqlite3.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <ctime>
#include <functional>
#include <map>
#include <random>
#include <set>

#include "platform/Error.h"
#include "platform/Files.h"
#include "tests/store/StoreFixture.h"

namespace lymn::store {
namespace {

namespace fs = std::filesystem;
using namespace buildTexts;

std::string errorOf(const std::function<void()>& f) {
    try {
        f();
    } catch (const Error& e) {
        return e.what();
    }
    return "(no error)";
}

std::string repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

void runSql(const fs::path& file, const std::string& sql) {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.c_str(), &db), SQLITE_OK) << file;
    char* message = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message);
    EXPECT_EQ(rc, SQLITE_OK) << sql << ": " << (message ? message : "");
    sqlite3_free(message);
    sqlite3_close(db);
}

// The code a build of this name saved at this moment gets, so a row shows whether its code and
// time came from one save.
std::string codeFor(const std::string& name, int64_t when) {
    char hash[20];
    std::snprintf(hash, sizeof hash, "%016zx",
                  std::hash<std::string>{}(name + "/" + std::to_string(when)));
    return std::to_string(when) + "-" + hash;
}

// Saves one build in a process that then dies without closing the store, so the build is
// only in the log beside the file.
void saveAndDie(const fs::path& folder, const std::string& name, const std::string& code) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        try {
            BuildStore store(folder, [] { return int64_t{5}; });
            store.save(name, code);
            _exit(0);
        } catch (const Error&) {
            _exit(3);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
    ASSERT_TRUE(fs::exists(folder / "builds.db-wal"));
}

class BuildStoreTest : public test::StoreFixture {
  protected:
    BuildStore::Clock clock() {
        return [this] { return now; };
    }
    fs::path file() const { return dir / BuildStore::kFileName; }
    std::string inDir(const char* pattern) const { return formatMessage(pattern, dir.string()); }
    // The folder's files and their bytes.
    std::map<std::string, std::vector<uint8_t>> folderBytes(const fs::path& folder) {
        std::map<std::string, std::vector<uint8_t>> out;
        for (const auto& e : fs::directory_iterator(folder))
            if (e.is_regular_file()) out[e.path().filename().string()] = bytes(e.path());
        return out;
    }
    // The name a damaged file moved aside at the clock's moment gets, with its number.
    std::string movedName(int number) const {
        const auto t = static_cast<std::time_t>(now);
        std::tm tm{};
        localtime_r(&t, &tm);
        char stamp[32];
        std::strftime(stamp, sizeof stamp, "%Y%m%d-%H%M%S", &tm);
        const std::string suffix = number > 1 ? "-" + std::to_string(number) : "";
        return std::string("builds-") + stamp + suffix + ".damaged.db";
    }
    // True when the folder's permissions keep this process from creating a file in it.
    bool permissionsBite(const fs::path& folder) {
        const fs::path probe = folder / "probe";
        const int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0644);
        if (fd < 0) return true;
        ::close(fd);
        fs::remove(probe);
        return false;
    }

    int64_t now = 1'765'300'000;
};

TEST_F(BuildStoreTest, SavesListsReplacesRenamesRemovesAndReopens) {
    BuildStore store(dir, clock());
    EXPECT_TRUE(store.writable());
    EXPECT_EQ(store.whyReadOnly(), "");
    EXPECT_FALSE(store.movedAside());
    EXPECT_TRUE(fs::exists(file()));
    EXPECT_TRUE(store.list().empty());

    now = 100;
    store.save("甲", "CODE-A1");
    now = 200;
    store.save("乙", "CODE-B1");
    store.save("丙", "CODE-C1");
    auto builds = store.list();
    ASSERT_EQ(builds.size(), 3u);
    // Newest first; at the same second the later build first.
    EXPECT_EQ(builds[0].name, "丙");
    EXPECT_EQ(builds[1].name, "乙");
    EXPECT_EQ(builds[2].name, "甲");
    EXPECT_GT(builds[0].id, builds[1].id);
    EXPECT_EQ(builds[1].code, "CODE-B1");
    EXPECT_EQ(builds[1].changedAt, 200);
    EXPECT_EQ(builds[2].changedAt, 100);
    const int64_t a = builds[2].id, b = builds[1].id;
    int64_t c = builds[0].id;

    // Saving again under a name replaces the code and the time; the build takes a new id, so
    // that it comes first also among builds of the same second, and its old id names nothing.
    now = 300;
    const int64_t a2 = store.save("甲", "CODE-A2");
    EXPECT_GT(a2, c);
    builds = store.list();
    ASSERT_EQ(builds.size(), 3u);
    EXPECT_EQ(builds[0], (SavedBuild{a2, "甲", "CODE-A2", 300}));
    EXPECT_EQ(store.find("乙"), (SavedBuild{b, "乙", "CODE-B1", 200}));
    EXPECT_FALSE(store.find("丁"));
    EXPECT_EQ(errorOf([&] { store.rename(a, "庚"); }), kBuildGone);
    now = 200;
    EXPECT_GT(store.save("乙", "CODE-B2"), a2);
    EXPECT_EQ(store.list()[1].name, "乙");
    const int64_t c2 = store.save("丙", "CODE-C1");
    EXPECT_EQ(c2, store.list()[1].id);
    EXPECT_EQ(store.list()[1].name, "丙");
    const int64_t b2 = store.find("乙")->id;
    c = store.find("丙")->id;

    now = 400;
    const int64_t b3 = store.rename(b2, "丁");
    EXPECT_GT(b3, c);
    EXPECT_EQ(store.list()[0], (SavedBuild{b3, "丁", "CODE-B2", 400}));
    EXPECT_FALSE(store.find("乙"));
    // Its own name again is no clash.
    const int64_t b4 = store.rename(b3, "丁");
    EXPECT_EQ(errorOf([&] { store.rename(b3, "辛"); }), kBuildGone);

    const auto before = store.list();
    now = 500;
    EXPECT_EQ(errorOf([&] { store.rename(b4, "甲"); }), formatMessage(kNameTaken, "甲"));
    EXPECT_EQ(errorOf([&] { store.rename(b4 + 1000, "戊"); }), kBuildGone);
    EXPECT_EQ(store.list(), before);

    store.remove(c);
    EXPECT_FALSE(store.find("丙"));
    EXPECT_EQ(store.list().size(), 2u);
    EXPECT_EQ(errorOf([&] { store.remove(c); }), kBuildGone);
    EXPECT_EQ(errorOf([&] { store.rename(c, "己"); }), kBuildGone);

    // A removed build's id is not given again, also when a change gave it.
    store.save("丙", "CODE-C2");
    EXPECT_GT(store.find("丙")->id, c);
    const int64_t last = store.save("丙", "CODE-C3");
    store.remove(last);
    EXPECT_GT(store.save("丙", "CODE-C4"), last);

    const auto saved = store.list();
    BuildStore reopened(dir, clock());
    EXPECT_TRUE(reopened.writable());
    EXPECT_FALSE(reopened.movedAside());
    EXPECT_EQ(reopened.list(), saved);
    reopened.save("庚", "CODE-G");
    EXPECT_EQ(store.find("庚")->code, "CODE-G");
}

TEST_F(BuildStoreTest, RefusesNamesItCannotKeepAndChangesNothing) {
    BuildStore store(dir, clock());
    store.save("原来的", "CODE-0");
    const int64_t id = store.list()[0].id;
    const auto builds = store.list();
    // The file and its log, where an open store's changes go first.
    const auto stored = std::make_pair(bytes(file()), bytes(dir / "builds.db-wal"));

    const std::vector<std::pair<std::string, const char*>> refused = {
        {"", kNameEmpty},
        {repeat("字", 33), kNameTooLong},
        {repeat("a", 33), kNameTooLong},
        {repeat("🙂", 33), kNameTooLong},
        {"\xff", kNameNotUtf8},
        {"方案\xe5\xad", kNameNotUtf8},      // cut short
        {"\xc0\xaf", kNameNotUtf8},          // overlong "/"
        {"\xed\xa0\x80", kNameNotUtf8},      // a surrogate
        {"\xf4\x90\x80\x80", kNameNotUtf8},  // above U+10FFFF
        {"\x80xyz", kNameNotUtf8},           // a lone continuation byte
        {"a\nb", kNameControl},
        {"\t", kNameControl},
        {"del\x7f", kNameControl},
        {"c1\xc2\x85", kNameControl},  // U+0085
        {std::string("nul\0in", 6), kNameControl},
    };
    for (const auto& [name, text] : refused) {
        EXPECT_EQ(errorOf([&] { BuildStore::checkName(name); }), text) << name;
        EXPECT_EQ(errorOf([&] { store.save(name, "CODE-X"); }), text) << name;
        EXPECT_EQ(errorOf([&] { store.rename(id, name); }), text) << name;
    }
    EXPECT_EQ(store.list(), builds);
    EXPECT_EQ(std::make_pair(bytes(file()), bytes(dir / "builds.db-wal")), stored);

    // Each refusal reads differently.
    const std::set<std::string> texts = {kNameEmpty,   kNameTooLong, kNameNotUtf8,
                                         kNameControl, kNameTaken,   kBuildGone};
    EXPECT_EQ(texts.size(), 6u);

    // 32 code points of any script, whatever their bytes.
    for (const std::string& name :
         {repeat("字", 32), repeat("a", 32), repeat("🙂", 32), std::string("x"),
          std::string("\xef\xbf\xbd"), std::string("Ä ß ñ 한 ع")}) {
        store.save(name, "CODE-" + std::to_string(name.size()));
        ASSERT_TRUE(store.find(name)) << name;
        EXPECT_EQ(store.find(name)->code, "CODE-" + std::to_string(name.size()));
    }
    const int64_t renamed = store.rename(id, repeat("名", 32));
    EXPECT_EQ(store.find(repeat("名", 32))->id, renamed);
}

// What the saving process has done, in memory it shares with the test.
struct Progress {
    // The moment of the last save that returned.
    std::atomic<int64_t> saved{0};
    std::atomic<bool> saving{false};
};

std::string nameAt(int64_t when) {
    return "方案" + std::to_string(when % 37);
}

// Saves builds until it is killed; the clock counts the saves, so each build's time names the
// save its code came from.
[[noreturn]] void saveUntilKilled(const fs::path& dir, int64_t first, Progress& progress) {
    try {
        int64_t when = first;
        BuildStore store(dir, [&when] { return when; });
        for (;; ++when) {
            progress.saving = true;
            store.save(nameAt(when), codeFor(nameAt(when), when));
            progress.saved = when;
            progress.saving = false;
        }
    } catch (const Error&) {
        _exit(3);
    }
}

TEST_F(BuildStoreTest, KilledWhileSavingLeavesOnlyWholeBuilds) {
    void* shared = ::mmap(nullptr, sizeof(Progress), PROT_READ | PROT_WRITE,
                          MAP_SHARED | MAP_ANONYMOUS, -1, 0);
    ASSERT_NE(shared, MAP_FAILED);
    auto* progress = new (shared) Progress;
    std::mt19937 random(20261209);
    std::uniform_int_distribution<int> waitUs(2000, 25000);
    int cutMidSave = 0;
    for (int round = 0; round < 30; ++round) {
        progress->saved = 0;
        progress->saving = false;
        const pid_t child = ::fork();
        ASSERT_GE(child, 0);
        if (child == 0) saveUntilKilled(dir, (round + 1) * int64_t{1'000'000}, *progress);
        ::usleep(static_cast<useconds_t>(waitUs(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL)
            << "the saving process stopped by itself, status " << status;
        if (progress->saving) ++cutMidSave;

        BuildStore store(dir, clock());
        ASSERT_FALSE(store.movedAside()) << "round " << round;
        ASSERT_TRUE(store.writable()) << store.whyReadOnly();
        const auto builds = store.list();
        std::set<std::string> names;
        for (const auto& b : builds) {
            EXPECT_EQ(b.code, codeFor(b.name, b.changedAt)) << "round " << round << ": " << b.name;
            names.insert(b.name);
        }
        EXPECT_EQ(names.size(), builds.size());
        // A save that returned is kept; its name is not saved again for 37 more.
        if (const int64_t saved = progress->saved; saved != 0) {
            const auto last = store.find(nameAt(saved));
            ASSERT_TRUE(last) << "round " << round;
            EXPECT_EQ(last->changedAt, saved) << "round " << round;
        }
    }
    ::munmap(shared, sizeof(Progress));
    // Most kills came in the middle of a save.
    EXPECT_GT(cutMidSave, 0);
    {
        BuildStore store(dir, clock());
        EXPECT_FALSE(store.list().empty());
        store.save("最后", "CODE-LAST");
    }
    // Closed, the store is one file again.
    EXPECT_FALSE(fs::exists(dir / "builds.db-wal"));
    EXPECT_EQ(BuildStore(dir, clock()).find("最后")->code, "CODE-LAST");
}

TEST_F(BuildStoreTest, MovesADamagedFileAsideUnderADatedNameAndStartsAfresh) {
    // A real store, made longer than a few pages, to cut short.
    const fs::path source = dir / "source";
    fs::create_directories(source);
    {
        BuildStore real(source, clock());
        real.save("整的", "CODE");
    }
    runSql(source / BuildStore::kFileName,
           "with recursive n(i) as (select 1 union all select i + 1 from n where i < 500) "
           "insert into builds (name, code, changed_at) select 'b' || i, 'CODE-' || i, i from n");
    auto truncated = bytes(source / BuildStore::kFileName);
    ASSERT_GT(truncated.size(), 8192u);
    truncated.resize(truncated.size() / 2);

    std::mt19937 random(7);
    std::vector<uint8_t> noise(8192);
    for (auto& x : noise) x = static_cast<uint8_t>(random());
    // A journal the engine leaves alone (its first byte zero): it goes with its file.
    std::vector<uint8_t> journal(600, 0x5a);
    journal[0] = 0;

    const fs::path others = dir / "others.db";
    runSql(others, "create table t_js (zy text, js text); insert into t_js values ('zd', 'ss')");
    const fs::path lookalike = dir / "lookalike.db";
    runSql(lookalike,
           "create table builds (id integer primary key, name text, code text, changed_at "
           "integer); insert into builds values (1, 'x', 'y', 2)");

    const std::vector<std::pair<const char*, std::vector<uint8_t>>> damaged = {
        {"random bytes with a journal", noise},
        {"a truncated store", truncated},
        {"someone else's database", bytes(others)},
        {"our table without our marks", bytes(lookalike)},
    };
    int number = 0;
    for (const auto& [what, old] : damaged) {
        SCOPED_TRACE(what);
        ASSERT_TRUE(files::writeAll(file(), old));
        if (++number == 1) {
            ASSERT_TRUE(files::writeAll(dir / "builds.db-journal", journal));
        }

        BuildStore store(dir, clock());
        ASSERT_TRUE(store.movedAside());
        // Each at the same second: numbered after the first.
        EXPECT_EQ(*store.movedAside(), dir / movedName(number));
        EXPECT_EQ(bytes(*store.movedAside()), old);
        if (number == 1) {
            EXPECT_FALSE(fs::exists(dir / "builds.db-journal"));
            ASSERT_TRUE(fs::exists(dir / (movedName(1) + "-journal")));
            EXPECT_EQ(bytes(dir / (movedName(1) + "-journal")), journal);
        }
        EXPECT_TRUE(store.writable());
        EXPECT_TRUE(store.list().empty());
        store.save("新的", "CODE-N");

        BuildStore again(dir, clock());
        EXPECT_FALSE(again.movedAside());
        ASSERT_EQ(again.list().size(), 1u);
        EXPECT_EQ(again.list()[0].code, "CODE-N");
    }
}

TEST_F(BuildStoreTest, EmptyFileBecomesAStore) {
    ASSERT_TRUE(files::writeAll(file(), {}));
    BuildStore store(dir, clock());
    EXPECT_FALSE(store.movedAside());
    store.save("一", "CODE-1");
    EXPECT_EQ(BuildStore(dir, clock()).list().size(), 1u);
}

TEST_F(BuildStoreTest, ReadOnlyFileListsButRefusesChanges) {
    {
        BuildStore store(dir, clock());
        store.save("一", "CODE-1");
        store.save("二", "CODE-2");
    }
    // A file without write permission bits is read-only for root too.
    fs::permissions(file(), fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const auto before = folderBytes(dir);

    BuildStore store(dir, clock());
    EXPECT_FALSE(store.writable());
    EXPECT_EQ(store.whyReadOnly(), inDir(kFileReadOnly));
    EXPECT_NE(store.whyReadOnly().find(dir.string()), std::string::npos);
    EXPECT_FALSE(store.movedAside());
    const auto builds = store.list();
    ASSERT_EQ(builds.size(), 2u);
    EXPECT_EQ(builds[0].name, "二");
    EXPECT_EQ(store.find("一")->code, "CODE-1");
    EXPECT_EQ(errorOf([&] { store.save("三", "CODE-3"); }), store.whyReadOnly());
    EXPECT_EQ(errorOf([&] { store.save("一", "CODE-9"); }), store.whyReadOnly());
    EXPECT_EQ(errorOf([&] { store.rename(builds[0].id, "四"); }), store.whyReadOnly());
    EXPECT_EQ(errorOf([&] { store.remove(builds[0].id); }), store.whyReadOnly());
    EXPECT_EQ(store.list(), builds);
    EXPECT_EQ(folderBytes(dir), before);

    // A save a killed process left in the log is read through the log, which stays as it is.
    const fs::path logged = dir / "logged";
    fs::create_directories(logged);
    ASSERT_NO_FATAL_FAILURE(saveAndDie(logged, "日志里的", "CODE-L"));
    fs::permissions(logged / BuildStore::kFileName, fs::perms::owner_read);
    const auto file = bytes(logged / BuildStore::kFileName);
    const auto log = bytes(logged / "builds.db-wal");
    BuildStore fromLog(logged, clock());
    EXPECT_FALSE(fromLog.writable());
    ASSERT_TRUE(fromLog.find("日志里的"));
    EXPECT_EQ(fromLog.find("日志里的")->code, "CODE-L");
    EXPECT_EQ(errorOf([&] { fromLog.save("新", "CODE-N"); }), fromLog.whyReadOnly());
    EXPECT_EQ(bytes(logged / BuildStore::kFileName), file);
    EXPECT_EQ(bytes(logged / "builds.db-wal"), log);

    // Damaged and read-only, in a folder that can be written: it goes aside all the same.
    const fs::path other = dir / "other";
    fs::create_directories(other);
    ASSERT_TRUE(files::writeAll(other / BuildStore::kFileName, std::vector<uint8_t>(300, 7)));
    fs::permissions(other / BuildStore::kFileName, fs::perms::owner_read);
    BuildStore fresh(other, clock());
    EXPECT_TRUE(fresh.movedAside());
    EXPECT_TRUE(fresh.writable()) << fresh.whyReadOnly();
    fresh.save("新", "CODE-N");
}

TEST_F(BuildStoreTest, ReadOnlyFolderListsButRefusesChanges) {
    {
        BuildStore store(dir, clock());
        store.save("一", "CODE-1");
    }
    const fs::path empty = dir / "empty";
    const fs::path broken = dir / "broken";
    const fs::path logged = dir / "logged";
    fs::create_directories(empty);
    fs::create_directories(broken);
    fs::create_directories(logged);
    ASSERT_NO_FATAL_FAILURE(saveAndDie(logged, "日志里的", "CODE-L"));
    ASSERT_TRUE(files::writeAll(broken / BuildStore::kFileName, std::vector<uint8_t>(300, 7)));
    const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec;
    for (const auto& folder : {empty, broken, logged, dir}) fs::permissions(folder, readOnly);
    // The folders are given back their permissions so that they can be removed.
    struct Restore {
        std::vector<fs::path> folders;
        ~Restore() {
            for (const auto& f : folders) fs::permissions(f, fs::perms::owner_all);
        }
    } restore{{dir, empty, broken, logged}};
    if (!permissionsBite(dir))
        GTEST_SKIP() << "this process (root?) creates files in a folder without write permission";
    const auto before = folderBytes(dir);

    BuildStore store(dir, clock());
    EXPECT_FALSE(store.writable());
    EXPECT_EQ(store.whyReadOnly(), inDir(kFolderReadOnly));
    ASSERT_EQ(store.list().size(), 1u);
    EXPECT_EQ(store.find("一")->code, "CODE-1");
    EXPECT_EQ(errorOf([&] { store.save("二", "CODE-2"); }), store.whyReadOnly());
    EXPECT_EQ(errorOf([&] { store.rename(store.list()[0].id, "二"); }), store.whyReadOnly());
    EXPECT_EQ(errorOf([&] { store.remove(store.list()[0].id); }), store.whyReadOnly());
    EXPECT_EQ(store.list().size(), 1u);
    EXPECT_EQ(folderBytes(dir), before);

    // No store yet: nothing to list, and the reason.
    BuildStore none(empty, clock());
    EXPECT_TRUE(none.list().empty());
    EXPECT_EQ(none.whyReadOnly(), formatMessage(kFolderReadOnly, empty.string()));
    EXPECT_EQ(errorOf([&] { none.save("二", "CODE-2"); }), none.whyReadOnly());
    EXPECT_TRUE(fs::is_empty(empty));

    // A save a killed process left in the log is read through it.
    const auto files = folderBytes(logged);
    BuildStore fromLog(logged, clock());
    EXPECT_EQ(fromLog.whyReadOnly(), formatMessage(kFolderReadOnly, logged.string()));
    ASSERT_TRUE(fromLog.find("日志里的"));
    EXPECT_EQ(fromLog.find("日志里的")->code, "CODE-L");
    EXPECT_EQ(folderBytes(logged).count("builds.db"), 1u);
    EXPECT_EQ(folderBytes(logged)["builds.db-wal"], files.at("builds.db-wal"));

    // Damaged where nothing can be moved: left as it is.
    BuildStore stuck(broken, clock());
    EXPECT_FALSE(stuck.movedAside());
    EXPECT_TRUE(stuck.list().empty());
    EXPECT_EQ(stuck.whyReadOnly(), formatMessage(kDamagedStuck, broken.string()));
    EXPECT_EQ(bytes(broken / BuildStore::kFileName), std::vector<uint8_t>(300, 7));
}

TEST_F(BuildStoreTest, MissingFolderIsReportedAndNotMade) {
    const fs::path nowhere = dir / "nowhere";
    BuildStore store(nowhere, clock());
    EXPECT_FALSE(store.writable());
    EXPECT_EQ(store.whyReadOnly(), formatMessage(kFolderMissing, nowhere.string()));
    EXPECT_TRUE(store.list().empty());
    EXPECT_FALSE(store.find("一"));
    EXPECT_EQ(errorOf([&] { store.save("一", "CODE-1"); }), store.whyReadOnly());
    EXPECT_FALSE(fs::exists(nowhere));
}

TEST_F(BuildStoreTest, NewerStoreIsReadButNotChanged) {
    {
        BuildStore store(dir, clock());
        store.save("一", "CODE-1");
    }
    runSql(file(), "pragma user_version = 2");
    const auto before = bytes(file());

    BuildStore store(dir, clock());
    EXPECT_FALSE(store.movedAside());
    EXPECT_FALSE(store.writable());
    EXPECT_EQ(store.whyReadOnly(), inDir(kNewerVersion));
    ASSERT_EQ(store.list().size(), 1u);
    EXPECT_EQ(errorOf([&] { store.save("二", "CODE-2"); }), store.whyReadOnly());
    EXPECT_EQ(bytes(file()), before);
}

}  // namespace
}  // namespace lymn::store
