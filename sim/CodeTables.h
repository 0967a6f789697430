#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace lymn::sim {

enum class ProfessionGroup { None, Warrior, Mage, Ranger, Talisman };

struct ProfessionItem {
    std::string_view code;
    std::string_view name;
    int imageIndex;
    ProfessionGroup group;
};

struct AppearanceItem {
    std::string_view code;  // empty for the placeholder, which carries no value
    std::string_view name;
    int imageIndex;
};

// The items of the profession picker, in item order.
inline constexpr std::array<ProfessionItem, 9> ProfessionTable = {{
    {"0", "选择职业", 0, ProfessionGroup::None},
    {"jg", "金刚力士", 1, ProfessionGroup::Warrior},
    {"lc", "罗刹力士", 5, ProfessionGroup::Warrior},
    {"zd", "掌电法师", 7, ProfessionGroup::Mage},
    {"kh", "控火法师", 3, ProfessionGroup::Mage},
    {"yj", "驭剑游侠", 2, ProfessionGroup::Ranger},
    {"qm", "奇门游侠", 6, ProfessionGroup::Ranger},
    {"tj", "天君符咒师", 4, ProfessionGroup::Talisman},
    {"ym", "幽冥符咒师", 8, ProfessionGroup::Talisman},
}};

// The items of the appearance picker, in item order.
inline constexpr std::array<AppearanceItem, 21> AppearanceTable = {{
    {"", "选择角色", 20},     {"wwl", "娃娃脸", 0},     {"qg", "乞丐", 1},
    {"bzh", "八字胡", 2},     {"wt", "顽童", 3},        {"qt", "棋童", 4},
    {"pqs", "胖棋叟", 5},     {"tj", "铁匠", 6},        {"dp", "担婆", 7},
    {"hz", "猴子", 8},        {"qlnan", "情侣(男)", 9}, {"ss", "书生", 10},
    {"xlb", "小老板", 11},    {"ls", "老师", 12},       {"ln", "靓女", 13},
    {"qlnv", "情侣(女)", 14}, {"xjby", "小家碧玉", 15}, {"zxn", "针线女", 16},
    {"zh", "壮汉", 17},       {"xc", "秀才", 18},       {"nf", "农夫", 19},
}};

// The item a picker's item index chooses: none for the placeholder (0), no item (-1) or an index
// past the table.
template <class Item, size_t N>
constexpr const Item* chosenItem(const std::array<Item, N>& table, int itemIndex) {
    if (itemIndex < 1 || itemIndex >= static_cast<int>(N)) return nullptr;
    return &table[static_cast<size_t>(itemIndex)];
}

// The item index of a code in a table (the placeholder's code gives 0); -1 for a code it lacks.
template <class Item, size_t N>
constexpr int itemIndexOf(const std::array<Item, N>& table, std::string_view code) {
    for (size_t i = 0; i < N; ++i)
        if (table[i].code == code) return static_cast<int>(i);
    return -1;
}

// The group of a profession picker item index (1, 2 Warrior; 3, 4 Mage; 5, 6 Ranger;
// 7, 8 Talisman); any other index has none.
ProfessionGroup groupOfIndex(int itemIndex);
// The group of a profession code; any other text has none.
ProfessionGroup groupOfCode(std::string_view code);

}  // namespace lymn::sim
