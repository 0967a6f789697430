// Reads the build marker of arbitrary bytes: every outcome must be nothing, a build code or an
// Error, never a crash, and the code must be one the encoder would write.
#include <cstddef>
#include <cstdint>
#include <span>

#include "capture/JpegCodec.h"
#include "platform/Error.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace lymn;
    try {
        const auto code = jpeg::buildCode(std::span<const uint8_t>(data, size));
        if (code && !jpeg::isBuildCode(*code)) __builtin_trap();
    } catch (const Error&) {
    }
    return 0;
}
