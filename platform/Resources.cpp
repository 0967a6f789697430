#include "platform/Resources.h"

#include <algorithm>
#include <cstring>

namespace lymn::resources {

struct Entry {
    const char* name;
    const uint8_t* begin;
    const uint8_t* end;
};

// The table the build generates from the files under resources/, sorted by name.
extern const Entry kEntries[];
extern const size_t kEntryCount;

std::span<const uint8_t> find(std::string_view name) {
    const Entry* first = kEntries;
    const Entry* last = kEntries + kEntryCount;
    const Entry* it = std::lower_bound(
        first, last, name, [](const Entry& e, std::string_view n) { return e.name < n; });
    if (it == last || it->name != name) return {};
    return {it->begin, static_cast<size_t>(it->end - it->begin)};
}

std::vector<std::string> names() {
    std::vector<std::string> out;
    for (size_t i = 0; i < kEntryCount; ++i) out.emplace_back(kEntries[i].name);
    return out;
}

}  // namespace lymn::resources
