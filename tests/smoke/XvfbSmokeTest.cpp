#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <map>
#include <sstream>

#include "platform/Color.h"
#include "tests/support/Pixels.h"
#include "tests/support/Xvfb.h"

namespace lymn {
namespace {

std::map<std::string, int> geometry(test::Xvfb& x, const std::string& id) {
    std::map<std::string, int> g;
    std::istringstream in(x.capture({"xdotool", "getwindowgeometry", "--shell", id}));
    std::string line;
    while (std::getline(in, line)) {
        const auto eq = line.find('=');
        if (eq != std::string::npos && eq + 1 < line.size() &&
            std::isdigit(static_cast<unsigned char>(line[eq + 1])))
            g[line.substr(0, eq)] = std::stoi(line.substr(eq + 1));
    }
    return g;
}

TEST(XvfbSmoke, TheRealProgramOpensItsWindow) {
    if (!test::Xvfb::installed())
        GTEST_SKIP() << "Xvfb, xwd or xdpyinfo is not installed; run ./setup to install them";
    test::Xvfb x;
    ASSERT_TRUE(x.running()) << "Xvfb did not start";
    // The program works in its own folder: a copy of it and its data file in a fresh one.
    const auto folder =
        std::filesystem::temp_directory_path() / ("lymn-smoke-" + std::to_string(::getpid()));
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    for (const char* f : {"lymn-sim", "lymn.mdb"})
        std::filesystem::copy_file(std::filesystem::path(LYMN_BINARY_DIR) / f, folder / f);
    const pid_t pid = x.spawn({(folder / "lymn-sim").string()}, folder.string());
    ASSERT_GT(pid, 0);
    const auto id = x.waitForWindow("lymn-sim", 10000);
    ASSERT_TRUE(id) << "no window appeared; the program wrote: " << x.errors();
    auto g = geometry(x, *id);
    EXPECT_EQ(g["WIDTH"], 440);
    EXPECT_EQ(g["HEIGHT"], 535);
    // Centred on the 1024 x 768 screen.
    EXPECT_EQ(g["X"], (1024 - 440) / 2);
    EXPECT_EQ(g["Y"], (768 - 535) / 2);

    // Give it a moment to present its first frame, then look at it.
    Bitmap shot;
    Rect window = Rect::xywh(g["X"], g["Y"], 440, 535);
    for (int i = 0; i < 40; ++i) {
        shot = x.screenshot();
        if (test::countColor(shot, window, colors::black) < 440 * 535 / 2) break;
        usleep(50000);
    }
    EXPECT_LT(test::countColor(shot, window, colors::black), 440 * 535 / 2)
        << "the window is blank";
    // The frame's grey border on the left, right and bottom edges, the title bar's grey top row,
    // and the pages' striped background.
    const Color border = Color::rgb(0x7F7F7F);
    EXPECT_TRUE(test::allColor(shot, Rect::xywh(window.left, window.top, 1, 535), border));
    EXPECT_TRUE(test::allColor(shot, Rect::xywh(window.right - 1, window.top, 1, 535), border));
    EXPECT_TRUE(test::allColor(shot, Rect::xywh(window.left, window.bottom - 1, 440, 1), border));
    EXPECT_TRUE(test::allColor(shot, Rect::xywh(window.left + 1, window.top, 438, 1), border));
    EXPECT_GT(test::countColor(shot, window, Color::rgb(0xEFEFEF)), 30000);
    // Outside the window the screen is untouched.
    EXPECT_TRUE(test::allColor(shot, {0, 0, 100, 100}, colors::black));
    test::stopProcess(pid);
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace lymn
