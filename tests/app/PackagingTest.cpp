#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "app/Version.h"
#include "platform/PngWriter.h"
#include "tools/lymn-art/LayoutArt.h"

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
    EXPECT_NE(desktop.find("TryExec=lymn-sim\n"), std::string::npos);
    // The program opens the lymn:// links a browser or a chat hands it, one at a time.
    EXPECT_NE(desktop.find("\nExec=lymn-sim %u\n"), std::string::npos);
    EXPECT_NE(desktop.find("\nMimeType=x-scheme-handler/lymn;\n"), std::string::npos);
    EXPECT_NE(desktop.find("Icon=lymn-sim\n"), std::string::npos);
    const std::string meta = readFile(dir + "io.github.lymn.Simulator.metainfo.xml");
    EXPECT_NE(meta.find(std::string("release version=\"") + lymn::version::kFileVersion + "\""),
              std::string::npos);
    EXPECT_NE(meta.find("<launchable type=\"desktop-id\">lymn-sim.desktop</launchable>"),
              std::string::npos);
    EXPECT_NE(meta.find("<project_license>"), std::string::npos);
    EXPECT_NE(meta.find("<developer_name>"), std::string::npos);
    EXPECT_NE(meta.find("<binary>lymn-sim</binary>"), std::string::npos);
    EXPECT_NE(meta.find("<mediatype>x-scheme-handler/lymn</mediatype>"), std::string::npos);
    if (!std::filesystem::exists("/usr/bin/desktop-file-validate"))
        GTEST_SKIP() << "desktop-file-validate is not installed; ./setup installs it";
    const std::string command =
        "/usr/bin/desktop-file-validate '" + dir + "lymn-sim.desktop' > /dev/null 2>&1";
    const int status = std::system(command.c_str());
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
        << "desktop-file-validate refused the entry";
}

// The icon theme's sizes are each drawn by the art generator, and the committed files are its
// output; the 48 pixel one is also the window's icon.
TEST(Packaging, TheIconsAtEachSizeAreTheGeneratorsOutput) {
    const auto art = lymn::art::layoutPictures();
    ASSERT_EQ(art.icons.size(), std::size(lymn::art::kIconSizes));
    for (int size : lymn::art::kIconSizes) {
        const std::string name = std::to_string(size) + "x" + std::to_string(size);
        const std::string path =
            std::string(LYMN_SOURCE_DIR) + "/packaging/icons/" + name + "/lymn-sim.png";
        lymn::Bitmap stored;
        ASSERT_NO_THROW(stored = lymn::png::read(path)) << path;
        EXPECT_EQ(stored.width(), size) << path;
        EXPECT_EQ(stored.height(), size) << path;
        EXPECT_TRUE(stored == art.icons.at(size))
            << path
            << " differs from what tools/lymn-art draws; run lymn-art layout resources/layout "
               "packaging/icons";
    }
    EXPECT_TRUE(art.icons.at(48) == art.icon);
}

}  // namespace
