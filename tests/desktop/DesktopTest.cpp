// The real program on a desktop, driven with xdotool as a user would: under a virtual X server
// with the openbox window manager, and without any window manager.
#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "platform/Color.h"
#include "tests/desktop/Session.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

using test::exitStatus;
using test::kEmptyTitleBar;
using test::kInertSpot;
using test::kMinimise;
using test::kScreenshotButton;
using test::waitFor;

const Rect kAppearancePicker = Rect::xywh(1 + 30, 45 + 25, 185, 34);

class Desktop : public ::testing::TestWithParam<bool> {
  protected:
    bool withManager() const { return GetParam(); }

    void SetUp() override {
        if (const std::string why = test::missingDesktopTools(withManager()); !why.empty())
            GTEST_SKIP() << why;
        session = std::make_unique<test::Session>();
        ASSERT_TRUE(session->ready()) << "Xvfb did not start";
        x = session->x.get();
        xd = session->xd.get();
        if (withManager()) {
            manager = x->spawn({"openbox", "--sm-disable"});
            ASSERT_TRUE(waitFor([&] { return xd->managerRuns(); })) << "openbox did not start";
        }
        // A parameterised test's name holds a slash.
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        for (char& c : name)
            if (c == '/') c = '-';
        folder = test::portableFolder("lymn-desktop-" + std::to_string(::getpid()) + "-" + name);
        startProgram();
    }
    void TearDown() override {
        if (program > 0) test::stopProcess(program);
        if (manager > 0) test::stopProcess(manager);
        session.reset();
        std::error_code ec;
        if (!folder.empty()) fs::remove_all(folder, ec);
    }

    void startProgram() {
        program = x->spawn({(folder / "lymn-sim").string()}, folder.string());
        ASSERT_GT(program, 0);
        ASSERT_TRUE(waitFor([&] { return windows().size() == 1; }))
            << "no window appeared; the program wrote: " << x->errors();
        main = windows().front();
        ASSERT_TRUE(waitFor([&] { return xd->focus() == main; }))
            << "the main window did not take the keyboard";
        // The first frame is on the screen.
        ASSERT_TRUE(waitFor([&] {
            return test::countColor(x->screenshot(), xd->bounds(main), colors::black) <
                   440 * 535 / 2;
        }));
    }
    std::vector<unsigned long> windows() { return session->windows(); }
    Point onScreen(Point inWindow) { return xd->bounds(main).topLeft() + inWindow; }
    void xdotool(const std::vector<std::string>& args) { session->xdotool(args); }
    void clickAt(Point screen) { session->clickAt(screen); }
    void key(const std::string& name) { session->key(name); }
    // Opens the screenshot's success box; its window.
    unsigned long openBox() {
        clickAt(onScreen(kScreenshotButton));
        return session->boxBeside(main);
    }
    bool boxGone() { return session->onlyWindowIs(main); }
    int stackIndex(unsigned long w) {
        const auto s = windows();
        for (size_t i = 0; i < s.size(); ++i)
            if (s[i] == w) return static_cast<int>(i);
        return -1;
    }

    std::unique_ptr<test::Session> session;
    test::Xvfb* x = nullptr;
    test::XDisplay* xd = nullptr;
    pid_t manager = -1;
    pid_t program = -1;
    unsigned long main = 0;
    fs::path folder;
};

TEST_P(Desktop, ABoxTakesTheKeyboardStaysAboveItsWindowAndAnswersEnterAndItsButton) {
    unsigned long box = openBox();
    ASSERT_NE(box, 0u) << "no box appeared";
    EXPECT_TRUE(waitFor([&] { return xd->focus() == box; })) << "the box did not take the keyboard";
    EXPECT_GT(stackIndex(box), stackIndex(main));
    key("Return");
    EXPECT_TRUE(boxGone()) << "Enter did not close the box";
    EXPECT_TRUE(waitFor([&] { return xd->focus() == main; }));

    // A click on the main window while a box is open leaves the box on top with the keyboard.
    box = openBox();
    ASSERT_NE(box, 0u);
    ASSERT_TRUE(waitFor([&] { return xd->focus() == box; }));
    clickAt(onScreen(kInertSpot));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_GT(stackIndex(box), stackIndex(main)) << "the box went behind its window";
    EXPECT_TRUE(waitFor([&] { return xd->focus() == box; })) << "the box lost the keyboard";
    // Its button answers a click, and the main window takes input again.
    const Rect b = xd->bounds(box);
    clickAt({b.left + b.width() / 2, b.bottom - 3 - 11 - 12});
    EXPECT_TRUE(boxGone()) << "a click on OK did not close the box";
    box = openBox();
    ASSERT_NE(box, 0u) << "the main window took no click after the box";
    key("Escape");
    EXPECT_TRUE(boxGone());
    // Two screenshots were saved beside the program.
    EXPECT_TRUE(fs::is_directory(folder / "screen"));
}

TEST_P(Desktop, TheTitleBarDragsTheWindowThroughTheWindowManagerWhereOneRuns) {
    const Rect before = xd->bounds(main);
    xd->watchRoot();
    const Point from = onScreen(kEmptyTitleBar);
    xdotool({"mousemove", std::to_string(from.x), std::to_string(from.y), "mousedown", "1"});
    for (int step = 1; step <= 5; ++step) {
        xdotool(
            {"mousemove", std::to_string(from.x + 20 * step), std::to_string(from.y + 15 * step)});
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }
    // The window follows the pointer while the button is held (a loaded machine may lag), and
    // stays where it is when the button is released.
    const Point target = before.topLeft() + Point{100, 75};
    EXPECT_TRUE(waitFor([&] { return xd->bounds(main).topLeft() == target; }))
        << "the window is at " << xd->bounds(main).left << "," << xd->bounds(main).top;
    xdotool({"mouseup", "1"});
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(xd->bounds(main).topLeft(), target);
    EXPECT_EQ(xd->messagesAbout(main, "_NET_WM_MOVERESIZE"), withManager() ? 1 : 0);
    // The next click acts at once: the program's mouse button is not left pressed.
    const unsigned long box = openBox();
    ASSERT_NE(box, 0u) << "the first click after the drag was lost";
    key("Return");
    EXPECT_TRUE(boxGone());
}

TEST_P(Desktop, MinimiseIconifiesAndTheWindowComesBackWhole) {
    clickAt(onScreen(kMinimise));
    if (!withManager()) {
        // Nothing could bring an iconified window back on a bare server: it stays.
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
        EXPECT_TRUE(xd->viewable(main));
        return;
    }
    EXPECT_TRUE(waitFor([&] { return xd->wmState(main) == 3; })) << "not iconified";
    EXPECT_FALSE(xd->viewable(main));
    xdotool({"windowactivate", std::to_string(main)});
    ASSERT_TRUE(waitFor([&] { return xd->viewable(main) && xd->wmState(main) == 1; }));
    // Drawn again: the striped page is there, not a black hole.
    EXPECT_TRUE(waitFor([&] {
        return test::countColor(x->screenshot(), xd->bounds(main), Color::rgb(0xEFEFEF)) > 30000;
    }));
    EXPECT_TRUE(waitFor([&] { return xd->focus() == main; }));
}

TEST_P(Desktop, TheCloseRequestAndAltF4EndTheProgramWithStatus0) {
    xd->requestClose(main);
    EXPECT_EQ(exitStatus(program, 5000), 0) << x->errors();
    program = -1;
    startProgram();
    key("alt+F4");
    EXPECT_EQ(exitStatus(program, 5000), 0) << x->errors();
    program = -1;
}

TEST_P(Desktop, TheFirstDownKeyAfterTheStartPicksAnAppearance) {
    // Away from the window: the keyboard focus, not the pointer, decides.
    xdotool({"mousemove", "5", "5"});
    const Rect picker = kAppearancePicker.translated(xd->bounds(main).topLeft());
    const Bitmap before = x->screenshot();
    key("Down");
    EXPECT_TRUE(waitFor([&] {
        const Bitmap now = x->screenshot();
        for (int y = picker.top; y < picker.bottom; ++y)
            for (int xx = picker.left; xx < picker.right; ++xx)
                if (now.color(xx, y) != before.color(xx, y)) return true;
        return false;
    })) << "the appearance picker did not change";
    // A picked appearance alone opens no box.
    EXPECT_EQ(windows().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(, Desktop, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& p) {
                             return p.param ? std::string("Openbox") : std::string("NoManager");
                         });

}  // namespace
}  // namespace lymn
