// Reads arbitrary text as a build code: an Error, or a build whose own code reads back the same.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/Error.h"
#include "sim/BuildCode.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lymn;
    try {
        const sim::Build b = sim::BuildCode::decode({reinterpret_cast<const char*>(data), size});
        if (!(sim::BuildCode::decode(sim::BuildCode::encode(b)) == b)) __builtin_trap();
    } catch (const Error&) {
    }
    return 0;
}
