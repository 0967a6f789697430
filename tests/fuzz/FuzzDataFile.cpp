// Opens arbitrary bytes as the data file (behind the standard signature) and runs the program's
// lookup on it: every outcome must be a result or an Error, never a crash.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "platform/Error.h"
#include "store/ConnectionString.h"
#include "store/DataFileHeader.h"
#include "store/TADOConnection.h"
#include "store/TADOQuery.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lymn;
    std::vector<uint8_t> bytes(store::kStandardSignature.begin(), store::kStandardSignature.end());
    bytes.insert(bytes.end(), data, data + size);
    store::TADOConnection con;
    con.setConnectionString(store::dataConnectionString("/fuzz/lymn.db"));
    try {
        con.OpenImage(std::move(bytes), "/fuzz/lymn.db");
        store::TADOQuery q("ADOTemp", con);
        store::RunQuery(q, " select * from t_js where zy = 'yj' and js = 'ss'");
        for (const char* c : {"ll", "tp", "ys", "jg"}) q.fieldAsInteger(c);
    } catch (const Error&) {
    }
    return 0;
}
