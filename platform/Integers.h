#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace lymn {

// Text to a 32-bit integer: optional leading blanks, an optional sign, then decimal digits (or
// hexadecimal digits after "$" or "0x") and nothing after them. Anything else, the empty text and
// numbers outside the 32-bit range included, raises "'%s' is not a valid integer value".
int32_t strToInt(std::string_view text);
// Plain decimal, "-" for negatives.
std::string intToStr(int64_t value);

// 32-bit arithmetic that raises "Integer overflow" instead of wrapping.
int32_t checkedAdd(int32_t a, int32_t b);
int32_t checkedSub(int32_t a, int32_t b);
int32_t checkedMul(int32_t a, int32_t b);

}  // namespace lymn
