#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace lymn::store {

// A value of a result column.
struct CellValue {
    enum class Kind { Null, Integer, Real, Text, Blob };
    Kind kind = Kind::Null;
    int64_t integer = 0;
    double real = 0;
    std::string text;
};

struct ResultSet {
    std::vector<std::string> columns;
    std::vector<std::vector<CellValue>> rows;
};

// A database file image opened read-only in memory. The first 16 bytes are given back to the
// engine whatever header the file carries, so later changes of the file on disk cannot disturb
// it. Errors carry the engine's own message.
class SqliteImage {
  public:
    // Raises an Error with the engine's message when the bytes are not a database.
    explicit SqliteImage(std::vector<uint8_t> bytes);
    ~SqliteImage();
    SqliteImage(const SqliteImage&) = delete;
    SqliteImage& operator=(const SqliteImage&) = delete;

    // Runs a statement; at most maxRows rows are kept (all when negative).
    ResultSet query(const std::string& sql, int maxRows = -1);
    bool hasTable(const std::string& name);

  private:
    struct Db;
    std::unique_ptr<Db> db_;
};

// The password kept in a data file, or nothing when the file keeps none.
std::optional<std::string> storedPassword(SqliteImage& image);
inline constexpr char kPasswordTable[] = "lymn_password";

}  // namespace lymn::store
