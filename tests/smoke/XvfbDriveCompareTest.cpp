// The real program under a virtual X server, used with the mouse through xdotool, shows the
// same labels as the headless driver after the same steps.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <thread>

#include "platform/PngWriter.h"
#include "tests/support/Pixels.h"
#include "tests/support/Xvfb.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

// Window coordinates of the steps: the profession picker and its fifth row, the appearance
// picker and its fourth row, the spin button's upper half.
const Point kZyBox{1 + 222 + 92, 45 + 25 + 17};
const Point kJsBox{1 + 30 + 92, 45 + 25 + 17};
Point row(int index) {
    return {0, 45 + 25 + 34 + 1 + 34 * index + 17};
}
const Point kSpinUp{1 + 243 + 10, 45 + 75 + 5};

// The rectangles of the number labels and the group frames, in window coordinates.
const Rect kCompared[] = {
    Rect::xywh(1 + 30 + 70, 45 + 111 + 20, 75, 17),
    Rect::xywh(1 + 30 + 70, 45 + 111 + 54, 75, 17),
    Rect::xywh(1 + 30 + 70, 45 + 111 + 88, 75, 17),
    Rect::xywh(1 + 30 + 70, 45 + 111 + 123, 75, 17),
    Rect::xywh(1 + 30 + 110, 45 + 111 + 149, 49, 17),
    Rect::xywh(1 + 222 + 115, 45 + 111 + 149, 49, 17),
    Rect::xywh(1 + 86, 45 + 306, 129, 17),
    Rect::xywh(1 + 86, 45 + 338, 129, 17),
    Rect::xywh(1 + 86, 45 + 402, 129, 17),
    Rect::xywh(1 + 296, 45 + 306, 109, 17),
    Rect::xywh(1 + 296, 45 + 338, 109, 17),
    Rect::xywh(1 + 296, 45 + 370, 109, 17),
    Rect::xywh(1 + 185, 45 + 75, 58, 21),  // the level edit
};

std::map<std::string, int> geometry(test::Xvfb& x, const std::string& id) {
    std::map<std::string, int> g;
    std::istringstream in(x.capture({"xdotool", "getwindowgeometry", "--shell", id}));
    for (std::string line; std::getline(in, line);) {
        const auto eq = line.find('=');
        if (eq != std::string::npos && eq + 1 < line.size() &&
            std::isdigit(static_cast<unsigned char>(line[eq + 1])))
            g[line.substr(0, eq)] = std::stoi(line.substr(eq + 1));
    }
    return g;
}

TEST(XvfbDrive, TheRealWindowShowsWhatTheDriverShowsAfterTheSameClicks) {
    if (!test::Xvfb::installed() || !fs::exists("/usr/bin/xdotool"))
        GTEST_SKIP()
            << "Xvfb, xwd, xdpyinfo or xdotool is not installed; run ./setup to install them";
    const fs::path folder =
        fs::temp_directory_path() / ("lymn-xdrive-" + std::to_string(::getpid()));
    fs::remove_all(folder);
    fs::create_directories(folder / "headless");
    for (const char* f : {"lymn-sim", "lymn.mdb"})
        fs::copy_file(fs::path(LYMN_BINARY_DIR) / f, folder / f);
    fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", folder / "headless" / "lymn.mdb");

    // The headless run.
    const std::string script = (folder / "steps.drive").string();
    std::ofstream(script) << "pick zy 5\npick js 4\nspin up\nspin up\nspin up\nshot "
                          << (folder / "headless.png").string() << "\n";
    const std::string command = std::string(LYMN_BINARY_DIR) + "/lymn-drive --dir '" +
                                (folder / "headless").string() + "' < '" + script + "' > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0);
    const Bitmap expected = png::read((folder / "headless.png").string());

    // The real run.
    test::Xvfb x;
    ASSERT_TRUE(x.running());
    const pid_t pid = x.spawn({(folder / "lymn-sim").string()}, folder.string());
    const auto id = x.waitForWindow("lymn-sim", 10000);
    ASSERT_TRUE(id) << "no window appeared; the program wrote: " << x.errors();
    auto g = geometry(x, *id);
    const Point origin{g["X"], g["Y"]};
    auto clickAt = [&](Point p) {
        x.capture({"xdotool", "mousemove", std::to_string(origin.x + p.x),
                   std::to_string(origin.y + p.y)});
        std::this_thread::sleep_for(std::chrono::milliseconds(80));
        x.capture({"xdotool", "click", "1"});
        std::this_thread::sleep_for(std::chrono::milliseconds(150));
    };
    clickAt(kZyBox);
    clickAt({kZyBox.x, row(5).y});
    clickAt(kJsBox);
    clickAt({kJsBox.x, row(4).y});
    for (int i = 0; i < 3; ++i) clickAt(kSpinUp);
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const Bitmap shot = x.screenshot();
    test::stopProcess(pid);
    // For a look when they differ.
    png::write(shot.copy(Rect::xywh(origin.x, origin.y, 440, 535)),
               (fs::temp_directory_path() / "lymn-xdrive-real.png").string());
    png::write(expected, (fs::temp_directory_path() / "lymn-xdrive-headless.png").string());

    int compared = 0;
    for (const Rect& r : kCompared) {
        for (int yy = r.top; yy < r.bottom; ++yy)
            for (int xx = r.left; xx < r.right; ++xx) {
                ASSERT_EQ(shot.color(origin.x + xx, origin.y + yy), expected.color(xx, yy))
                    << "at " << xx << "," << yy << " of the window";
                ++compared;
            }
    }
    EXPECT_GT(compared, 20000);
    // The level the three steps reached shows in both (not the start value).
    EXPECT_FALSE(test::allColor(expected, kCompared[6], Color::rgb(0x008040)));
    fs::remove_all(folder);
}

}  // namespace
}  // namespace lymn
