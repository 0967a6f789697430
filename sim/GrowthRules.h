#pragma once

#include <cstdint>
#include <string>

#include "sim/CharacterSheet.h"
#include "sim/CodeTables.h"

namespace lymn::sim {

// The damage range of an attack value: its low and high ends, and the text joining them.
int64_t DamageLow(int64_t attack);
int64_t DamageHigh(int64_t attack);
std::string damageText(int64_t attack);

// What the attributes give, wherever they change: on loading, in a recomputation and for a
// point spent or taken back.
int64_t lifeOf(int64_t constitution);
int64_t manaOf(int64_t spirit);
int64_t staminaOf(int64_t sinew);
int64_t defenceOf(int64_t sinew);

// Life and mana of a loaded data row (level 1), by the profession's group.
int64_t loadedLife(ProfessionGroup group, int64_t constitution);
int64_t loadedMana(ProfessionGroup group, int64_t spirit);

// The per-attribute functions of the groups: a level and the sheet's level-1 values.
int64_t RangerTp(int64_t L, const CharacterSheet& s);
int64_t RangerYs(int64_t L, const CharacterSheet& s);
int64_t RangerLife(int64_t L, const CharacterSheet& s);
int64_t MageLl(int64_t L, const CharacterSheet& s);
int64_t MageTp(int64_t L, const CharacterSheet& s);
int64_t MageJg(int64_t L, const CharacterSheet& s);
int64_t MageLife(int64_t L, const CharacterSheet& s);
int64_t WarriorLl(int64_t L, const CharacterSheet& s);
int64_t WarriorJg(int64_t L, const CharacterSheet& s);
int64_t TalismanLl(int64_t L, const CharacterSheet& s);
int64_t TalismanJg(int64_t L, const CharacterSheet& s);
int64_t TalismanLife(int64_t L, const CharacterSheet& s);

// A group's formulas for the four attributes, life and mana at a level. Life and mana read the
// sheet's Level fields, which the recomputation has set from the attributes just before.
struct GroupFormulas {
    using Formula = int64_t (*)(int64_t L, const CharacterSheet& s);
    Formula strength;
    Formula constitution;
    Formula spirit;
    Formula sinew;
    Formula life;
    Formula mana;
};
// The formulas of a group other than None.
const GroupFormulas& formulasOf(ProfessionGroup group);

}  // namespace lymn::sim
