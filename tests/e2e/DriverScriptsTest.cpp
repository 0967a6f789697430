// Every tests/e2e/NAME.drive script, played by lymn-drive on the shipped data, prints exactly
// tests/e2e/NAME.expected and ends with exit status 0 (or the status in NAME.status).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
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

Result runDriver(const fs::path& script) {
    const fs::path outFile =
        fs::temp_directory_path() / ("lymn-e2e-" + std::to_string(::getpid()) + ".out");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, script.c_str(), O_RDONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 1, outFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    std::string exe = std::string(LYMN_BINARY_DIR) + "/lymn-drive";
    std::vector<char*> argv{exe.data(), nullptr};
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

}  // namespace
