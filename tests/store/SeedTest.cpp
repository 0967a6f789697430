#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <memory>

#include "platform/Error.h"
#include "platform/Files.h"
#include "store/DataFileMessages.h"
#include "store/DataFileSeed.h"
#include "tests/store/StoreFixture.h"

namespace lymn::store {
namespace {

std::string seedError(const std::filesystem::path& shipped, const std::filesystem::path& folder,
                      int lockWaitMs = 50) {
    try {
        SeedWorkFolder(shipped, folder, lockWaitMs);
        return "";
    } catch (const Error& e) {
        return e.what();
    }
}

namespace fs = std::filesystem;

ino_t inode(const fs::path& p) {
    struct stat st {};
    return ::stat(p.c_str(), &st) == 0 ? st.st_ino : 0;
}

class Seed : public test::StoreFixture {
  protected:
    void SetUp() override {
        StoreFixture::SetUp();
        shipped = dir / "share" / "lymn.mdb";
        fs::create_directories(shipped.parent_path());
        fs::copy_file(shippedFile(), shipped);
        work = dir / "home" / ".local" / "share" / "lymn-sim";
    }
    // What the start-up does next: the copy becomes the data file.
    void startUp() { files::renameNoReplace(work / kShippedName, work / kDataName); }
    fs::path shipped;
    fs::path work;
};

TEST_F(Seed, TheFirstStartCopiesTheInstalledFileLaterStartsReuseItAnUpdateCopiesAgain) {
    EXPECT_EQ(seedError(shipped, work), "");
    EXPECT_EQ(bytes(work / "lymn.mdb"), bytes(shipped));
    EXPECT_TRUE(files::exists(work / kStampName));
    startUp();

    // Unchanged: nothing is copied, the data file stays the same file.
    const ino_t before = inode(work / "lymn.db");
    const auto stampBefore = bytes(work / kStampName);
    EXPECT_EQ(seedError(shipped, work), "");
    EXPECT_FALSE(files::exists(work / "lymn.mdb"));
    EXPECT_EQ(inode(work / "lymn.db"), before);
    EXPECT_EQ(bytes(work / kStampName), stampBefore);

    // Touched by a reinstall but the same bytes: only the stamp follows.
    struct timespec times[2] = {{1700000000, 0}, {1700000000, 0}};
    ::utimensat(AT_FDCWD, shipped.c_str(), times, 0);
    EXPECT_EQ(seedError(shipped, work), "");
    EXPECT_FALSE(files::exists(work / "lymn.mdb"));
    EXPECT_EQ(inode(work / "lymn.db"), before);
    EXPECT_NE(bytes(work / kStampName), stampBefore);

    // A package update with other data: the copy is made again and the old working copy goes.
    auto changed = bytes(shipped);
    changed.back() ^= 0x5A;
    files::writeAll(shipped, changed);
    EXPECT_EQ(seedError(shipped, work), "");
    EXPECT_EQ(bytes(work / "lymn.mdb"), changed);
    EXPECT_FALSE(files::exists(work / "lymn.db"));
    startUp();
    EXPECT_EQ(bytes(work / "lymn.db"), changed);
}

TEST_F(Seed, TheUsersOwnDataStaysAndAMissingInstalledFileIsSaidOnlyWhenNothingElseServes) {
    fs::create_directories(work);
    writeText(work / "lymn.db", "the user's own data");
    EXPECT_EQ(seedError(shipped, work), "");
    const std::string own = "the user's own data";
    EXPECT_EQ(bytes(work / "lymn.db"), std::vector<uint8_t>(own.begin(), own.end()));
    EXPECT_TRUE(files::exists(work / kStampName));

    fs::remove(shipped);
    EXPECT_EQ(seedError(shipped, work), "");  // the data already here serves
    const auto empty = dir / "empty";
    EXPECT_EQ(seedError(shipped, empty), messages::noShipped(shipped.string()));
    EXPECT_TRUE(fs::is_directory(empty));
    EXPECT_FALSE(files::exists(empty / "lymn.mdb"));
}

TEST_F(Seed, AFolderThatCannotBeMadeOrWrittenOrIsLockedIsSaidWithItsPath) {
    // A file where the home's folders should be.
    writeText(dir / "blocked", "");
    const auto blocked = dir / "blocked" / ".local" / "share" / "lymn-sim";
    EXPECT_EQ(seedError(shipped, blocked), messages::noFolder(blocked.string()));
    EXPECT_EQ(seedError(shipped, ""), messages::noHome());
    if (::geteuid() != 0) {
        // Only another user meets a folder it may not write; root writes everywhere.
        fs::create_directories(dir / "ro");
        ::chmod((dir / "ro").c_str(), 0555);
        EXPECT_EQ(seedError(shipped, dir / "ro" / "lymn-sim"),
                  messages::noFolder((dir / "ro" / "lymn-sim").string()));
        ::chmod((dir / "ro").c_str(), 0755);
    }

    // Another copy of the program holds the folder's lock and does not let go.
    fs::create_directories(work);
    auto held = std::make_unique<files::LockFile>(work / kLockName);
    ASSERT_TRUE(held->locked());
    EXPECT_EQ(seedError(shipped, work, 30), messages::heldByAnother((work / "lymn.db").string()));
    EXPECT_FALSE(files::exists(work / "lymn.mdb"));
    held.reset();
    EXPECT_EQ(seedError(shipped, work, 30), "");
}

}  // namespace
}  // namespace lymn::store
