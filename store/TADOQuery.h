#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "store/SqliteImage.h"
#include "store/TADOConnection.h"

namespace lymn::store {

// A query on the connection: text lines, opened to its first row. Reading a field never moves
// the row; a NULL reads 0, and so does every field when there is no row.
class TADOQuery {
  public:
    TADOQuery(std::string name, TADOConnection& connection)
        : name_(std::move(name)), connection_(connection) {}

    const std::string& name() const { return name_; }
    const std::vector<std::string>& sql() const { return sql_; }
    void clearSql() { sql_.clear(); }
    void addSql(const std::string& line) { sql_.push_back(line); }

    // Connects first when the connection is closed; raises the engine's error, leaving the
    // query closed.
    void Open();
    void Close() { result_.reset(); }
    bool Active() const { return result_.has_value(); }
    // FieldByName(name).AsInteger: the name matched ignoring letter case; a missing field raises
    // "<query>: Field '<name>' not found".
    int32_t fieldAsInteger(const std::string& field) const;

  private:
    std::string name_;
    TADOConnection& connection_;
    std::vector<std::string> sql_;
    std::optional<ResultSet> result_;
};

// Replaces the query's text by one line and opens it.
void RunQuery(TADOQuery& query, const std::string& text);

}  // namespace lymn::store
