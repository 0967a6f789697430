#include "store/SqliteImage.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstring>

#include "platform/Error.h"
#include "store/DataFileHeader.h"

namespace lymn::store {

struct SqliteImage::Db {
    sqlite3* handle = nullptr;
    ~Db() {
        if (handle) sqlite3_close(handle);
    }
};

SqliteImage::SqliteImage(std::vector<uint8_t> bytes) : db_(std::make_unique<Db>()) {
    if (bytes.size() < 100) throw Error("file is not a database");
    std::copy(kEngineHeader.begin(), kEngineHeader.end(), bytes.begin());
    if (sqlite3_open_v2(":memory:", &db_->handle, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK)
        throw Error(sqlite3_errmsg(db_->handle));
    auto* image = static_cast<unsigned char*>(sqlite3_malloc64(bytes.size()));
    if (!image) throw Error("out of memory");
    std::memcpy(image, bytes.data(), bytes.size());
    const int rc =
        sqlite3_deserialize(db_->handle, "main", image, static_cast<sqlite3_int64>(bytes.size()),
                            static_cast<sqlite3_int64>(bytes.size()),
                            SQLITE_DESERIALIZE_READONLY | SQLITE_DESERIALIZE_FREEONCLOSE);
    if (rc != SQLITE_OK) throw Error(sqlite3_errmsg(db_->handle));
    // Reading the schema makes the engine look at the whole header and the first page.
    query("select count(*) from sqlite_master");
}

SqliteImage::~SqliteImage() = default;

ResultSet SqliteImage::query(const std::string& sql, int maxRows) {
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(db_->handle, sql.c_str(), static_cast<int>(sql.size()), &stmt,
                           nullptr) != SQLITE_OK)
        throw Error(sqlite3_errmsg(db_->handle));
    struct Finalizer {
        sqlite3_stmt* s;
        ~Finalizer() { sqlite3_finalize(s); }
    } finalizer{stmt};
    ResultSet out;
    const int n = sqlite3_column_count(stmt);
    for (int i = 0; i < n; ++i) out.columns.emplace_back(sqlite3_column_name(stmt, i));
    while (maxRows < 0 || static_cast<int>(out.rows.size()) < maxRows) {
        const int rc = sqlite3_step(stmt);
        if (rc == SQLITE_DONE) break;
        if (rc != SQLITE_ROW) throw Error(sqlite3_errmsg(db_->handle));
        std::vector<CellValue> row(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            CellValue& v = row[static_cast<size_t>(i)];
            switch (sqlite3_column_type(stmt, i)) {
                case SQLITE_INTEGER:
                    v.kind = CellValue::Kind::Integer;
                    v.integer = sqlite3_column_int64(stmt, i);
                    break;
                case SQLITE_FLOAT:
                    v.kind = CellValue::Kind::Real;
                    v.real = sqlite3_column_double(stmt, i);
                    break;
                case SQLITE_TEXT:
                    v.kind = CellValue::Kind::Text;
                    v.text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, i));
                    break;
                case SQLITE_BLOB:
                    v.kind = CellValue::Kind::Blob;
                    if (const void* p = sqlite3_column_blob(stmt, i))
                        v.text.assign(static_cast<const char*>(p),
                                      static_cast<size_t>(sqlite3_column_bytes(stmt, i)));
                    break;
                default:
                    break;
            }
        }
        out.rows.push_back(std::move(row));
    }
    return out;
}

bool SqliteImage::hasTable(const std::string& name) {
    sqlite3_stmt* stmt = nullptr;
    const char* sql = "select 1 from sqlite_master where type = 'table' and name = ?";
    if (sqlite3_prepare_v2(db_->handle, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw Error(sqlite3_errmsg(db_->handle));
    sqlite3_bind_text(stmt, 1, name.c_str(), -1, SQLITE_TRANSIENT);
    const bool found = sqlite3_step(stmt) == SQLITE_ROW;
    sqlite3_finalize(stmt);
    return found;
}

std::optional<std::string> storedPassword(SqliteImage& image) {
    if (!image.hasTable(kPasswordTable)) return std::nullopt;
    ResultSet r = image.query(std::string("select password from ") + kPasswordTable, 1);
    if (r.rows.empty() || r.rows[0][0].kind != CellValue::Kind::Text) return std::nullopt;
    return r.rows[0][0].text;
}

}  // namespace lymn::store
