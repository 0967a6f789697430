#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace lymn {

// Whether a value is a 32-bit integer: the one range test of the program's numbers.
constexpr bool fitsInt32(int64_t value) {
    return value >= std::numeric_limits<int32_t>::min() &&
           value <= std::numeric_limits<int32_t>::max();
}

// Text to a 32-bit integer: optional leading blanks, an optional sign, then decimal digits (or
// hexadecimal digits after "$" or "0x") and nothing after them. Anything else, the empty text and
// numbers outside the 32-bit range included, raises "'%s' is not a valid integer value".
int32_t strToInt(std::string_view text);
// Plain decimal, "-" for negatives.
std::string intToStr(int64_t value);

// A result of wider arithmetic as a 32-bit integer: one outside the range raises
// "Integer overflow" instead of wrapping.
int32_t checkedInt32(int64_t value);

}  // namespace lymn
