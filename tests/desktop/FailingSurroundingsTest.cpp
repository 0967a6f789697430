// The real program where the desktop turns hostile: a text far too long for any box pasted into
// the level edit, and the X server ending under the running program.
#include <gtest/gtest.h>
#include <sys/file.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <sstream>

#include "platform/Files.h"
#include "tests/desktop/Session.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;
using test::waitFor;

// The level edit's middle, in window coordinates.
constexpr Point kLevelEdit{1 + 185 + 29, 45 + 75 + 10};
const Color kStopSign = Color::rgb(0xE81123);

class FailingSurroundings : public ::testing::TestWithParam<bool> {
  protected:
    void SetUp() override {
        if (const std::string why = test::missingDesktopTools(GetParam()); !why.empty())
            GTEST_SKIP() << why;
        folder = test::portableFolder("lymn-hostile-" + std::to_string(::getpid()) + "-" +
                                      (GetParam() ? "openbox" : "bare"));
        startSession();
    }
    void TearDown() override {
        if (program > 0) test::stopProcess(program);
        if (manager > 0) test::stopProcess(manager);
        session.reset();
        std::error_code ec;
        if (!folder.empty()) fs::remove_all(folder, ec);
    }

    void startSession() {
        session = std::make_unique<test::Session>();
        ASSERT_TRUE(session->ready()) << "Xvfb did not start";
        if (GetParam()) {
            // What the manager says as its server ends is not the program's.
            manager = session->x->spawn({"sh", "-c", "exec openbox --sm-disable 2>/dev/null"});
            ASSERT_TRUE(waitFor([&] { return session->xd->managerRuns(); }))
                << "openbox did not start";
        }
    }
    // Starts the program and waits for its window to take the keyboard.
    void startProgram() {
        program = session->x->spawn({(folder / "lymn-sim").string()}, folder.string());
        ASSERT_GT(program, 0);
        ASSERT_TRUE(waitFor([&] { return session->windows().size() == 1; }))
            << "no window appeared; the program wrote: " << session->x->errors();
        main = session->windows().front();
        ASSERT_TRUE(waitFor([&] { return session->xd->focus() == main; }));
    }
    Point onScreen(Point inWindow) { return session->xd->bounds(main).topLeft() + inWindow; }

    std::unique_ptr<test::Session> session;
    pid_t manager = -1;
    pid_t program = -1;
    unsigned long main = 0;
    fs::path folder;
};

TEST_P(FailingSurroundings, AHundredThousandDigitsPastedShowTheConversionErrorInABoxThatFits) {
    startProgram();
    const std::string digits(100000, '9');
    session->xd->offerClipboard(digits);
    session->clickAt(onScreen(kLevelEdit));
    session->key("ctrl+a");
    session->key("ctrl+v");
    ASSERT_TRUE(session->xd->answerClipboard(5000)) << "the program did not ask for the clipboard";
    const unsigned long box = session->boxBeside(main, 10000);
    ASSERT_NE(box, 0u) << "no box came; the program wrote: " << session->x->errors().substr(0, 300);
    // The box lies inside the screen, its stop sign and its button shown.
    const Rect screen = Rect::xywh(0, 0, 1024, 768);
    ASSERT_TRUE(waitFor([&] { return session->xd->viewable(box); }));
    const Rect b = session->xd->bounds(box);
    EXPECT_EQ(b.intersected(screen), b)
        << b.left << "," << b.top << " " << b.width() << " x " << b.height();
    EXPECT_LE(b.height(), 768 - 32);
    EXPECT_TRUE(waitFor([&] {
        return test::countColor(session->x->screenshot(), b, kStopSign) > 300;
    })) << "no stop sign in the box";
    // The conversion error, whole, on standard error: its shortened text is the box's.
    const std::string said = "'" + digits + "' is not a valid integer value.";
    EXPECT_NE(session->x->errors().find(said), std::string::npos)
        << session->x->errors().substr(0, 300);
    EXPECT_EQ(session->x->errors().find("Cannot create a window"), std::string::npos);
    // Its button answers: the box goes and the window takes input again.
    session->clickAt({b.left + b.width() / 2, b.bottom - 3 - 11 - 12});
    EXPECT_TRUE(session->onlyWindowIs(main)) << "the box's button did not close it";
}

// The lock file beside the data file can be taken at once.
bool lockIsFree(const fs::path& file) {
    const files::LockFile lock(file, 0);
    return lock.locked();
}

TEST_P(FailingSurroundings, TheServerEndingEndsTheProgramWithin1SecondWithStatus1AndOneLine) {
    // With the main window alone, and with a box open over it.
    for (const bool box : {false, true}) {
        SCOPED_TRACE(box ? "a box open" : "the window alone");
        if (box) {
            if (manager > 0) test::stopProcess(manager);
            manager = -1;
            session.reset();
            startSession();
        }
        startProgram();
        if (box) {
            session->clickAt(onScreen(test::kScreenshotButton));
            ASSERT_NE(session->boxBeside(main), 0u) << "no box came";
        }
        const std::string before = session->x->errors();
        // The tests' own connection goes first: Xlib ends a program whose connection breaks.
        session->xd.reset();
        const auto killed = std::chrono::steady_clock::now();
        session->x->kill();
        int status = 0;
        const bool ended =
            waitFor([&] { return ::waitpid(program, &status, WNOHANG) == program; }, 3000);
        const auto took = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - killed);
        ASSERT_TRUE(ended) << "the program still runs 3 s after its display went";
        program = -1;
        EXPECT_LT(took.count(), 1000);
        ASSERT_TRUE(WIFEXITED(status)) << "ended by signal " << WTERMSIG(status);
        EXPECT_EQ(WEXITSTATUS(status), 1);
        const std::string said = session->x->errors().substr(before.size());
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_EQ(said.rfind("lymn-sim: the connection to the display ", 0), 0u) << said;
        EXPECT_TRUE(lockIsFree(folder / "lymn.lock"));
        EXPECT_FALSE(fs::exists(folder / "Temp.db"));
    }
}

INSTANTIATE_TEST_SUITE_P(, FailingSurroundings, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool>& p) {
                             return p.param ? std::string("Openbox") : std::string("NoManager");
                         });

}  // namespace
}  // namespace lymn
