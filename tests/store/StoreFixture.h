#pragma once

#include <gtest/gtest.h>
#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/Files.h"
#include "store/DataFileHeader.h"

namespace lymn::test {

namespace fs = std::filesystem;

// A fresh folder per test, with helpers for data files.
class StoreFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("lymn-store-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        for (auto& e : fs::recursive_directory_iterator(dir, ec))
            fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }

    static fs::path shippedFile() { return fs::path(LYMN_BINARY_DIR) / "lymn.mdb"; }
    void copyShipped(const std::string& name) { fs::copy_file(shippedFile(), dir / name); }
    std::vector<uint8_t> bytes(const fs::path& p) { return *files::readAll(p); }
    std::vector<uint8_t> head(const fs::path& p) {
        auto b = bytes(p);
        b.resize(std::min<size_t>(b.size(), 16));
        return b;
    }
    static std::vector<uint8_t> block(const store::HeaderBlock& b) { return {b.begin(), b.end()}; }
    void writeText(const fs::path& p, const std::string& s) {
        std::ofstream(p, std::ios::binary) << s;
    }
    // A data file with the given statements and header, such as the builder would refuse.
    fs::path sqlFile(const std::string& name, const std::vector<std::string>& statements,
                     const store::HeaderBlock& header = store::kStandardSignature) {
        fs::path out = dir / name;
        sqlite3* db = nullptr;
        EXPECT_EQ(sqlite3_open(out.c_str(), &db), SQLITE_OK) << out;
        for (const auto& sql : statements)
            EXPECT_EQ(sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK)
                << sql << ": " << sqlite3_errmsg(db);
        sqlite3_close(db);
        auto fd = files::openExistingExclusive(out);
        EXPECT_TRUE(fd && files::writeAt(fd->get(), 0, header)) << out;
        return out;
    }

    fs::path dir;
};

}  // namespace lymn::test
