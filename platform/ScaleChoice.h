#pragma once

#include <functional>
#include <optional>
#include <string>

namespace lymn {

// The scale the windows are drawn at, 1 to 3, and where it came from. The first source that is
// given decides: the command line, LYMN_SCALE, GDK_SCALE, then the desktop's font resolution
// (the X resource Xft.dpi: 144 and more give 2, 240 and more give 3). A value that is not one of
// these gives scale 1 with a warning of one line.
struct ScaleChoice {
    int scale = 1;
    std::string warning;  // empty when the value was good or none was given

    struct Sources {
        std::optional<std::string> option;                   // --scale N
        std::optional<std::string> lymnScale;                // LYMN_SCALE
        std::optional<std::string> gdkScale;                 // GDK_SCALE
        std::function<std::optional<std::string>()> xftDpi;  // asked only when needed
    };
    static ScaleChoice choose(const Sources& sources);
    // The environment's variables, empty ones counting as not set.
    static std::optional<std::string> variable(const char* name);
};

}  // namespace lymn
