#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lymn::store {

// A comma-separated table: a header line, then rows. Fields may be quoted with '"' (a quote
// inside doubled); lines end with LF or CRLF; a UTF-8 byte order mark is skipped.
struct CsvTable {
    struct Row {
        int line = 0;  // 1-based line number in the text
        std::vector<std::string> fields;
    };
    std::vector<std::string> header;
    std::vector<Row> rows;

    // Raises an Error "line N: <reason>" for a malformed line or a row whose field count
    // differs from the header's.
    static CsvTable parse(std::string_view text);
    // One field written for CSV: quoted when it holds a comma, quote or line break.
    static std::string quote(const std::string& field);
};

}  // namespace lymn::store
