#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/Clock.h"
#include "platform/Files.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

class FilesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("lymn-files-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add);
        fs::remove_all(dir);
    }
    void write(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }
    std::string read(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    int entries() {
        int n = 0;
        for ([[maybe_unused]] auto& e : fs::directory_iterator(dir)) ++n;
        return n;
    }
    fs::path dir;
};

TEST_F(FilesTest, RenameNeverReplaces) {
    write(dir / "a", "A");
    write(dir / "b", "B");
    EXPECT_FALSE(files::renameNoReplace(dir / "a", dir / "b"));
    EXPECT_EQ(read(dir / "a"), "A");
    EXPECT_EQ(read(dir / "b"), "B");
    EXPECT_TRUE(files::renameNoReplace(dir / "a", dir / "c"));
    EXPECT_FALSE(files::exists(dir / "a"));
    EXPECT_EQ(read(dir / "c"), "A");
    EXPECT_FALSE(files::renameNoReplace(dir / "missing", dir / "d"));
}

TEST_F(FilesTest, CopyReplacesAtomicallyAndLeavesNoTemporaryFile) {
    write(dir / "src", std::string(200000, 'n'));
    write(dir / "dst", "old");
    EXPECT_TRUE(files::copyReplace(dir / "src", dir / "dst"));
    EXPECT_EQ(read(dir / "dst"), std::string(200000, 'n'));
    EXPECT_EQ(entries(), 2);
    // A failed copy (no source) leaves the old target whole.
    EXPECT_FALSE(files::copyReplace(dir / "nothing", dir / "dst"));
    EXPECT_EQ(read(dir / "dst").size(), 200000u);
    // Copy onto a new name.
    EXPECT_TRUE(files::copyReplace(dir / "src", dir / "new"));
    EXPECT_EQ(read(dir / "new").size(), 200000u);
    EXPECT_EQ(entries(), 3);
}

TEST_F(FilesTest, CopiesAndReadsKeepEveryByteInOrder) {
    // Longer than any buffer the copy or the read uses, with no two neighbouring runs alike.
    std::string bytes(100003, '\0');
    for (size_t i = 0; i < bytes.size(); ++i)
        bytes[i] = static_cast<char>((i * 31 + i / 4096) % 251);
    write(dir / "src", bytes);
    ASSERT_TRUE(files::copyReplace(dir / "src", dir / "dst", files::Flush::No));
    EXPECT_EQ(read(dir / "dst"), bytes);
    const auto back = files::readAll(dir / "dst");
    ASSERT_TRUE(back.has_value());
    EXPECT_EQ(std::string(back->begin(), back->end()), bytes);
    write(dir / "empty", "");
    ASSERT_TRUE(files::readAll(dir / "empty").has_value());
    EXPECT_TRUE(files::readAll(dir / "empty")->empty());
    EXPECT_FALSE(files::readAll(dir / "missing").has_value());
    EXPECT_FALSE(files::readAll(dir).has_value());
}

TEST_F(FilesTest, CopyDoesNotReplaceReadOnlyTargetsOrDirectories) {
    write(dir / "src", "new");
    write(dir / "ro", "old");
    ::chmod((dir / "ro").c_str(), 0444);
    EXPECT_FALSE(files::copyReplace(dir / "src", dir / "ro"));
    EXPECT_EQ(read(dir / "ro"), "old");
    EXPECT_FALSE(files::openExistingExclusive(dir / "ro"));
}

TEST_F(FilesTest, CopyIntoADirectoryNameFails) {
    write(dir / "src", "new");
    fs::create_directory(dir / "sub");
    EXPECT_FALSE(files::copyReplace(dir / "src", dir / "sub"));
    EXPECT_TRUE(files::isDirectory(dir / "sub"));
    EXPECT_FALSE(files::copyReplace(dir / "sub", dir / "x"));
    EXPECT_EQ(entries(), 2);
}

TEST_F(FilesTest, ExclusiveOpenNeedsAnExistingWritableUnlockedFile) {
    EXPECT_FALSE(files::openExistingExclusive(dir / "missing"));
    EXPECT_FALSE(files::exists(dir / "missing"));  // never created
    write(dir / "f", "0123456789");
    {
        auto fd = files::openExistingExclusive(dir / "f");
        ASSERT_TRUE(fd);
        // A second opener while the first holds it is refused.
        EXPECT_FALSE(files::openExistingExclusive(dir / "f"));
        const uint8_t ab[] = {'A', 'B'};
        EXPECT_TRUE(files::writeAt(fd->get(), 3, ab));
    }
    EXPECT_EQ(read(dir / "f"), "012AB56789");  // not truncated
    EXPECT_TRUE(files::openExistingExclusive(dir / "f"));
    EXPECT_FALSE(files::openExistingExclusive(dir));  // a directory
}

TEST_F(FilesTest, DirectoriesAndDeletion) {
    EXPECT_FALSE(files::isDirectory(dir / "screen"));
    EXPECT_TRUE(files::createDirectory(dir / "screen"));
    EXPECT_TRUE(files::isDirectory(dir / "screen"));
    EXPECT_FALSE(files::createDirectory(dir / "screen"));
    write(dir / "x", "x");
    EXPECT_TRUE(files::remove(dir / "x"));
    EXPECT_FALSE(files::remove(dir / "x"));
    EXPECT_TRUE(files::isDirectory(files::executableFolder()));
    // Paths far longer than 100 bytes work.
    fs::path deep = dir;
    for (int i = 0; i < 12; ++i) deep /= "a-rather-long-folder-name";
    fs::create_directories(deep);
    write(deep / "src", "deep");
    EXPECT_TRUE(files::copyReplace(deep / "src", deep / "dst"));
    EXPECT_GT(deep.string().size(), 300u);
}

TEST(Clock, SeparatorsComeFromTheLocaleFormats) {
    auto us = clock::separatorsFromFormats("%m/%d/%y", "%r");
    EXPECT_EQ(us.date, '/');
    EXPECT_EQ(us.time, ':');  // "%r" has no literal separator
    auto de = clock::separatorsFromFormats("%d.%m.%Y", "%T");
    EXPECT_EQ(de.date, '.');
    auto iso = clock::separatorsFromFormats("%Y-%m-%d", "%H.%M.%S");
    EXPECT_EQ(iso.date, '-');
    EXPECT_EQ(iso.time, '.');
    auto cn = clock::separatorsFromFormats("%Y年%m月%d日", "%H时%M分%S秒");
    EXPECT_EQ(cn.date, '/');  // non-ASCII separators are not one character: the default
    const auto now = clock::localNow();
    EXPECT_GE(now.year, 2024);
    EXPECT_GE(now.month, 1);
    EXPECT_LE(now.month, 12);
}

}  // namespace
}  // namespace lymn
