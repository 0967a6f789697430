// Where the program keeps its files, portable and installed, and an installed program's whole
// start on the headless backend: its folder seeded, its data connected, its screenshots in the
// pictures folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "app/FileLocations.h"
#include "app/Program.h"
#include "platform/Files.h"
#include "platform/headless/HeadlessBackend.h"
#include "store/DataFileMessages.h"
#include "store/DataFileSeed.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

class Locations : public ::testing::Test {
  protected:
    void SetUp() override {
        root = fs::temp_directory_path() /
               ("lymn-locations-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(root);
        // An installed tree: bin/ and share/lymn-sim/lymn.mdb under a prefix.
        fs::create_directories(root / "prefix" / "bin");
        fs::create_directories(root / "prefix" / "share" / "lymn-sim");
        fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", shipped());
        home = root / "home";
        fs::create_directories(home);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(root / "prefix" / "bin", fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root, ec);
    }
    fs::path bin() const { return root / "prefix" / "bin"; }
    fs::path shipped() const { return root / "prefix" / "share" / "lymn-sim" / "lymn.mdb"; }
    UserFolders user(std::map<std::string, std::string> vars = {}) const {
        if (!vars.count("HOME")) vars["HOME"] = home.string();
        return UserFolders([vars](const char* name) -> std::optional<std::string> {
            auto it = vars.find(name);
            if (it == vars.end()) return std::nullopt;
            return it->second;
        });
    }
    // Starts the program on the headless backend with its boxes recorded.
    std::unique_ptr<Program> start(const FileLocations& l) {
        auto p = std::make_unique<Program>(backend, l, [this](Application& app) {
            app.setBoxHandler([this](BoxKind, const std::string&, const std::string& text) {
                boxes.push_back(text);
            });
        });
        p->show();
        return p;
    }

    fs::path root;
    fs::path home;
    HeadlessBackend backend;
    std::vector<std::string> boxes;
};

TEST_F(Locations, APortableFolderKeepsEverythingBesideTheProgramAnInstallationUsesTheUsersFolders) {
    // The build folder, a folder the user unpacked: the data file beside the program.
    const fs::path portable = root / "portable";
    fs::create_directories(portable);
    fs::copy_file(shipped(), portable / "lymn.mdb");
    const auto p = FileLocations::detect(portable, user());
    EXPECT_FALSE(p.installed());
    EXPECT_EQ(p.workFolder, portable);
    EXPECT_EQ(p.screenFolder, portable / "screen");

    // bin beside share/lymn-sim: installed, even where bin may be written (root, a prefix in
    // the home).
    const auto i = FileLocations::detect(bin(), user({{"XDG_DATA_HOME", "/srv/d"}}));
    EXPECT_TRUE(i.installed());
    EXPECT_EQ(i.shippedData, shipped());
    EXPECT_EQ(i.workFolder, fs::path("/srv/d/lymn-sim"));
    EXPECT_EQ(i.screenFolder, home / "Pictures" / "lymn-sim");
    EXPECT_EQ(FileLocations::detect(bin(), user()).workFolder,
              home / ".local" / "share" / "lymn-sim");
    fs::create_directories(home / ".config");
    std::ofstream(home / ".config" / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/图片\"\n";
    EXPECT_EQ(FileLocations::detect(bin(), user()).screenFolder, home / "图片" / "lymn-sim");

    if (::geteuid() != 0) {
        // A read-only folder holding the program and its data (a mounted archive): installed,
        // its data file the one to copy.
        ::chmod(portable.c_str(), 0555);
        const auto ro = FileLocations::detect(portable, user());
        EXPECT_TRUE(ro.installed());
        EXPECT_EQ(ro.shippedData, portable / "lymn.mdb");
        ::chmod(portable.c_str(), 0755);
    }
}

TEST_F(Locations, AnInstalledProgramSeedsItsFolderConnectsAndSavesScreenshotsInThePictures) {
    const auto l = FileLocations::detect(bin(), user());
    {
        auto p = start(l);
        EXPECT_TRUE(boxes.empty()) << boxes.front();
        EXPECT_TRUE(p->form()->ADOCon().Connected());
        EXPECT_TRUE(fs::exists(l.workFolder / "lymn.db"));
        EXPECT_FALSE(fs::exists(l.workFolder / "lymn.mdb"));
        EXPECT_FALSE(fs::exists(l.workFolder / "Temp.db"));
        EXPECT_TRUE(fs::exists(l.workFolder / store::kStampName));
        // Nothing is written beside the program.
        EXPECT_EQ(std::distance(fs::directory_iterator(bin()), fs::directory_iterator()), 0);

        p->form()->localTime = [] { return clock::LocalTime{2026, 12, 9, 18, 30, 5}; };
        p->form()->skinButton1Click(*p->form());
        const fs::path file = home / "Pictures" / "lymn-sim" / "261209183005.jpg";
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], "截图成功，图片保存在：" + file.string());
        EXPECT_TRUE(fs::exists(file));
    }
    // The second start reuses the working copy.
    boxes.clear();
    struct stat before {};
    ::stat((l.workFolder / "lymn.db").c_str(), &before);
    {
        auto p = start(l);
        EXPECT_TRUE(boxes.empty());
        EXPECT_TRUE(p->form()->ADOCon().Connected());
    }
    struct stat after {};
    ::stat((l.workFolder / "lymn.db").c_str(), &after);
    EXPECT_EQ(after.st_size, before.st_size);
    EXPECT_FALSE(fs::exists(l.workFolder / "lymn.mdb"));
}

TEST_F(Locations, AHomeThatCannotHoldTheFolderGivesOneBoxAndTheWindowOpens) {
    // A file where the home should be a folder.
    const fs::path notAFolder = root / "home-file";
    std::ofstream(notAFolder) << "x";
    const auto l = FileLocations::detect(bin(), user({{"HOME", notAFolder.string()}}));
    auto p = start(l);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], store::messages::noFolder(l.workFolder.string()));
    EXPECT_TRUE(p->form()->windowShown());
    EXPECT_FALSE(p->form()->ADOCon().Connected());
    // The installed data file is untouched, and no lock or copy lies beside the program.
    EXPECT_TRUE(fs::exists(shipped()));
    EXPECT_EQ(std::distance(fs::directory_iterator(bin()), fs::directory_iterator()), 0);
}

}  // namespace
}  // namespace lymn
