#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lymn::tools {

// One line of a driver script as read, before anything runs: nothing to do (a blank line or a
// comment beginning with "#"), or a command's words and the text after its first word. Blanks
// are spaces, tabs, vertical tabs, form feeds and carriage returns, the same ones everywhere.
struct CommandLine {
    // Separated by blanks; none for a line with nothing to do.
    std::vector<std::string> words;
    // What follows the first word and one blank, verbatim; none when the word ends the line.
    std::optional<std::string> text;

    bool empty() const { return words.empty(); }
    // Reads a line without its line feed; a carriage return before the feed is dropped.
    static CommandLine read(std::string_view line);
};

}  // namespace lymn::tools
