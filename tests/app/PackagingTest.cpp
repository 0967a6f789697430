#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/Version.h"

namespace {

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Packaging, TheDesktopEntryAndMetadataCarryTheVersionFields) {
    const std::string dir = std::string(LYMN_SOURCE_DIR) + "/packaging/";
    const std::string desktop = readFile(dir + "lymn-sim.desktop");
    EXPECT_NE(desktop.find(std::string("Name=") + lymn::version::kFileDescription + "\n"),
              std::string::npos);
    EXPECT_NE(desktop.find(std::string("Comment=") + lymn::version::kComments + "\n"),
              std::string::npos);
    EXPECT_NE(desktop.find("Exec=lymn-sim\n"), std::string::npos);
    EXPECT_NE(desktop.find("Icon=lymn-sim\n"), std::string::npos);
    const std::string meta = readFile(dir + "io.github.lymn.Simulator.metainfo.xml");
    EXPECT_NE(meta.find(std::string("release version=\"") + lymn::version::kFileVersion + "\""),
              std::string::npos);
    EXPECT_NE(meta.find("<launchable type=\"desktop-id\">lymn-sim.desktop</launchable>"),
              std::string::npos);
    EXPECT_TRUE(std::filesystem::exists(dir + "lymn-sim.png"));
    if (!std::filesystem::exists("/usr/bin/desktop-file-validate"))
        GTEST_SKIP() << "desktop-file-validate is not installed; ./setup installs it";
    const std::string command =
        "/usr/bin/desktop-file-validate '" + dir + "lymn-sim.desktop' > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "desktop-file-validate refused the entry";
}

}  // namespace
