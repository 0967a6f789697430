#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lymn::resources {

// The pictures compiled into the executable, by name (a file's name without its extension).
// An unknown name gives an empty span.
std::span<const uint8_t> find(std::string_view name);
std::vector<std::string> names();

}  // namespace lymn::resources
