#include "tools/lymn-drive/CommandLine.h"

namespace lymn::tools {

namespace {

constexpr std::string_view kBlanks = " \t\v\f\r";

}  // namespace

CommandLine CommandLine::read(std::string_view line) {
    CommandLine out;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string_view::npos || line[first] == '#') return out;
    for (size_t at = first; at != std::string_view::npos;) {
        const size_t end = line.find_first_of(kBlanks, at);
        out.words.emplace_back(line.substr(at, end == std::string_view::npos ? end : end - at));
        at = end == std::string_view::npos ? end : line.find_first_not_of(kBlanks, end);
    }
    if (const size_t end = line.find_first_of(kBlanks, first); end != std::string_view::npos)
        out.text = std::string(line.substr(end + 1));
    return out;
}

}  // namespace lymn::tools
