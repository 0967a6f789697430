// The program installed by cmake --install into a scratch prefix and started by an ordinary user
// with a scratch home: its files go to the user's folders, never beside the program.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/Files.h"
#include "tests/desktop/Session.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;
using test::waitFor;

const uid_t kNobody = 65534;

std::string read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class Installed : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!test::Xvfb::installed() || !fs::exists("/usr/bin/xdotool"))
            GTEST_SKIP()
                << "Xvfb, xwd, xdpyinfo or xdotool is not installed; ./setup installs them";
        asRoot = ::geteuid() == 0;
        if (asRoot && !fs::exists("/usr/bin/setpriv"))
            GTEST_SKIP() << "running as root and setpriv is missing: no way to start the program "
                            "as an ordinary user";
        root = fs::temp_directory_path() / ("lymn-installed-" + std::to_string(::getpid()));
        fs::remove_all(root);
        fs::create_directories(root);
        fs::permissions(root, fs::perms::all);  // the user below walks through it
        prefix = root / "prefix";
        const std::string install = "cmake --install '" + std::string(LYMN_BINARY_DIR) +
                                    "' --prefix '" + prefix.string() + "' > /dev/null";
        ASSERT_EQ(std::system(install.c_str()), 0);
        ASSERT_TRUE(fs::exists(prefix / "bin" / "lymn-sim"));
        home = userFolder("home");
        session = std::make_unique<test::Session>();
        ASSERT_TRUE(session->ready()) << "Xvfb did not start";
    }
    void TearDown() override {
        if (program > 0) test::stopProcess(program);
        session.reset();
        std::error_code ec;
        for (auto& e : fs::recursive_directory_iterator(root, ec))
            fs::permissions(e.path(), fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(root, ec);
    }

    // A folder the ordinary user owns.
    fs::path userFolder(const std::string& name) {
        fs::path p = root / name;
        fs::create_directories(p);
        if (asRoot && ::chown(p.c_str(), kNobody, kNobody) != 0) ADD_FAILURE() << "chown " << p;
        return p;
    }
    // Starts the installed program as the ordinary user and waits for its first window.
    void start(const test::Xvfb::Changes& env) {
        std::vector<std::string> argv;
        if (asRoot) argv = {"setpriv", "--reuid=65534", "--regid=65534", "--clear-groups", "--"};
        argv.push_back((prefix / "bin" / "lymn-sim").string());
        test::Xvfb::Changes all = env;
        // No display authority file: the virtual server takes local clients without one.
        all["XAUTHORITY"] = std::nullopt;
        program = session->x->spawn(argv, "/", all);
        ASSERT_GT(program, 0);
        ASSERT_TRUE(waitFor([&] { return !session->windows().empty(); }))
            << "no window appeared; the program wrote: " << session->x->errors();
    }
    // The main window shows and no box comes with it.
    void expectTheWindowAlone() {
        ASSERT_TRUE(waitFor([&] { return session->mainWindow() != 0; }));
        main = session->mainWindow();
        EXPECT_EQ(session->boxBeside(main, 400), 0u) << "a box appeared at the start";
    }
    void closeProgram() {
        session->xd->requestClose(main);
        EXPECT_EQ(test::exitStatus(program, 5000), 0) << session->x->errors();
        program = -1;
    }

    bool asRoot = false;
    fs::path root, prefix, home;
    std::unique_ptr<test::Session> session;
    pid_t program = -1;
    unsigned long main = 0;
};

TEST_F(Installed, AnOrdinaryUsersFilesGoToTheirDataAndPicturesFolders) {
    const fs::path data = userFolder("data");
    const test::Xvfb::Changes env{{"HOME", home.string()}, {"XDG_DATA_HOME", data.string()}};
    start(env);
    expectTheWindowAlone();
    const fs::path work = data / "lymn-sim";
    EXPECT_TRUE(fs::exists(work / "lymn.db"));
    EXPECT_TRUE(fs::exists(work / "lymn.mdb.stamp"));
    // A screenshot lands in the pictures folder, made for it.
    const Point at = session->xd->bounds(main).topLeft() + test::kScreenshotButton;
    session->clickAt(at);
    ASSERT_NE(session->boxBeside(main), 0u) << "the screenshot said nothing";
    session->key("Return");
    EXPECT_TRUE(session->onlyWindowIs(main));
    const fs::path pictures = home / "Pictures" / "lymn-sim";
    ASSERT_TRUE(fs::is_directory(pictures));
    EXPECT_EQ(std::distance(fs::directory_iterator(pictures), fs::directory_iterator()), 1);
    closeProgram();
    // Nothing was written beside the program or its installed data.
    EXPECT_EQ(std::distance(fs::directory_iterator(prefix / "bin"), fs::directory_iterator()), 1);
    EXPECT_EQ(std::distance(fs::directory_iterator(prefix / "share" / "lymn-sim"),
                            fs::directory_iterator()),
              1);

    // The second start takes the copy it made: the stamp does not change.
    const std::string stamp = read(work / "lymn.mdb.stamp");
    struct stat before {};
    ::stat((work / "lymn.mdb.stamp").c_str(), &before);
    start(env);
    expectTheWindowAlone();
    struct stat after {};
    ::stat((work / "lymn.mdb.stamp").c_str(), &after);
    EXPECT_EQ(after.st_ino, before.st_ino);
    EXPECT_EQ(read(work / "lymn.mdb.stamp"), stamp);
    closeProgram();

    // A package update brings other data: it is copied again, and the program uses it.
    const fs::path csv = root / "changed.csv";
    std::string rows = read(fs::path(LYMN_SOURCE_DIR) / "data" / "t_js.csv");
    const auto at1 = rows.find("jg,wwl,14,14,6,8");
    ASSERT_NE(at1, std::string::npos);
    rows.replace(at1, 16, "jg,wwl,24,14,6,8");
    std::ofstream(csv) << rows;
    const fs::path shipped = prefix / "share" / "lymn-sim" / "lymn.mdb";
    const std::string build = std::string(LYMN_BINARY_DIR) + "/lymn-data build '" + csv.string() +
                              "' '" + shipped.string() + ".new' > /dev/null && mv '" +
                              shipped.string() + ".new' '" + shipped.string() + "'";
    ASSERT_EQ(std::system(build.c_str()), 0);
    start(env);
    expectTheWindowAlone();
    EXPECT_NE(read(work / "lymn.mdb.stamp"), stamp);
    closeProgram();
    const std::string dump = std::string(LYMN_BINARY_DIR) + "/lymn-data dump '" +
                             (work / "lymn.db").string() + "' | grep -q '^jg,wwl,24,14,6,8'";
    EXPECT_EQ(std::system(dump.c_str()), 0) << "the working copy holds the old data";

    // Without XDG_DATA_HOME, the data folder in the home serves.
    start({{"HOME", home.string()}, {"XDG_DATA_HOME", std::nullopt}});
    expectTheWindowAlone();
    EXPECT_TRUE(fs::exists(home / ".local" / "share" / "lymn-sim" / "lymn.db"));
    closeProgram();
}

TEST_F(Installed, AHomeTheUserCannotWriteGivesOneBoxAndTheWindowStillOpens) {
    const fs::path locked = root / "locked-home";
    fs::create_directories(locked);
    fs::permissions(locked, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                                fs::perms::group_exec | fs::perms::others_read |
                                fs::perms::others_exec);
    start({{"HOME", locked.string()}, {"XDG_DATA_HOME", std::nullopt}});
    // The box comes first, before the window shows.
    const auto first = session->windows();
    ASSERT_EQ(first.size(), 1u);
    EXPECT_NE(session->xd->bounds(first[0]).size(), (Size{440, 535}));
    session->key("Return");
    ASSERT_TRUE(waitFor([&] { return session->mainWindow() != 0; })) << "the window did not open";
    main = session->mainWindow();
    EXPECT_TRUE(session->onlyWindowIs(main)) << "more than one box";
    EXPECT_FALSE(fs::exists(locked / ".local"));
    closeProgram();
}

}  // namespace
}  // namespace lymn
