#pragma once

#include <array>
#include <string>

namespace lymn::sim {

// A character as a player plans it: the picks, the level and the points spent above the level's
// values. What a saved build, a build code, a screenshot and the undo history hold.
struct Build {
    std::string appearance;  // an appearance code; empty: none picked
    std::string profession;  // a profession code; "0": none picked
    int level = 1;
    // Points spent on strength, constitution, spirit and sinew (attributes), and on the four
    // resistances in the window's order.
    std::array<int, 4> attributes{};
    std::array<int, 4> resistances{};

    // The free points of each kind that a level gives.
    static int pointsOfLevel(int level) { return level > 10 ? level - 10 : 0; }

    friend bool operator==(const Build&, const Build&) = default;
};

}  // namespace lymn::sim
