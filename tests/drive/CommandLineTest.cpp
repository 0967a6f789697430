// How the driver reads a script's line before running it.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "tools/lymn-drive/CommandLine.h"
#include "tools/lymn-drive/Driver.h"

namespace lymn::tools {
namespace {

using Words = std::vector<std::string>;

TEST(CommandLine, WordsAndTheTextAfterTheFirstOneSeparatedByAnyBlank) {
    CommandLine l = CommandLine::read("pick js 3");
    EXPECT_EQ(l.words, (Words{"pick", "js", "3"}));
    EXPECT_EQ(l.text, "js 3");
    // The text keeps its blanks as they stand; the words do not.
    l = CommandLine::read("  level \t 12  \r");
    EXPECT_EQ(l.words, (Words{"level", "12"}));
    EXPECT_EQ(l.text, "\t 12  ");
    l = CommandLine::read("level");
    EXPECT_EQ(l.words, Words{"level"});
    EXPECT_FALSE(l.text);
    l = CommandLine::read("level ");
    EXPECT_EQ(l.text, "");
    // Vertical tabs, form feeds and carriage returns are blanks like spaces.
    l = CommandLine::read("spin\vup\f2\r3");
    EXPECT_EQ(l.words, (Words{"spin", "up", "2", "3"}));
    EXPECT_EQ(l.text, "up\f2\r3");
    // Bytes that are no text stay as they are.
    l = CommandLine::read(std::string("type \xff\0x", 8));
    EXPECT_EQ(l.words, (Words{"type", std::string("\xff\0x", 3)}));
}

TEST(CommandLine, BlankLinesAndCommentsHaveNothingToDo) {
    for (const char* line : {"", "   ", "\r", "\r\r", "\v", "\f \t", "# a comment", "  #x y"}) {
        SCOPED_TRACE(testing::PrintToString(std::string(line)));
        EXPECT_TRUE(CommandLine::read(line).empty());
        EXPECT_FALSE(CommandLine::read(line).text);
    }
    EXPECT_FALSE(CommandLine::read("dump # not a comment").empty());
}

TEST(CommandLine, TheDriverPassesOverLinesOfBlanksAndStopsWithStatus2AtABadOne) {
    // Lines of blanks the driver once took for a command without words.
    const auto dir = std::filesystem::temp_directory_path() /
                     ("lymn-command-line-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    std::filesystem::copy_file(std::filesystem::path(LYMN_BINARY_DIR) / "lymn.mdb",
                               dir / "lymn.mdb");
    std::ostringstream out, err;
    {
        Driver driver(dir, out, err);
        std::istringstream fine("\v\n\r\r\n\f\ndump\n");
        EXPECT_EQ(driver.runScript(fine), 0) << err.str();
        EXPECT_NE(out.str().find("EdtRank=1\n"), std::string::npos);
        EXPECT_EQ(err.str(), "");
        std::istringstream bad("dump\npick js x\r\ndump\n");
        EXPECT_EQ(driver.runScript(bad), 2);
        EXPECT_EQ(err.str(), "lymn-drive: line 6: not a command: pick js x\n");
    }
    std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace lymn::tools
