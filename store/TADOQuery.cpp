#include "store/TADOQuery.h"

#include <strings.h>
#include <cmath>

#include "platform/Error.h"
#include "platform/Integers.h"
#include "store/DataFileMessages.h"

namespace lymn::store {

void TADOQuery::Open() {
    if (result_) return;
    if (!connection_.Connected()) connection_.Open();
    std::string text;
    for (const auto& line : sql_) text += line + "\n";
    try {
        result_ = connection_.image().query(text, 1);
    } catch (const Error& e) {
        // What the file lacks or has lost is said in the player's words; a malformed query
        // text keeps the engine's.
        const std::string what = e.what();
        if (what.rfind("no such table", 0) == 0 || what.rfind("no such column", 0) == 0)
            throw Error(messages::unreadable(connection_.path()));
        if (what.find("malformed") != std::string::npos)
            throw Error(messages::damaged(connection_.path()));
        throw;
    }
}

int32_t TADOQuery::fieldAsInteger(const std::string& field) const {
    if (!result_) throw Error(name_ + ": Cannot perform this operation on a closed dataset");
    const auto& cols = result_->columns;
    size_t index = cols.size();
    for (size_t i = 0; i < cols.size(); ++i)
        if (strcasecmp(cols[i].c_str(), field.c_str()) == 0) {
            index = i;
            break;
        }
    if (index == cols.size()) throw Error(name_ + ": Field '" + field + "' not found");
    if (result_->rows.empty()) return 0;
    const CellValue& v = result_->rows.front()[index];
    switch (v.kind) {
        case CellValue::Kind::Null:
            return 0;
        case CellValue::Kind::Integer:
            if (!fitsInt32(v.integer)) return strToInt(std::to_string(v.integer));
            return static_cast<int32_t>(v.integer);
        case CellValue::Kind::Real: {
            const double r = std::round(v.real);
            if (!(r >= INT32_MIN && r <= INT32_MAX)) return strToInt(std::to_string(v.real));
            return static_cast<int32_t>(r);
        }
        case CellValue::Kind::Text:
        case CellValue::Kind::Blob:
            return strToInt(v.text);
    }
    return 0;
}

void RunQuery(TADOQuery& query, const std::string& text) {
    query.Close();
    query.clearSql();
    query.addSql(text);
    query.Open();
}

}  // namespace lymn::store
