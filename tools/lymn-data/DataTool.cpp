#include "tools/lymn-data/DataTool.h"

#include <optional>

#include "platform/Error.h"
#include "platform/Files.h"
#include "sim/CodeTables.h"
#include "store/ConnectionString.h"
#include "store/CsvTable.h"
#include "store/DataFileBuilder.h"
#include "store/DataFileHeader.h"
#include "store/SqliteImage.h"

namespace lymn::tools {

namespace {

const char kUsage[] =
    "usage: lymn-data build [--strict] IN.csv OUT   write a data file (with the marker) from a CSV "
    "table\n"
    "       lymn-data dump FILE                     print the table t_js as CSV\n"
    "       lymn-data check FILE                    tell whether the simulator can use the file\n"
    "\n"
    "The CSV starts with the header zy,js,ll,tp,ys,jg; further columns are kept as extra columns.\n"
    "build refuses a row with an unknown code, a value that is not a 32-bit integer or a "
    "malformed\n"
    "line, naming its line, and then writes nothing. Missing and duplicate pairs of profession "
    "and\n"
    "appearance are warnings; with --strict they are errors. check exits with 0 only when the\n"
    "simulator can use the file.\n";

store::CodeSets programCodes() {
    store::CodeSets c;
    for (size_t i = 1; i < sim::ProfessionTable.size(); ++i)
        c.professions.emplace_back(sim::ProfessionTable[i].code);
    for (size_t i = 1; i < sim::AppearanceTable.size(); ++i)
        c.appearances.emplace_back(sim::AppearanceTable[i].code);
    return c;
}

std::vector<uint8_t> readFile(const std::string& path) {
    auto bytes = files::readAll(path);
    if (!bytes) throw Error("Cannot open file " + path);
    return std::move(*bytes);
}

std::string cellText(const store::CellValue& v) {
    switch (v.kind) {
        case store::CellValue::Kind::Null:
            return "";
        case store::CellValue::Kind::Integer:
            return std::to_string(v.integer);
        case store::CellValue::Kind::Real:
            return std::to_string(v.real);
        default:
            return v.text;
    }
}

int build(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    bool strict = false;
    std::vector<std::string> paths;
    for (size_t i = 1; i < args.size(); ++i) {
        if (args[i] == "--strict")
            strict = true;
        else
            paths.push_back(args[i]);
    }
    if (paths.size() != 2) {
        err << kUsage;
        return 2;
    }
    const auto bytes = readFile(paths[0]);
    std::vector<std::string> warnings;
    try {
        const auto csv =
            store::CsvTable::parse({reinterpret_cast<const char*>(bytes.data()), bytes.size()});
        warnings = store::buildDataFile(csv, programCodes(), paths[1], strict);
        for (const auto& w : warnings) err << "lymn-data: warning: " << w << "\n";
        out << "lymn-data: wrote " << paths[1] << " (" << csv.rows.size() << " rows)\n";
    } catch (const Error& e) {
        err << "lymn-data: " << paths[0] << ": " << e.what() << "\n";
        return 1;
    }
    return 0;
}

int dump(const std::string& path, std::ostream& out) {
    store::SqliteImage image(readFile(path));
    const auto r = image.query("select * from t_js");
    for (size_t i = 0; i < r.columns.size(); ++i)
        out << (i ? "," : "") << store::CsvTable::quote(r.columns[i]);
    out << "\n";
    for (const auto& row : r.rows) {
        for (size_t i = 0; i < row.size(); ++i)
            out << (i ? "," : "") << store::CsvTable::quote(cellText(row[i]));
        out << "\n";
    }
    return 0;
}

int check(const std::string& path, std::ostream& out) {
    const auto bytes = readFile(path);
    out << "header: " << store::headerStateName(store::headerState(bytes)) << "\n";
    std::optional<store::SqliteImage> image;
    try {
        image.emplace(bytes);
    } catch (const Error& e) {
        out << "database: not readable (" << e.what() << ")\nusable: no\n";
        return 1;
    }
    const auto stored = store::storedPassword(*image);
    const bool passwordOk = !stored || *stored == store::kDatabasePassword;
    out << "password: " << (passwordOk ? "accepted" : "rejected") << "\n";
    bool tableOk = image->hasTable("t_js");
    std::vector<std::pair<std::string, std::string>> pairs;
    if (tableOk) {
        try {
            const auto r = image->query("select zy, js, ll, tp, ys, jg from t_js");
            for (const auto& row : r.rows) pairs.emplace_back(cellText(row[0]), cellText(row[1]));
            out << "rows: " << r.rows.size() << "\n";
        } catch (const Error& e) {
            out << "table t_js: " << e.what() << "\n";
            tableOk = false;
        }
    } else {
        out << "table t_js: missing\n";
    }
    if (tableOk) {
        const auto report = store::checkPairs(pairs, programCodes());
        auto list = [&](const char* what, const std::vector<std::string>& v) {
            out << what << ": " << (v.empty() ? "none" : std::to_string(v.size()));
            for (const auto& p : v) out << " " << p;
            out << "\n";
        };
        list("missing pairs", report.missing);
        list("duplicate pairs", report.duplicates);
    }
    const bool usable = passwordOk && tableOk;
    out << "usable: " << (usable ? "yes" : "no") << "\n";
    return usable ? 0 : 1;
}

}  // namespace

int runDataTool(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    if (args.empty() || args[0] == "--help" || args[0] == "-h" || args[0] == "help") {
        (args.empty() ? err : out) << kUsage;
        return args.empty() ? 2 : 0;
    }
    try {
        if (args[0] == "build") return build(args, out, err);
        if (args[0] == "dump" && args.size() == 2) return dump(args[1], out);
        if (args[0] == "check" && args.size() == 2) return check(args[1], out);
    } catch (const Error& e) {
        err << "lymn-data: " << e.what() << "\n";
        return 1;
    }
    err << kUsage;
    return 2;
}

}  // namespace lymn::tools
