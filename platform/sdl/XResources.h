#pragma once

#include <optional>
#include <string>

namespace lymn {

// The desktop's X resources (xrdb), read from the display named by DISPLAY.
class XResources {
  public:
    // The value of a resource such as "Xft.dpi"; nothing without a display or the resource.
    static std::optional<std::string> value(const char* name, const char* className);
};

}  // namespace lymn
