// A long driver script of random commands a player gives (picks, levels, spins, holds, clicks on
// the point buttons, dumps) runs to its end, and the program's memory stops growing: the
// resident memory after all of them (100,000; fewer under the sanitizers) is within 10% of that
// after the first tenth.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "tools/lymn-drive/Driver.h"

#ifndef LYMN_SOAK_COMMANDS
#define LYMN_SOAK_COMMANDS 100000
#endif

namespace lymn {
namespace {

namespace fs = std::filesystem;

// An output that keeps nothing but the number of its lines, so that the memory measured is the
// program's.
class LineCounter : public std::streambuf {
  public:
    long lines() const { return lines_; }

  protected:
    int overflow(int c) override {
        if (c == '\n') ++lines_;
        return c == EOF ? 0 : c;
    }
    std::streamsize xsputn(const char* s, std::streamsize n) override {
        for (std::streamsize i = 0; i < n; ++i)
            if (s[i] == '\n') ++lines_;
        return n;
    }

  private:
    long lines_ = 0;
};

long residentKb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

// count commands drawn from a fixed seed: the same script at every run.
std::string randomScript(int count, unsigned seed) {
    static const char* const kButtons[] = {"la", "ld", "ta", "td", "ya",  "yd",  "ja", "jd",
                                           "da", "dd", "ma", "md", "lsa", "lsd", "xa", "xd"};
    static const char* const kLevels[] = {"abc", "", "-3", "0x1F", "$10", " 7", "99999999999"};
    std::mt19937 random(seed);
    auto below = [&random](int n) { return static_cast<int>(random() % static_cast<unsigned>(n)); };
    std::string script;
    for (int i = 0; i < count; ++i) {
        const int kind = below(100);
        if (kind < 10)
            script += "pick js " + std::to_string(below(21)) + "\n";
        else if (kind < 20)
            script += "pick zy " + std::to_string(below(9)) + "\n";
        else if (kind < 35)
            script +=
                "level " +
                (below(8) == 0 ? std::string(kLevels[below(7)]) : std::to_string(below(230))) +
                "\n";
        else if (kind < 50)
            script += std::string("spin ") + (below(2) ? "up " : "down ") +
                      std::to_string(1 + below(5)) + "\n";
        else if (kind < 55)
            script += std::string("hold ") + (below(2) ? "up " : "down ") +
                      std::to_string(below(1500)) + "\n";
        else if (kind < 90)
            script += std::string("click ") + kButtons[below(16)] + "\n";
        else
            script += below(2) ? "dump\n" : "sheet\n";
    }
    return script;
}

TEST(Soak, RandomCommandsRunToTheEndAndTheMemoryStopsGrowing) {
    constexpr int kCommands = LYMN_SOAK_COMMANDS;
    constexpr int kFirst = kCommands / 10;
    const fs::path dir = fs::temp_directory_path() / ("lymn-soak-" + std::to_string(::getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", dir / "lymn.mdb");
    const std::string script = randomScript(kCommands, 20261209);
    size_t split = 0;
    for (int i = 0; i < kFirst; ++i) split = script.find('\n', split) + 1;
    LineCounter counter;
    std::ostream out(&counter);
    std::ostringstream err;
    long first = 0, all = 0;
    {
        tools::Driver driver(dir, out, err);
        driver.form().shellOpen = [](const std::string&) {};
        std::istringstream start(script.substr(0, split));
        ASSERT_EQ(driver.runScript(start), 0) << err.str();
        first = residentKb();
        std::istringstream rest(script.substr(split));
        ASSERT_EQ(driver.runScript(rest), 0) << err.str();
        all = residentKb();
        EXPECT_EQ(err.str(), "");
    }
    fs::remove_all(dir);
    // Every dump and sheet printed, and the level's boxes with them.
    EXPECT_GT(counter.lines(), kCommands / 2);
    RecordProperty("resident_kb_first_tenth", std::to_string(first));
    RecordProperty("resident_kb_all", std::to_string(all));
    std::cout << "resident memory after " << kFirst << " commands: " << first << " KiB, after "
              << kCommands << ": " << all << " KiB\n";
#ifndef LYMN_SOAK_SANITIZED
    // Under AddressSanitizer the resident memory holds freed blocks: there only the end counts.
    EXPECT_LE(all, first + first / 10);
#endif
}

}  // namespace
}  // namespace lymn
