#pragma once

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "store/CsvTable.h"

namespace lymn::store {

// The codes a row may carry.
struct CodeSets {
    std::vector<std::string> professions;
    std::vector<std::string> appearances;
};

// Pairs of codes that have no row, and pairs that have more than one, as "zy/js".
struct PairReport {
    std::vector<std::string> missing;
    std::vector<std::string> duplicates;
};
PairReport checkPairs(const std::vector<std::pair<std::string, std::string>>& pairs,
                      const CodeSets& codes);

// The six columns the program reads, in this order at the start of every table.
inline constexpr const char* kColumns[] = {"zy", "js", "ll", "tp", "ys", "jg"};

// Checks every row of the table and writes the data file (carrying the marker) to out, through
// a temporary file renamed into place, so nothing is written when a row is refused. A refused
// row raises "line N: <reason>"; missing and duplicate pairs are returned as warnings, or raise
// when strict is set.
std::vector<std::string> buildDataFile(const CsvTable& csv, const CodeSets& codes,
                                       const std::filesystem::path& out, bool strict);

}  // namespace lymn::store
