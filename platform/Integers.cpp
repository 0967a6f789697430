#include "platform/Integers.h"

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
    int64_t value = 0;
    for (; i < text.size(); ++i) {
        const int d = digitValue(text[i], base);
        if (d < 0) invalid(text);
        value = value * base + d;
        // Far enough past the range for the test below; stopping here keeps 64 bits enough.
        if (value > int64_t{1} << 32) invalid(text);
    }
    if (negative) value = -value;
    if (!fitsInt32(value)) invalid(text);
    return static_cast<int32_t>(value);
}

std::string intToStr(int64_t value) {
    return std::to_string(value);
}

int32_t checkedInt32(int64_t value) {
    if (!fitsInt32(value)) throw Error("Integer overflow");
    return static_cast<int32_t>(value);
}

}  // namespace lymn
