#include "store/CsvTable.h"

#include "platform/Error.h"

namespace lymn::store {

namespace {

[[noreturn]] void fail(int line, const std::string& reason) {
    throw Error("line " + std::to_string(line) + ": " + reason);
}

}  // namespace

CsvTable CsvTable::parse(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    CsvTable table;
    size_t i = 0;
    int line = 1;
    bool first = true;
    while (i < text.size()) {
        const int startLine = line;
        std::vector<std::string> fields;
        std::string field;
        bool quoted = false;
        bool afterQuote = false;
        bool ended = false;
        while (i < text.size() && !ended) {
            const char c = text[i];
            if (quoted) {
                if (c == '"') {
                    if (i + 1 < text.size() && text[i + 1] == '"') {
                        field.push_back('"');
                        i += 2;
                        continue;
                    }
                    quoted = false;
                    afterQuote = true;
                } else {
                    if (c == '\n') ++line;
                    field.push_back(c);
                }
                ++i;
                continue;
            }
            if (c == ',') {
                fields.push_back(std::move(field));
                field.clear();
                afterQuote = false;
            } else if (c == '\n' || (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')) {
                if (c == '\r') ++i;
                ended = true;
                ++line;
            } else if (c == '"' && field.empty() && !afterQuote) {
                quoted = true;
            } else if (afterQuote) {
                fail(startLine, "text after a closing quote");
            } else if (c == '"' || c == '\r') {
                fail(startLine, c == '"' ? "a quote inside an unquoted field"
                                         : "a carriage return inside a line");
            } else {
                field.push_back(c);
            }
            ++i;
        }
        if (quoted) fail(startLine, "a quoted field is not closed");
        fields.push_back(std::move(field));
        // Blank lines are skipped.
        if (fields.size() == 1 && fields[0].empty() && !afterQuote) continue;
        if (first) {
            table.header = std::move(fields);
            first = false;
            continue;
        }
        if (fields.size() != table.header.size())
            fail(startLine, "expected " + std::to_string(table.header.size()) + " fields, found " +
                                std::to_string(fields.size()));
        table.rows.push_back({startLine, std::move(fields)});
    }
    if (first) throw Error("line 1: the header line is missing");
    return table;
}

std::string CsvTable::quote(const std::string& field) {
    if (field.find_first_of(",\"\r\n") == std::string::npos) return field;
    std::string out = "\"";
    for (char c : field) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

}  // namespace lymn::store
