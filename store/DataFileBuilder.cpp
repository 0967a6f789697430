#include "store/DataFileBuilder.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <map>
#include <set>

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Integers.h"
#include "store/ConnectionString.h"
#include "store/DataFileHeader.h"
#include "store/SqliteImage.h"

namespace lymn::store {

PairReport checkPairs(const std::vector<std::pair<std::string, std::string>>& pairs,
                      const CodeSets& codes) {
    std::map<std::pair<std::string, std::string>, int> count;
    for (const auto& p : pairs) ++count[p];
    PairReport r;
    for (const auto& zy : codes.professions)
        for (const auto& js : codes.appearances) {
            const int n = count[{zy, js}];
            std::string pair = zy;
            pair.append("/").append(js);
            if (n == 0) r.missing.push_back(pair);
            if (n > 1) r.duplicates.push_back(pair);
        }
    return r;
}

namespace {

[[noreturn]] void refuse(int line, const std::string& reason) {
    throw Error("line " + std::to_string(line) + ": " + reason);
}

bool identifier(const std::string& s) {
    if (s.empty() || std::isdigit(static_cast<unsigned char>(s[0]))) return false;
    return std::all_of(s.begin(), s.end(),
                       [](unsigned char c) { return std::isalnum(c) || c == '_'; });
}

void checkHeader(const CsvTable& csv) {
    const auto& h = csv.header;
    for (size_t i = 0; i < 6; ++i)
        if (i >= h.size() || h[i] != kColumns[i])
            refuse(1, "the header must start with zy,js,ll,tp,ys,jg");
    std::set<std::string> seen;
    for (const auto& name : h) {
        std::string low = name;
        std::transform(low.begin(), low.end(), low.begin(),
                       [](unsigned char c) { return std::tolower(c); });
        if (!identifier(name))
            refuse(1, "'" + name + "' is not a column name (letters, digits and _)");
        if (!seen.insert(low).second) refuse(1, "the column '" + name + "' appears twice");
    }
}

void checkRow(const CsvTable::Row& row, const CodeSets& codes) {
    const auto& f = row.fields;
    if (std::find(codes.professions.begin(), codes.professions.end(), f[0]) ==
        codes.professions.end())
        refuse(row.line, "'" + f[0] + "' is not a profession code");
    if (std::find(codes.appearances.begin(), codes.appearances.end(), f[1]) ==
        codes.appearances.end())
        refuse(row.line, "'" + f[1] + "' is not an appearance code");
    for (size_t i = 2; i < 6; ++i) {
        try {
            strToInt(f[i]);
        } catch (const Error& e) {
            refuse(row.line, std::string(kColumns[i]) + ": " + e.what());
        }
    }
}

class Database {
  public:
    explicit Database(const std::filesystem::path& p) {
        if (sqlite3_open_v2(p.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
            SQLITE_OK)
            fail();
    }
    ~Database() { sqlite3_close(db_); }
    void exec(const std::string& sql) {
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK) fail();
    }
    void insert(const std::string& sql, const std::vector<std::string>& values, size_t integers) {
        sqlite3_stmt* s = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &s, nullptr) != SQLITE_OK) fail();
        for (size_t i = 0; i < values.size(); ++i) {
            const int at = static_cast<int>(i) + 1;
            if (i >= 2 && i < 2 + integers)
                sqlite3_bind_int(s, at, strToInt(values[i]));
            else
                sqlite3_bind_text(s, at, values[i].c_str(), -1, SQLITE_TRANSIENT);
        }
        const int rc = sqlite3_step(s);
        sqlite3_finalize(s);
        if (rc != SQLITE_DONE) fail();
    }

  private:
    [[noreturn]] void fail() {
        throw Error(db_ ? sqlite3_errmsg(db_) : "cannot create the database");
    }
    sqlite3* db_ = nullptr;
};

}  // namespace

std::vector<std::string> buildDataFile(const CsvTable& csv, const CodeSets& codes,
                                       const std::filesystem::path& out, bool strict) {
    checkHeader(csv);
    std::vector<std::pair<std::string, std::string>> pairs;
    for (const auto& row : csv.rows) {
        checkRow(row, codes);
        pairs.emplace_back(row.fields[0], row.fields[1]);
    }
    const PairReport report = checkPairs(pairs, codes);
    std::vector<std::string> warnings;
    for (const auto& m : report.missing) warnings.push_back("missing pair " + m);
    for (const auto& d : report.duplicates) warnings.push_back("duplicate pair " + d);
    if (strict && !warnings.empty())
        throw Error(warnings.front() + (warnings.size() > 1 ? " (and more)" : ""));

    std::filesystem::path tmp = out;
    tmp += ".building";
    files::remove(tmp);
    try {
        {
            Database db(tmp);
            std::string create =
                "create table t_js (zy text, js text, ll integer, tp integer, ys integer, jg "
                "integer";
            std::string insert = "insert into t_js values (?, ?, ?, ?, ?, ?";
            for (size_t i = 6; i < csv.header.size(); ++i) {
                create += ", " + csv.header[i] + " text";
                insert += ", ?";
            }
            db.exec("begin");
            db.exec(create + ")");
            for (const auto& row : csv.rows) db.insert(insert + ")", row.fields, 4);
            db.exec(std::string("create table ") + kPasswordTable + " (password text)");
            db.insert(std::string("insert into ") + kPasswordTable + " values (?)",
                      {kDatabasePassword}, 0);
            db.exec("commit");
        }
        HideDataFileHeader(tmp);
        if (std::rename(tmp.c_str(), out.c_str()) != 0)
            throw Error("Cannot create file " + out.string());
    } catch (...) {
        files::remove(tmp);
        throw;
    }
    return warnings;
}

}  // namespace lymn::store
