#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace lymn {

// Decodes UTF-8; a malformed byte becomes U+FFFD.
std::u32string utf8Decode(std::string_view text);
std::string utf8Encode(std::u32string_view text);
void utf8Append(std::string& out, char32_t c);
// Byte offset of each code point, plus the total length at the end.
std::vector<size_t> utf8Offsets(std::string_view text);

}  // namespace lymn
