#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>

#include "platform/UserFolders.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

UserFolders with(const std::map<std::string, std::string>& vars) {
    return UserFolders([vars](const char* name) -> std::optional<std::string> {
        auto it = vars.find(name);
        if (it == vars.end()) return std::nullopt;
        return it->second;
    });
}

class Folders : public ::testing::Test {
  protected:
    void SetUp() override {
        home = fs::temp_directory_path() / ("lymn-home-" + std::to_string(::getpid()));
        fs::remove_all(home);
        fs::create_directories(home / ".config");
    }
    void TearDown() override { fs::remove_all(home); }
    void userDirs(const std::string& text) {
        std::ofstream(home / ".config" / "user-dirs.dirs") << text;
    }
    fs::path home;
};

TEST_F(Folders, DataAndConfigurationFoldersFollowTheVariablesOrTheHome) {
    const auto plain = with({{"HOME", home.string()}});
    EXPECT_EQ(plain.home(), home);
    EXPECT_EQ(plain.dataHome(), home / ".local" / "share");
    EXPECT_EQ(plain.configHome(), home / ".config");
    const auto set = with({{"HOME", home.string()},
                           {"XDG_DATA_HOME", "/srv/data"},
                           {"XDG_CONFIG_HOME", "/srv/config"}});
    EXPECT_EQ(set.dataHome(), fs::path("/srv/data"));
    EXPECT_EQ(set.configHome(), fs::path("/srv/config"));
    // Relative or empty values are not paths the desktop's conventions accept.
    const auto relative =
        with({{"HOME", home.string()}, {"XDG_DATA_HOME", "data"}, {"XDG_CONFIG_HOME", ""}});
    EXPECT_EQ(relative.dataHome(), home / ".local" / "share");
    EXPECT_EQ(relative.configHome(), home / ".config");
    // Without HOME, the account's home folder serves.
    const auto none = with({});
    ASSERT_TRUE(none.home().has_value());
    EXPECT_TRUE(none.home()->is_absolute());
    EXPECT_EQ(none.dataHome(), *none.home() / ".local" / "share");
    EXPECT_EQ(with({{"HOME", "relative/home"}}).home(), none.home());
}

TEST_F(Folders, ThePicturesFolderComesFromUserDirsOrDefaultsToPictures) {
    const auto user = with({{"HOME", home.string()}});
    EXPECT_EQ(user.pictures(), home / "Pictures");  // no user-dirs.dirs at all
    userDirs(
        "# This file is written by xdg-user-dirs-update\n"
        "XDG_DESKTOP_DIR=\"$HOME/Desktop\"\n"
        "XDG_PICTURES_DIR=\"$HOME/图片\"\n");
    EXPECT_EQ(user.pictures(), home / "图片");
    userDirs("XDG_PICTURES_DIR=\"/media/shared/pics\"\n");
    EXPECT_EQ(user.pictures(), fs::path("/media/shared/pics"));
    // The shell's escapes are undone, and the last assignment counts.
    userDirs(
        "XDG_PICTURES_DIR=\"$HOME/old\"\n"
        "  XDG_PICTURES_DIR = \"$HOME/My \\\"Pics\\\"\"\n");
    EXPECT_EQ(user.pictures(), home / "My \"Pics\"");
    // Set to the home itself, the folder is turned off: the default serves.
    userDirs("XDG_PICTURES_DIR=\"$HOME/\"\n");
    EXPECT_EQ(user.pictures(), home / "Pictures");
    // Forms the file does not allow are ignored.
    userDirs(
        "XDG_PICTURES_DIR=$HOME/unquoted\n"
        "XDG_PICTURES_DIR=\"relative/pics\"\n"
        "XDG_PICTURES_DIRX=\"$HOME/other\"\n"
        "XDG_PICTURES_DIR=\"$HOMEless\"\n");
    EXPECT_EQ(user.pictures(), home / "Pictures");
    // XDG_CONFIG_HOME says where the file is.
    fs::create_directories(home / "cfg");
    std::ofstream(home / "cfg" / "user-dirs.dirs") << "XDG_PICTURES_DIR=\"$HOME/Bilder\"\n";
    EXPECT_EQ(
        with({{"HOME", home.string()}, {"XDG_CONFIG_HOME", (home / "cfg").string()}}).pictures(),
        home / "Bilder");
}

}  // namespace
}  // namespace lymn
