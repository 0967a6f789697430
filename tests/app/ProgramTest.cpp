#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

#include "app/Program.h"
#include "app/Version.h"
#include "store/DataFileMessages.h"
#include "tests/support/HeadlessApp.h"

namespace lymn {
namespace {

struct Recorded {
    std::vector<std::string> boxes;
};

std::function<void(Application&)> recordInto(Recorded& r) {
    return [&r](Application& app) {
        app.setBoxHandler([&r](BoxKind kind, const std::string&, const std::string& text) {
            r.boxes.push_back((kind == BoxKind::Error ? "error: " : "box: ") + text);
        });
    };
}

TEST(Program, CreatesTheMainWindowWithTitleSizeAndCaption) {
    HeadlessBackend backend;
    Recorded r;
    Program p(backend, std::filesystem::temp_directory_path(), recordInto(r));
    ASSERT_NE(p.form(), nullptr);
    EXPECT_EQ(FormLy, p.form());
    EXPECT_EQ(p.application().title(), "岚渊角色模拟器");
    EXPECT_EQ(p.application().mainForm(), p.form());
    EXPECT_EQ(p.form()->caption(), "岚渊角色模拟器 beta0.1");
    EXPECT_EQ(p.form()->width(), 440);
    EXPECT_EQ(p.form()->height(), 535);
    EXPECT_FALSE(p.form()->windowShown());
    p.show();
    EXPECT_TRUE(p.form()->windowShown());
    // Centred on the desktop when first shown.
    const Rect screen = backend.workArea();
    EXPECT_EQ(p.form()->position(), Point((screen.width() - 440) / 2, (screen.height() - 535) / 2));
    HeadlessWindow* w = backend.window(p.form()->window().id());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(w->presented().size(), Size(440, 535));
}

TEST(Program, RunEndsWhenTheMainWindowClosesAndReturnsZero) {
    HeadlessBackend backend;
    Recorded r;
    Program p(backend, std::filesystem::temp_directory_path(), recordInto(r));
    p.application().setIdleHandler([&] { p.form()->BtnCloseClick(*p.form()); });
    EXPECT_EQ(p.run(), 0);
    EXPECT_TRUE(p.form()->closed());
}

TEST(Program, ClosingByTheWindowSystemEndsTheProgramTheSameWay) {
    HeadlessBackend backend;
    Recorded r;
    Program p(backend, std::filesystem::temp_directory_path(), recordInto(r));
    p.application().setIdleHandler([&] { backend.closeRequest(p.form()->window().id()); });
    EXPECT_EQ(p.run(), 0);
    EXPECT_TRUE(p.form()->closed());
}

TEST(Program, ASessionOrSignalAskingTheProgramToEndClosesTheMainWindow) {
    HeadlessBackend backend;
    Recorded r;
    Program p(backend, std::filesystem::temp_directory_path(), recordInto(r));
    p.application().setIdleHandler([&] { backend.closeRequest(0); });
    EXPECT_EQ(p.run(), 0);
    EXPECT_TRUE(p.form()->closed());
}

// A fresh folder holding the given files of the build.
std::filesystem::path folderWith(const std::string& name,
                                 std::initializer_list<const char*> files) {
    const auto dir = std::filesystem::temp_directory_path() /
                     ("lymn-program-" + std::to_string(::getpid()) + "-" + name);
    std::filesystem::remove_all(dir);
    std::filesystem::create_directories(dir);
    for (const char* f : files)
        std::filesystem::copy_file(std::filesystem::path(LYMN_BINARY_DIR) / f, dir / f);
    return dir;
}

TEST(Program, CreationPreparesTheDataFileAndConnects) {
    const auto dir = folderWith("data", {"lymn.mdb"});
    HeadlessBackend backend;
    Recorded r;
    Program p(backend, dir, recordInto(r));
    EXPECT_TRUE(r.boxes.empty());
    EXPECT_TRUE(p.form()->ADOCon().Connected());
    EXPECT_TRUE(std::filesystem::exists(dir / "lymn.db"));
    EXPECT_FALSE(std::filesystem::exists(dir / "Temp.db"));
    std::filesystem::remove_all(dir);
}

TEST(Program, AnErrorOfTheCreationEventShowsOneErrorBoxAndTheWindowStillOpens) {
    const auto dir = folderWith("nodata", {});
    HeadlessBackend backend;
    Recorded r;
    Program p(backend, dir, recordInto(r));
    EXPECT_EQ(r.boxes, std::vector<std::string>{
                           "error: " + store::messages::missing((dir / "lymn.db").string())});
    ASSERT_NE(p.form(), nullptr);
    EXPECT_FALSE(p.form()->ADOCon().Connected());
    p.show();
    EXPECT_TRUE(p.form()->windowShown());
    EXPECT_EQ(r.boxes.size(), 1u);
    std::filesystem::remove_all(dir);
}

// Runs the real program with the given environment changes and returns its exit status and
// what it wrote to the error stream; it has 20 seconds to end.
std::pair<int, std::string> runWithout(const std::string& environment) {
    const std::string err = std::filesystem::temp_directory_path() /
                            ("lymn-nodisplay-" + std::to_string(::getpid()) + ".txt");
    const std::string command = "env " + environment + " timeout 20 '" +
                                std::string(LYMN_BINARY_DIR) + "/lymn-sim' 2> '" + err + "'";
    const int status = std::system(command.c_str());
    std::ifstream in(err);
    std::string text{std::istreambuf_iterator<char>(in), {}};
    std::filesystem::remove(err);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, text};
}

TEST(Program, WithoutADisplayTheProgramSaysSoAndEndsInsteadOfRunningUnseen) {
    for (const char* environment :
         {"-u DISPLAY -u WAYLAND_DISPLAY", "-u WAYLAND_DISPLAY DISPLAY=:987 XDG_RUNTIME_DIR="}) {
        SCOPED_TRACE(environment);
        const auto [status, text] = runWithout(environment);
        EXPECT_EQ(status, 1);  // 124 would mean it was still running when the time ran out
        EXPECT_NE(text.find("there is no display to open the window on"), std::string::npos)
            << text;
        EXPECT_NE(text.find("xvfb-run -s '-screen 0 1024x768x24'"), std::string::npos);
    }
}

TEST(Program, VersionInformationIsInTheExecutable) {
    const std::string block = version::versionBlock();
    EXPECT_NE(block.find("FileVersion=0.1.0.0\n"), std::string::npos);
    EXPECT_NE(block.find("ProductVersion=beta 0.1\n"), std::string::npos);
    EXPECT_NE(block.find("FileDescription=岚渊角色模拟器\n"), std::string::npos);
    EXPECT_NE(block.find("Comments=岚渊角色模拟器 测试版 0.1\n"), std::string::npos);
    // The block sits in its own section of the real program.
    std::ifstream exe(std::string(LYMN_BINARY_DIR) + "/lymn-sim", std::ios::binary);
    ASSERT_TRUE(exe) << "lymn-sim is built before the tests";
    const std::string bytes{std::istreambuf_iterator<char>(exe), {}};
    EXPECT_NE(bytes.find("FileVersion=0.1.0.0\nProductVersion=beta 0.1"), std::string::npos);
    EXPECT_NE(bytes.find(".lymn.version"), std::string::npos);
}

}  // namespace
}  // namespace lymn
