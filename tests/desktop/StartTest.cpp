// The real program started with options and arguments, with and without a window manager: drawn
// at 2 and 3 times the density on a large virtual screen (its size, its crisp one-unit border,
// clicks at device pixels, the scaled screenshot, where the scale comes from), and opening the
// build of a code, a link or a screenshot.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "capture/JpegCodec.h"
#include "platform/Color.h"
#include "platform/Files.h"
#include "store/BuildStore.h"
#include "tests/desktop/Session.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

using test::waitFor;

const Color kBorder = Color::rgb(0x7F7F7F);

class DesktopStart : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (const std::string why = test::missingDesktopTools(GetParam()); !why.empty())
            GTEST_SKIP() << why;
        // Room for the window at 3 times its size.
        session = std::make_unique<test::Session>(Size{1600, 1700});
        ASSERT_TRUE(session->ready()) << "Xvfb did not start";
        x = session->x.get();
        xd = session->xd.get();
        if (GetParam()) {
            manager = x->spawn({"openbox", "--sm-disable"});
            ASSERT_TRUE(waitFor([&] { return xd->managerRuns(); })) << "openbox did not start";
        }
        folder = test::portableFolder("lymn-scale-" + std::to_string(::getpid()) + "-" +
                                      (GetParam() ? "openbox" : "bare"));
    }
    void TearDown() override {
        stop();
        if (manager > 0) test::stopProcess(manager);
        session.reset();
        std::error_code ec;
        if (!folder.empty()) fs::remove_all(folder, ec);
    }

    // Starts the program and waits for its first frame; its window, 0 when none came.
    unsigned long start(const std::vector<std::string>& args, test::Xvfb::Changes env = {}) {
        std::vector<std::string> argv{(folder / "lymn-sim").string()};
        argv.insert(argv.end(), args.begin(), args.end());
        env.emplace("LYMN_SCALE", std::nullopt);
        env.emplace("GDK_SCALE", std::nullopt);
        program = x->spawn(argv, folder.string(), env);
        if (!waitFor([&] { return session->windows().size() == 1; })) return 0;
        const unsigned long w = session->windows().front();
        const bool drawn = waitFor([&] {
            const Rect b = xd->bounds(w);
            return !b.empty() &&
                   test::allColor(x->screenshot(),
                                  Rect::xywh(b.left, b.top + 40, 1, b.height() - 40), kBorder);
        });
        return drawn ? w : 0;
    }
    void stop() {
        if (program > 0) test::stopProcess(program);
        program = -1;
    }

    std::unique_ptr<test::Session> session;
    test::Xvfb* x = nullptr;
    test::XDisplay* xd = nullptr;
    pid_t manager = -1;
    pid_t program = -1;
    fs::path folder;
};

TEST_P(DesktopStart, AtScale2TheWindowIsTwiceAsLargeCrispAndEveryClickActsAsAtScale1) {
    const unsigned long main = start({"--scale", "2"});
    ASSERT_NE(main, 0u) << x->errors();
    const Rect b = xd->bounds(main);
    ASSERT_EQ(b.size(), (Size{880, 1070}));
    // The one-unit border is two device pixels wide on every side, nothing blurred beside it.
    const Bitmap shot = x->screenshot();
    EXPECT_TRUE(test::allColor(shot, Rect::xywh(b.left, b.top, 2, 1070), kBorder));
    EXPECT_TRUE(test::allColor(shot, Rect::xywh(b.right - 2, b.top, 2, 1070), kBorder));
    EXPECT_TRUE(test::allColor(shot, Rect::xywh(b.left, b.bottom - 2, 880, 2), kBorder));
    EXPECT_NE(shot.color(b.left + 2, b.top + 600), kBorder);
    // The screenshot button, clicked at its device pixels, saves the window at its scale.
    session->clickAt(b.topLeft() +
                     Point{test::kScreenshotButton.x * 2 + 1, test::kScreenshotButton.y * 2 + 1});
    const unsigned long box = session->boxBeside(main);
    ASSERT_NE(box, 0u) << "no box came";
    // The box is drawn at the same scale: its border too is two pixels wide.
    const Rect boxBounds = xd->bounds(box);
    EXPECT_EQ(boxBounds.width() % 2, 0);
    EXPECT_EQ(boxBounds.height() % 2, 0);
    session->key("Return");
    EXPECT_TRUE(session->onlyWindowIs(main));
    std::vector<fs::path> saved;
    for (const auto& e : fs::directory_iterator(folder / "screen")) saved.push_back(e.path());
    ASSERT_EQ(saved.size(), 1u);
    const auto bytes = files::readAll(saved[0]);
    ASSERT_TRUE(bytes);
    const Bitmap picture = jpeg::decode(*bytes);
    EXPECT_EQ(picture.deviceWidth(), 880);
    EXPECT_EQ(picture.deviceHeight(), 1070);
    // A click one device pixel left of the appearance picker is not on it; one on its first
    // column opens its list.
    const Point picker{(1 + 30) * 2, (45 + 25 + 10) * 2};
    session->clickAt(b.topLeft() + picker - Point{1, 0});
    EXPECT_EQ(session->windows().size(), 1u);
    session->clickAt(b.topLeft() + picker);
    EXPECT_TRUE(waitFor([&] { return session->windows().size() == 2; })) << "no list opened";
}

TEST_P(DesktopStart, TheDesktopsResolutionChoosesTheScaleAndABadValueIsSaid) {
    xd->setResources("Xft.dpi:\t288\n");
    unsigned long main = start({});
    ASSERT_NE(main, 0u) << x->errors();
    EXPECT_EQ(xd->bounds(main).size(), (Size{1320, 1605}));
    stop();
    EXPECT_TRUE(waitFor([&] { return session->windows().empty(); }));
    // The variable comes before the desktop; a value it cannot be is said and scale 1 is used.
    main = start({}, {{"LYMN_SCALE", "abc"}});
    ASSERT_NE(main, 0u) << x->errors();
    EXPECT_EQ(xd->bounds(main).size(), (Size{440, 535}));
    EXPECT_NE(x->errors().find("\"abc\" from LYMN_SCALE"), std::string::npos) << x->errors();
}

// The screenshot button's file: its build code, and the file. Empty when none came.
std::pair<std::string, fs::path> DesktopStartShot(test::Session& session, unsigned long main,
                                                  const fs::path& folder) {
    const Rect b = session.xd->bounds(main);
    session.clickAt(b.topLeft() + test::kScreenshotButton);
    if (!session.boxBeside(main)) return {};
    session.key("Return");
    session.onlyWindowIs(main);
    for (const auto& e : fs::directory_iterator(folder / "screen")) {
        const auto bytes = files::readAll(e.path());
        if (bytes)
            if (auto code = jpeg::buildCode(*bytes)) return {*code, e.path()};
    }
    return {};
}

TEST_P(DesktopStart, ACodeALinkOrAScreenshotOnTheCommandLineOpensItsBuild) {
    const std::string code = "LY13AF02040000820000T";
    unsigned long main = start({code});
    ASSERT_NE(main, 0u) << x->errors();
    const auto [shown, file] = DesktopStartShot(*session, main, folder);
    EXPECT_EQ(shown, code);
    stop();
    ASSERT_TRUE(waitFor([&] { return session->windows().empty(); }));
    fs::rename(file, folder / "friend.jpg");
    fs::remove_all(folder / "screen");
    // The picture a friend sent, and the link of a chat.
    for (const std::string& argument : {(folder / "friend.jpg").string(), "lymn://build/" + code}) {
        SCOPED_TRACE(argument);
        main = start({argument});
        ASSERT_NE(main, 0u) << x->errors();
        EXPECT_EQ(DesktopStartShot(*session, main, folder).first, code);
        stop();
        ASSERT_TRUE(waitFor([&] { return session->windows().empty(); }));
        fs::remove_all(folder / "screen");
    }
}

// A build saved on the page of saved builds outlives the window and comes back with a double
// click on its row.
TEST_P(DesktopStart, ABuildSavedOnItsPageIsThereAfterARestartAndLoadsWithADoubleClick) {
    const std::string code = "LY13AF02040000820000T";
    // The fourth tab, after the growth page's.
    const Point buildsTab{1 + 247, 23 + 8};
    const Point nameEdit{1 + 76 + 60, 45 + 324 + 10};
    const Point saveButton{1 + 58 + 40, 45 + 356 + 11};
    const Point firstRow{1 + 21 + 200, 45 + 16 + 22 + 17};
    unsigned long main = start({code});
    ASSERT_NE(main, 0u) << x->errors();
    Point at = xd->bounds(main).topLeft();
    session->clickAt(at + buildsTab);
    session->clickAt(at + nameEdit);
    session->xdotool({"type", "--delay", "20", "alpha one"});
    session->clickAt(at + saveButton);
    ASSERT_TRUE(waitFor([&] {
        return fs::exists(folder / "builds.db") && !store::BuildStore(folder).list().empty();
    }));
    stop();
    ASSERT_TRUE(waitFor([&] { return session->windows().empty(); }));

    main = start({});
    ASSERT_NE(main, 0u) << x->errors();
    EXPECT_NE(DesktopStartShot(*session, main, folder).first, code);
    fs::remove_all(folder / "screen");
    at = xd->bounds(main).topLeft();
    session->clickAt(at + buildsTab);
    const Point row = at + firstRow;
    session->xdotool({"mousemove", std::to_string(row.x), std::to_string(row.y), "click",
                      "--repeat", "2", "--delay", "80", "1"});
    // The character page again, showing the saved build.
    EXPECT_EQ(DesktopStartShot(*session, main, folder).first, code);
    const auto saved = store::BuildStore(folder).list();
    ASSERT_EQ(saved.size(), 1u);
    EXPECT_EQ(saved[0].name, "alpha one");
}

INSTANTIATE_TEST_SUITE_P(, DesktopStart, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& p) {
                             return p.param ? std::string("Openbox") : std::string("NoManager");
                         });

}  // namespace
}  // namespace lymn
