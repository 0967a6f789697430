// Parses arbitrary text as the data CSV and quotes every field back: an Error or a table.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/Error.h"
#include "store/CsvTable.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lymn;
    try {
        const auto t = store::CsvTable::parse({reinterpret_cast<const char*>(data), size});
        for (const auto& row : t.rows) {
            if (row.fields.size() != t.header.size()) __builtin_trap();
            for (const auto& f : row.fields) store::CsvTable::quote(f);
        }
    } catch (const Error&) {
    }
    return 0;
}
