#include "platform/Utf8.h"

namespace lymn {

namespace {

// Length of the sequence starting at i and its code point; 1 and U+FFFD when malformed.
std::pair<size_t, char32_t> decodeAt(std::string_view s, size_t i) {
    const auto c0 = static_cast<unsigned char>(s[i]);
    if (c0 < 0x80) return {1, c0};
    int n = 0;
    char32_t cp = 0;
    if ((c0 & 0xE0) == 0xC0) {
        n = 1;
        cp = c0 & 0x1F;
    } else if ((c0 & 0xF0) == 0xE0) {
        n = 2;
        cp = c0 & 0x0F;
    } else if ((c0 & 0xF8) == 0xF0) {
        n = 3;
        cp = c0 & 0x07;
    } else {
        return {1, 0xFFFD};
    }
    if (i + n >= s.size()) return {1, 0xFFFD};
    for (int k = 1; k <= n; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if ((c & 0xC0) != 0x80) return {1, 0xFFFD};
        cp = (cp << 6) | (c & 0x3F);
    }
    static constexpr char32_t minimum[] = {0, 0x80, 0x800, 0x10000};
    if (cp < minimum[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return {1, 0xFFFD};
    return {static_cast<size_t>(n + 1), cp};
}

}  // namespace

std::u32string utf8Decode(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (size_t i = 0; i < text.size();) {
        auto [len, cp] = decodeAt(text, i);
        out.push_back(cp);
        i += len;
    }
    return out;
}

void utf8Append(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::string utf8Encode(std::u32string_view text) {
    std::string out;
    for (char32_t c : text) utf8Append(out, c);
    return out;
}

std::vector<size_t> utf8Offsets(std::string_view text) {
    std::vector<size_t> out;
    for (size_t i = 0; i < text.size();) {
        out.push_back(i);
        i += decodeAt(text, i).first;
    }
    out.push_back(text.size());
    return out;
}

}  // namespace lymn
