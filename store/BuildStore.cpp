#include "store/BuildStore.h"

#include <sqlite3.h>

#include <cctype>
#include <chrono>
#include <cstdio>
#include <ctime>

#include "platform/Error.h"
#include "platform/Files.h"
#include "platform/Utf8.h"

namespace lymn::store {

namespace fs = std::filesystem;
using namespace buildTexts;

namespace {

// The file's header carries these, so a database of some other program is told from ours.
constexpr int kApplicationId = 0x4C594D42;  // "LYMB"
constexpr int kSchemaVersion = 1;
// Another simulator saving at the same moment holds the file for milliseconds.
constexpr int kBusyMs = 5000;

// The id never comes back after a removal (autoincrement), so an id a window still holds
// cannot name a later build.
constexpr char kSchema[] =
    "create table if not exists builds ("
    " id integer primary key autoincrement,"
    " name text not null unique,"
    " code text not null,"
    " changed_at integer not null);"
    "create index if not exists builds_by_change on builds (changed_at desc, id desc);";

constexpr char kColumns[] = "select id, name, code, changed_at from builds";

// A failure of the engine with its primary result code; the public functions turn it into
// the player's text.
class EngineFailure : public Error {
  public:
    EngineFailure(int code, const std::string& message) : Error(message), code_(code & 0xFF) {}
    explicit EngineFailure(sqlite3* db) : EngineFailure(sqlite3_errcode(db), sqlite3_errmsg(db)) {}
    int code() const { return code_; }

  private:
    int code_;
};

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v2(db, sql.c_str(), -1, &stmt_, nullptr) != SQLITE_OK)
            throw EngineFailure(db);
    }
    ~Statement() { sqlite3_finalize(stmt_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    Statement& bind(int at, const std::string& text) {
        return check(sqlite3_bind_text64(stmt_, at, text.data(), text.size(), SQLITE_TRANSIENT,
                                         SQLITE_UTF8));
    }
    Statement& bind(int at, int64_t value) { return check(sqlite3_bind_int64(stmt_, at, value)); }
    // True while it gives a row.
    bool step() {
        const int rc = sqlite3_step(stmt_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        throw EngineFailure(db_);
    }
    int64_t integer(int column) const { return sqlite3_column_int64(stmt_, column); }
    std::string text(int column) const {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
        return p ? std::string(p, static_cast<size_t>(sqlite3_column_bytes(stmt_, column))) : "";
    }

  private:
    Statement& check(int rc) {
        if (rc != SQLITE_OK) throw EngineFailure(db_);
        return *this;
    }

    sqlite3* db_;
    sqlite3_stmt* stmt_ = nullptr;
};

void exec(sqlite3* db, const std::string& sql) {
    if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, nullptr) != SQLITE_OK)
        throw EngineFailure(db);
}

int64_t pragma(sqlite3* db, const char* name) {
    Statement s(db, std::string("pragma ") + name);
    return s.step() ? s.integer(0) : 0;
}

bool quickCheckPasses(sqlite3* db) {
    Statement s(db, "pragma quick_check");
    return s.step() && s.text(0) == "ok" && !s.step();
}

bool hasNoObjects(sqlite3* db) {
    Statement s(db, "select count(*) from sqlite_master");
    return s.step() && s.integer(0) == 0;
}

bool hasOurColumns(sqlite3* db) {
    try {
        Statement s(db, std::string(kColumns) + " limit 0");
        return true;
    } catch (const EngineFailure& e) {
        // A missing table or column; anything else (a busy file) is no answer.
        if (e.code() != SQLITE_ERROR) throw;
        return false;
    }
}

// Runs the statements of one change as one transaction; a failure rolls all of them back.
template <class Change>
void inTransaction(sqlite3* db, Change&& change) {
    exec(db, "begin immediate");
    try {
        change();
        exec(db, "commit");
    } catch (const EngineFailure&) {
        if (!sqlite3_get_autocommit(db)) sqlite3_exec(db, "rollback", nullptr, nullptr, nullptr);
        throw;
    }
}

// The schema and its marks in one transaction: a file is either ours whole or still empty.
void createSchema(sqlite3* db) {
    inTransaction(db, [db] {
        exec(db, kSchema);
        exec(db, "pragma application_id = " + std::to_string(kApplicationId));
        exec(db, "pragma user_version = " + std::to_string(kSchemaVersion));
    });
}

// A changed build takes the next id, so that of the builds changed in one second the one changed
// last comes first; the count of ids given then covers it, so its old id is never given again.
constexpr char kNextId[] = "(select seq + 1 from sqlite_sequence where name = 'builds')";
constexpr char kCountIds[] =
    "update sqlite_sequence set seq = (select max(id) from builds) where name = 'builds' and "
    "seq < (select max(id) from builds)";

// Runs a change that returns the changed build's id as one transaction, the id counted as
// given; 0 when no build changed.
int64_t changeReturningId(sqlite3* db, Statement& change) {
    int64_t id = 0;
    inTransaction(db, [&] {
        if (!change.step()) return;
        id = change.integer(0);
        change.step();
        exec(db, kCountIds);
    });
    return id;
}

// The write-ahead log rather than the rollback journal: with synchronous=FULL a commit is one
// flush of the log, where the journal takes four or five (journal twice, folder, file), some
// 4 ms instead of 20 on a slow disk. A kill or power cut keeps the commits the log holds and
// drops the one it cut.
void useWriteAheadLog(sqlite3* db) {
    Statement s(db, "pragma journal_mode = wal");
    if (!s.step() || s.text(0) != "wal")
        throw EngineFailure(SQLITE_ERROR, "cannot use the write-ahead log");
}

// The file as a URI, every byte but the plainest percent-encoded.
std::string uriOf(const fs::path& file) {
    std::string uri = "file:";
    for (const unsigned char c : file.string()) {
        if (std::isalnum(c) || c == '/' || c == '-' || c == '_' || c == '.' || c == '~') {
            uri += static_cast<char>(c);
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            uri += escaped;
        }
    }
    return uri;
}

SavedBuild rowOf(const Statement& s) {
    return {s.integer(0), s.text(1), s.text(2), s.integer(3)};
}

// The local date and time of the moment as 20261209-221530.
std::string dateStamp(int64_t seconds) {
    const auto t = static_cast<std::time_t>(seconds);
    std::tm tm{};
    localtime_r(&t, &tm);
    char text[40];
    std::snprintf(text, sizeof text, "%04d%02d%02d-%02d%02d%02d", tm.tm_year + 1900, tm.tm_mon + 1,
                  tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec);
    return text;
}

fs::path withSuffix(fs::path p, const char* suffix) {
    p += suffix;
    return p;
}

// The engine's companions of a database file, which belong to it wherever it goes.
constexpr const char* kCompanions[] = {"-wal", "-shm", "-journal"};

// A name for a moved file that it or one of its companions already has.
bool taken(const fs::path& target) {
    if (files::exists(target)) return true;
    for (const char* suffix : kCompanions)
        if (files::exists(withSuffix(target, suffix))) return true;
    return false;
}

bool isControl(char32_t c) {
    return c < 0x20 || (c >= 0x7F && c <= 0x9F);
}

[[noreturn]] void refuseRead(const EngineFailure& e) {
    if (e.code() == SQLITE_BUSY) throw Error(kBusy);
    throw Error(formatMessage(kOpenFailed, e.what()));
}

[[noreturn]] void refuseChange(const EngineFailure& e) {
    if (e.code() == SQLITE_BUSY) throw Error(kBusy);
    throw Error(formatMessage(kWriteFailed, e.what()));
}

}  // namespace

// A store is used by one thread at a time (the window's), so the engine's lock around every
// call, which a long list pays on every row, is left out.
struct BuildStore::Db {
    Db(const std::string& name, int flags) {
        const int rc = sqlite3_open_v2(name.c_str(), &handle, flags | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            const EngineFailure failure(rc, handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc));
            sqlite3_close_v2(handle);
            throw failure;
        }
        sqlite3_busy_timeout(handle, kBusyMs);
        try {
            exec(handle, "pragma synchronous = full");
        } catch (...) {
            // A damaged file fails here; no destructor closes a handle of an unmade object.
            sqlite3_close_v2(handle);
            throw;
        }
    }
    ~Db() { sqlite3_close_v2(handle); }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    sqlite3* handle = nullptr;
};

BuildStore::Clock BuildStore::systemClock() {
    return [] {
        using namespace std::chrono;
        return duration_cast<seconds>(system_clock::now().time_since_epoch()).count();
    };
}

BuildStore::BuildStore(const fs::path& folder, Clock clock)
    : folder_(folder), file_(folder / kFileName), clock_(std::move(clock)) {
    try {
        if (files::exists(file_))
            openExisting();
        else if (files::isWritableDirectory(folder_))
            startFresh();
        else
            whyReadOnly_ = readOnlyReason();
    } catch (const EngineFailure& e) {
        refuseRead(e);
    }
}

BuildStore::~BuildStore() = default;

std::string BuildStore::readOnlyReason() const {
    const std::string where = folder_.string();
    if (!files::isDirectory(folder_)) return formatMessage(kFolderMissing, where);
    if (!files::isWritableDirectory(folder_)) return formatMessage(kFolderReadOnly, where);
    if (files::exists(file_) && !files::isWritableFile(file_))
        return formatMessage(kFileReadOnly, where);
    return "";
}

void BuildStore::openExisting() {
    whyReadOnly_ = readOnlyReason();
    switch (inspect(writable())) {
        case Found::Ours:
            if (writable()) useWriteAheadLog(db_->handle);
            return;
        case Found::Empty:
            if (!writable()) {
                db_.reset();
                return;
            }
            useWriteAheadLog(db_->handle);
            createSchema(db_->handle);
            return;
        case Found::Newer:
            whyReadOnly_ = formatMessage(kNewerVersion, folder_.string());
            return;
        case Found::Damaged:
            db_.reset();
            if (!files::isWritableDirectory(folder_)) {
                whyReadOnly_ = formatMessage(kDamagedStuck, folder_.string());
                return;
            }
            moveAside();
            startFresh();
            return;
    }
}

// Nothing is written before the file is known to be ours, except the engine's own recovery of
// a change that a crash interrupted.
BuildStore::Found BuildStore::inspect(bool forWriting) {
    try {
        db_ = forWriting ? std::make_unique<Db>(file_.string(), SQLITE_OPEN_READWRITE)
                         : openForReading();
        if (!quickCheckPasses(db_->handle)) return Found::Damaged;
        const int64_t id = pragma(db_->handle, "application_id");
        const int64_t version = pragma(db_->handle, "user_version");
        if (id == 0 && version == 0 && hasNoObjects(db_->handle)) return Found::Empty;
        if (id != kApplicationId || version < 1) return Found::Damaged;
        // A later version keeps these columns readable.
        if (version > kSchemaVersion) return Found::Newer;
        return hasOurColumns(db_->handle) ? Found::Ours : Found::Damaged;
    } catch (const EngineFailure& e) {
        if (e.code() == SQLITE_NOTADB || e.code() == SQLITE_CORRUPT) return Found::Damaged;
        throw;
    }
}

// Without a log beside it the file alone holds every build: read as immutable, the engine makes
// no log or shared-memory file, which a folder that cannot be written would refuse. With a log
// (left by a kill) it is read through the log.
std::unique_ptr<BuildStore::Db> BuildStore::openForReading() const {
    if (files::exists(withSuffix(file_, "-wal")))
        return std::make_unique<Db>(file_.string(), SQLITE_OPEN_READONLY);
    return std::make_unique<Db>(uriOf(file_) + "?immutable=1",
                                SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
}

void BuildStore::startFresh() {
    db_ = std::make_unique<Db>(file_.string(), SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    useWriteAheadLog(db_->handle);
    createSchema(db_->handle);
    whyReadOnly_.clear();
}

// Under a dated name beside it, numbered when that name is taken, with its log and journal, so
// the fresh file cannot take them for its own.
void BuildStore::moveAside() {
    const std::string stamp = "builds-" + dateStamp(clock_());
    for (int n = 1; n < 1000; ++n) {
        const fs::path target =
            folder_ / (stamp + (n > 1 ? "-" + std::to_string(n) : "") + ".damaged.db");
        if (taken(target)) continue;
        if (!files::renameNoReplace(file_, target)) {
            if (files::exists(target)) continue;
            throw Error(formatMessage(kMoveFailed, folder_.string()));
        }
        movedAside_ = target;
        for (const char* suffix : kCompanions) {
            const fs::path companion = withSuffix(file_, suffix);
            if (files::exists(companion) &&
                !files::renameNoReplace(companion, withSuffix(target, suffix)))
                throw Error(formatMessage(kMoveFailed, folder_.string()));
        }
        return;
    }
    throw Error(formatMessage(kMoveFailed, folder_.string()));
}

std::vector<SavedBuild> BuildStore::list() const {
    std::vector<SavedBuild> out;
    if (!db_) return out;
    try {
        Statement s(db_->handle, std::string(kColumns) + " order by changed_at desc, id desc");
        while (s.step()) out.push_back(rowOf(s));
    } catch (const EngineFailure& e) {
        refuseRead(e);
    }
    return out;
}

std::optional<SavedBuild> BuildStore::find(const std::string& name) const {
    if (!db_) return std::nullopt;
    try {
        Statement s(db_->handle, std::string(kColumns) + " where name = ?1");
        s.bind(1, name);
        if (s.step()) return rowOf(s);
    } catch (const EngineFailure& e) {
        refuseRead(e);
    }
    return std::nullopt;
}

void BuildStore::requireWritable() const {
    if (!writable()) throw Error(whyReadOnly_);
}

int64_t BuildStore::save(const std::string& name, const std::string& code) {
    checkName(name);
    requireWritable();
    try {
        Statement s(db_->handle,
                    std::string("insert into builds (name, code, changed_at) values (?1, ?2, ?3) "
                                "on conflict (name) do update set code = excluded.code, "
                                "changed_at = excluded.changed_at, id = ") +
                        kNextId + " returning id");
        s.bind(1, name).bind(2, code).bind(3, clock_());
        return changeReturningId(db_->handle, s);
    } catch (const EngineFailure& e) {
        refuseChange(e);
    }
}

int64_t BuildStore::rename(int64_t id, const std::string& newName) {
    checkName(newName);
    requireWritable();
    int64_t renamed = 0;
    try {
        Statement s(db_->handle,
                    std::string("update builds set name = ?1, changed_at = ?2, id = ") + kNextId +
                        " where id = ?3 returning id");
        s.bind(1, newName).bind(2, clock_()).bind(3, id);
        renamed = changeReturningId(db_->handle, s);
    } catch (const EngineFailure& e) {
        if (e.code() == SQLITE_CONSTRAINT) throw Error(formatMessage(kNameTaken, newName));
        refuseChange(e);
    }
    if (renamed == 0) throw Error(kBuildGone);
    return renamed;
}

void BuildStore::remove(int64_t id) {
    requireWritable();
    try {
        Statement s(db_->handle, "delete from builds where id = ?1");
        s.bind(1, id).step();
    } catch (const EngineFailure& e) {
        refuseChange(e);
    }
    if (sqlite3_changes(db_->handle) == 0) throw Error(kBuildGone);
}

void BuildStore::checkName(const std::string& name) {
    if (name.empty()) throw Error(kNameEmpty);
    const std::u32string points = utf8Decode(name);
    // The decoder makes each malformed byte U+FFFD, so only valid UTF-8 encodes back the same.
    if (utf8Encode(points) != name) throw Error(kNameNotUtf8);
    for (const char32_t c : points)
        if (isControl(c)) throw Error(kNameControl);
    if (points.size() > kMaxNameLength) throw Error(kNameTooLong);
}

}  // namespace lymn::store
