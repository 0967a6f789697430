#pragma once

#include <cstdint>
#include <string>

#include "sim/CharacterSheet.h"

namespace lymn::sim {

// The damage range of an attack value: its low and high ends, and the text joining them.
int64_t DamageLow(int64_t attack);
int64_t DamageHigh(int64_t attack);
std::string damageText(int64_t attack);

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

// a div b, plus 1 when a mod b > 0.
int64_t ceilDiv(int64_t a, int64_t b);

}  // namespace lymn::sim
