#include "app/Version.h"

#include <array>
#include <cstddef>

namespace lymn::version {

namespace {

// The strings joined end to end at compile time, with one terminating zero.
template <size_t... N>
constexpr auto join(const char (&... parts)[N]) {
    std::array<char, (N + ...) - sizeof...(N) + 1> out{};
    size_t at = 0;
    auto append = [&](const char* s, size_t n) {
        for (size_t i = 0; i + 1 < n; ++i) out[at++] = s[i];
    };
    (append(parts, N), ...);
    return out;
}

[[gnu::used, gnu::section(".lymn.version")]] constexpr auto kBlock =
    join("FileVersion=", kFileVersion, "\nProductVersion=", kProductVersion,
         "\nFileDescription=", kFileDescription, "\nComments=", kComments,
         "\nLegalCopyright=", kLegalCopyright, "\n");

}  // namespace

const char* versionBlock() {
    return kBlock.data();
}

}  // namespace lymn::version
