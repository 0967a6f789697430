#pragma once

#include <string>
#include <string_view>

#include "sim/Build.h"

namespace lymn::sim {

// A whole build as a short printable code a player can paste into a chat: "LY1", seventeen
// characters of Crockford's base 32 holding the picks, the level and the eight point counts, and
// a check character that catches a mistyped character and nearly every swapped pair.
class BuildCode {
  public:
    static constexpr std::string_view kTag = "LY1";
    static constexpr size_t kLength = 21;

    static std::string encode(const Build& build);
    // Reads a code (blanks around it and lower case are forgiven). Anything that is not a whole,
    // sound code of a build the window can show raises an Error saying what is wrong: not a
    // code, another version, a wrong check character, codes no picker has, a level outside 1 to
    // 200, a level above 1 with nothing picked, more points than the level gives.
    static Build decode(std::string_view text);
};

}  // namespace lymn::sim
