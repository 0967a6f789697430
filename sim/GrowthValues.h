#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "sim/CodeTables.h"
#include "sim/DataRow.h"

namespace lymn::sim {

// The values of the character page, one per label, in the page's order.
enum class GrowthColumn {
    Strength,
    Constitution,
    Spirit,
    Sinew,
    Life,
    Mana,
    Stamina,
    Attack,
    Damage,
    Defence,
    SpellEffect,
};
inline constexpr size_t kGrowthColumnCount = 11;

struct GrowthColumnInfo {
    GrowthColumn column;
    std::string_view label;  // the name of the page's label
    std::string_view name;   // what the player reads
};
inline constexpr std::array<GrowthColumnInfo, kGrowthColumnCount> GrowthColumnTable = {{
    {GrowthColumn::Strength, "Labll", "力量"},
    {GrowthColumn::Constitution, "Labtp", "体魄"},
    {GrowthColumn::Spirit, "Labys", "元神"},
    {GrowthColumn::Sinew, "Labjg", "筋骨"},
    {GrowthColumn::Life, "sm", "生命"},
    {GrowthColumn::Mana, "fl", "法力"},
    {GrowthColumn::Stamina, "tl", "体力"},
    {GrowthColumn::Attack, "gjl", "攻击"},
    {GrowthColumn::Damage, "shl", "伤害"},
    {GrowthColumn::Defence, "fy", "防御"},
    {GrowthColumn::SpellEffect, "fsxg", "法效"},
}};

// What the character page shows at a level with no free point spent: right after the
// appearance and the profession are picked (level 1, the data row as loaded) and the level is
// then set.
struct GrowthValues {
    int32_t level = 0;
    int32_t strength = 0;
    int32_t constitution = 0;
    int32_t spirit = 0;
    int32_t sinew = 0;
    int32_t life = 0;
    int32_t mana = 0;
    int32_t stamina = 0;
    int32_t attack = 0;
    int32_t damageLow = 0;
    int32_t damageHigh = 0;
    int32_t defence = 0;
    int32_t spellEffect = 0;

    // The values of a group (not None) at a level from 0 to 200 for a data row. A value outside
    // 32 bits raises "Integer overflow", as the page does when it loads the row or sets the
    // level.
    static GrowthValues at(ProfessionGroup group, int32_t level, const DataRow& row);

    // The number of a column; the damage column has two, its low and high ends.
    int32_t value(GrowthColumn c) const;
    std::array<int32_t, 2> range(GrowthColumn c) const;
    // A column as its label shows it (the damage as "low-high").
    std::string text(GrowthColumn c) const;
    // How far this value is above another, with its sign ("+12", "-3", "0"); the damage's two
    // ends joined by "/".
    std::string differenceText(const GrowthValues& other, GrowthColumn c) const;

    friend bool operator==(const GrowthValues&, const GrowthValues&) = default;
};

}  // namespace lymn::sim
