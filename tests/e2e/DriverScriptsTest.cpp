// Every tests/e2e/NAME.drive script, played by lymn-drive on the shipped data, prints exactly
// tests/e2e/NAME.expected and ends with exit status 0 (or the status in NAME.status).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

struct Result {
    std::string out;
    int status = -1;
};

Result runDriver(const fs::path& script, const std::vector<std::string>& args = {}) {
    const fs::path outFile =
        fs::temp_directory_path() / ("lymn-e2e-" + std::to_string(::getpid()) + ".out");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, script.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::string exe = std::string(LYMN_BINARY_DIR) + "/lymn-drive";
    std::vector<std::string> words = args;
    std::vector<char*> argv{exe.data()};
    for (std::string& w : words) argv.push_back(w.data());
    argv.push_back(nullptr);
    pid_t pid = 0;
    Result r;
    if (posix_spawn(&pid, exe.c_str(), &actions, nullptr, argv.data(), environ) == 0) {
        int status = 0;
        waitpid(pid, &status, 0);
        r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    posix_spawn_file_actions_destroy(&actions);
    r.out = readFile(outFile);
    fs::remove(outFile);
    return r;
}

std::vector<std::string> scripts() {
    std::vector<std::string> names;
    for (auto& e : fs::directory_iterator(fs::path(LYMN_SOURCE_DIR) / "tests/e2e"))
        if (e.path().extension() == ".drive") names.push_back(e.path().stem().string());
    std::sort(names.begin(), names.end());
    return names;
}

class DriverScript : public ::testing::TestWithParam<std::string> {};

TEST_P(DriverScript, PrintsWhatIsExpected) {
    const fs::path base = fs::path(LYMN_SOURCE_DIR) / "tests/e2e" / GetParam();
    const Result r = runDriver(base.string() + ".drive");
    const fs::path statusFile = base.string() + ".status";
    const int expectedStatus = fs::exists(statusFile) ? std::stoi(readFile(statusFile)) : 0;
    EXPECT_EQ(r.status, expectedStatus);
    EXPECT_EQ(r.out, readFile(base.string() + ".expected"));
}

INSTANTIATE_TEST_SUITE_P(Scripts, DriverScript, ::testing::ValuesIn(scripts()),
                         [](const ::testing::TestParamInfo<std::string>& param) {
                             return param.param;
                         });

// The windows drawn at 2 and 3 times the density behave exactly as at scale 1: every script,
// clicks included, prints the same.
TEST(DriverScripts, EveryScriptPrintsTheSameAtEveryScale) {
    for (const std::string& name : scripts()) {
        const fs::path base = fs::path(LYMN_SOURCE_DIR) / "tests/e2e" / name;
        const Result one = runDriver(base.string() + ".drive");
        for (const char* scale : {"2", "3"}) {
            SCOPED_TRACE(name + " at scale " + scale);
            const Result r = runDriver(base.string() + ".drive", {"--scale", scale});
            EXPECT_EQ(r.status, one.status);
            EXPECT_EQ(r.out, one.out);
        }
    }
}

// The width and height of a PNG file, from its header.
std::pair<uint32_t, uint32_t> pngSize(const std::string& bytes) {
    auto be32 = [&](size_t at) {
        uint32_t v = 0;
        for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<uint8_t>(bytes.at(at + i));
        return v;
    };
    return {be32(16), be32(20)};
}

TEST(DriverScripts, ShotWritesTheWindowAtItsScaleAndABadScaleIsRefused) {
    const fs::path dir =
        fs::temp_directory_path() / ("lymn-e2e-shot-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const fs::path script = dir / "shot.drive";
    for (int scale = 1; scale <= 3; ++scale) {
        const fs::path png = dir / ("window-" + std::to_string(scale) + ".png");
        std::ofstream(script) << "shot " << png.string() << "\n";
        const Result r = runDriver(script, {"--scale", std::to_string(scale)});
        EXPECT_EQ(r.status, 0);
        const auto size = pngSize(readFile(png));
        EXPECT_EQ(size.first, 440u * scale);
        EXPECT_EQ(size.second, 535u * scale);
    }
    for (const char* bad : {"0", "4", "abc"})
        EXPECT_EQ(runDriver(script, {"--scale", bad}).status, 2);
    fs::remove_all(dir);
}

// Runs a script given as text; its output.
Result runText(const std::string& script, const std::string& name,
               const std::vector<std::string>& args = {}) {
    const fs::path file =
        fs::temp_directory_path() / ("lymn-e2e-" + std::to_string(::getpid()) + "-" + name);
    std::ofstream(file) << script;
    Result r = runDriver(file, args);
    fs::remove(file);
    return r;
}

// The lines of the output that start with prefix, without it.
std::vector<std::string> linesAfter(const std::string& out, const std::string& prefix) {
    std::vector<std::string> found;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(prefix, 0) == 0) found.push_back(line.substr(prefix.size()));
    return found;
}

// The dumps of an output, each as one text.
std::vector<std::string> dumps(const std::string& out) {
    std::vector<std::string> found;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("EdtRank=", 0) == 0) found.emplace_back();
        if (!found.empty() && line.find('=') != std::string::npos) found.back() += line + "\n";
    }
    return found;
}

// Random builds made by clicks: the code restored in a new process shows the same window, with
// no box on the way; undoing every step gives the start and redoing them the end.
TEST(DriverScripts, BuildsTravelAsCodesAndUndoAndRedoWalkTheirSteps) {
    std::mt19937 rng(2026);
    auto pick = [&](int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); };
    const char* ups[] = {"la", "ta", "ya", "ja", "da", "ma", "lsa", "xa"};
    const char* downs[] = {"ld", "td", "yd", "jd", "dd", "md", "lsd", "xd"};
    const std::string start = dumps(runText("dump\n", "start").out).at(0);
    for (int i = 0; i < 12; ++i) {
        SCOPED_TRACE(i);
        std::ostringstream script;
        script << "pick js " << pick(1, 20) << "\npick zy " << pick(1, 8) << "\nlevel "
               << pick(1, 200) << "\n";
        if (pick(0, 1)) script << "pick zy " << pick(1, 8) << "\nlevel " << pick(1, 200) << "\n";
        for (int n = pick(0, 40); n > 0; --n)
            script << "click " << (pick(0, 4) ? ups : downs)[pick(0, 7)] << "\n";
        script << "dump\ncode\n";
        for (int n = 0; n < 120; ++n) script << "undo\n";
        script << "dump\n";
        for (int n = 0; n < 120; ++n) script << "redo\n";
        script << "dump\n";
        const Result made = runText(script.str(), "made");
        ASSERT_EQ(made.status, 0) << made.out;
        const auto codes = linesAfter(made.out, "code: ");
        const auto shown = dumps(made.out);
        ASSERT_EQ(codes.size(), 1u) << made.out;
        ASSERT_EQ(shown.size(), 3u) << made.out;
        EXPECT_EQ(shown[1], start);
        EXPECT_EQ(shown[2], shown[0]) << script.str().substr(0, script.str().find("undo"));
        const Result restored = runText("restore " + codes[0] + "\ndump\ncode\n", "restored");
        EXPECT_TRUE(linesAfter(restored.out, "box: ").empty()) << restored.out;
        EXPECT_TRUE(linesAfter(restored.out, "error: ").empty()) << restored.out;
        ASSERT_EQ(dumps(restored.out).size(), 1u) << restored.out;
        EXPECT_EQ(dumps(restored.out)[0], shown[0]) << codes[0];
        EXPECT_EQ(linesAfter(restored.out, "code: "), codes);
    }
}

// A code that is not one gives one box, and the window stays as it was.
TEST(DriverScripts, ARefusedCodeGivesOneBoxAndChangesNothing) {
    std::mt19937 rng(5);
    std::ostringstream script;
    script << "pick js 2\npick zy 3\nlevel 40\nclick la\ndump\n";
    int refusals = 0;
    for (size_t length = 0; length <= 200; length += 7) {
        std::string text;
        for (size_t k = 0; k < length; ++k)
            text += static_cast<char>(std::uniform_int_distribution<int>(33, 126)(rng));
        script << "restore " << text << "\n";
        ++refusals;
    }
    script << "restore LY2000000000000000000000\nrestore LY1000000000000000000001\ndump\n";
    refusals += 2;
    const Result r = runText(script.str(), "refused");
    EXPECT_EQ(static_cast<int>(linesAfter(r.out, "error: ").size()), refusals) << r.out;
    const auto shown = dumps(r.out);
    ASSERT_EQ(shown.size(), 2u);
    EXPECT_EQ(shown[1], shown[0]);
}

// A screenshot carries the build it shows: opened in a new process it shows the same window; a
// picture without a build, a file that is no picture and a missing file each give one box.
TEST(DriverScripts, AScreenshotOpensTheBuildItShows) {
    // A folder of its own, which outlives the driver that saves the screenshot in it.
    const fs::path dir =
        fs::temp_directory_path() / ("lymn-e2e-open-" + std::to_string(::getpid()));
    fs::create_directories(dir);
    fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", dir / "lymn.mdb",
                  fs::copy_options::overwrite_existing);
    const Result made = runText(
        "pick js 7\npick zy 6\nlevel 77\nclick ya\nclick ya\nclick lsa\nclick skinButton1\ndump\n",
        "shot", {"--dir", dir.string()});
    const auto saved = linesAfter(made.out, "box: 截图成功，图片保存在：");
    ASSERT_EQ(saved.size(), 1u) << made.out;
    const Result opened = runText("open " + saved[0] + "\ndump\n", "open");
    EXPECT_EQ(dumps(opened.out), dumps(made.out)) << opened.out;
    EXPECT_TRUE(linesAfter(opened.out, "error: ").empty()) << opened.out;
    const fs::path plain = fs::path(LYMN_SOURCE_DIR) / "resources/layout/LOGO.jpg";
    const fs::path notAPicture = fs::path(LYMN_SOURCE_DIR) / "data/t_js.csv";
    const Result refused = runText("open " + plain.string() + "\nopen " + notAPicture.string() +
                                       "\nopen /nonexistent/x.jpg\ndump\n",
                                   "refused");
    const auto errors = linesAfter(refused.out, "error: ");
    ASSERT_EQ(errors.size(), 3u) << refused.out;
    EXPECT_NE(errors[0].find("没有方案"), std::string::npos);
    EXPECT_NE(errors[1].find("不是截图"), std::string::npos);
    EXPECT_NE(errors[2].find("Cannot open file"), std::string::npos);
    EXPECT_EQ(dumps(refused.out), dumps(runText("dump\n", "plain").out));
    fs::remove_all(dir);
}

// Three builds saved, the simulator closed and started again: they are there, newest first,
// and each shows again as it was saved; a name is refused with a box and nothing saved.
TEST(DriverScripts, SavedBuildsOutliveTheWindow) {
    const fs::path dir =
        fs::temp_directory_path() / ("lymn-e2e-saved-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", dir / "lymn.mdb");
    const std::vector<std::string> args{"--dir", dir.string()};
    // A level typed after resistance points keeps them (and gives the whole pool again): the
    // builds here spend those last.
    const Result first = runText(
        "pick js 4\npick zy 2\nlevel 9\ndump\nsave 九级\nlevel 33\nclick la\ndump\nsave 力士\n"
        "pick zy 7\nlevel 150\nclick ya\nclick ya\nclick da\ndump\nsave 符咒 二号\nsave \n"
        "save 一二三四五六七八九十一二三四五六七八九十一二三四五六七八九十一二三\n",
        "saving", args);
    const auto shown = dumps(first.out);
    ASSERT_EQ(shown.size(), 3u) << first.out;
    EXPECT_EQ(linesAfter(first.out, "error: ").size(), 2u) << first.out;
    const Result again = runText("builds\nload 九级\ndump\nload 力士\ndump\nload 符咒 二号\ndump\n",
                                 "loading", args);
    std::vector<std::string> names;
    for (const std::string& line : linesAfter(again.out, "build: "))
        names.push_back(line.substr(0, line.find('|')));
    EXPECT_EQ(names, (std::vector<std::string>{"符咒 二号", "力士", "九级"}));
    EXPECT_EQ(dumps(again.out), shown) << again.out;
    fs::remove_all(dir);
}

}  // namespace
