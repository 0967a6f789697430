#include "platform/Integers.h"

#include <limits>

#include "platform/Error.h"

namespace lymn {

namespace {

[[noreturn]] void invalid(std::string_view text) {
    throw Error(formatMessage("'%s' is not a valid integer value", std::string(text)));
}

int digitValue(char c, int base) {
    if (c >= '0' && c <= '9') return c - '0';
    if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

int32_t checked(int64_t v) {
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        throw Error("Integer overflow");
    return static_cast<int32_t>(v);
}

}  // namespace

int32_t strToInt(std::string_view text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
    int base = 10;
    if (i < text.size() && text[i] == '$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == '0' &&
               (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    }
    if (i >= text.size()) invalid(text);
    // The magnitude may reach 2^31 only for a negative number.
    const int64_t limit = negative ? int64_t{1} << 31 : (int64_t{1} << 31) - 1;
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) invalid(text);
        value = value * base + d;
        if (value > limit) invalid(text);
    }
    return static_cast<int32_t>(negative ? -value : value);
}

std::string intToStr(int64_t value) {
    return std::to_string(value);
}

int32_t checkedAdd(int32_t a, int32_t b) {
    return checked(int64_t{a} + b);
}
int32_t checkedSub(int32_t a, int32_t b) {
    return checked(int64_t{a} - b);
}
int32_t checkedMul(int32_t a, int32_t b) {
    return checked(int64_t{a} * b);
}

}  // namespace lymn
