#include "sim/GrowthValues.h"

#include "platform/Error.h"
#include "platform/Integers.h"
#include "sim/CharacterSheet.h"
#include "sim/GrowthRules.h"

namespace lymn::sim {

namespace {

// The damage range of an attack, as the damage label shows it.
void setDamage(GrowthValues& v) {
    v.damageLow = checkedInt32(DamageLow(v.attack));
    v.damageHigh = checkedInt32(DamageHigh(v.attack));
}

// What loading the row shows, and the sheet it leaves: the values of level 1.
GrowthValues loaded(ProfessionGroup group, const DataRow& r, CharacterSheet& s) {
    GrowthValues v;
    v.level = 1;
    v.strength = s.LevelLl = s.BaseLl = r.ll;
    v.constitution = s.LevelTp = s.BaseTp = r.tp;
    v.spirit = s.LevelYs = s.BaseYs = r.ys;
    v.sinew = s.LevelJg = s.BaseJg = r.jg;
    v.life = s.CurLife = s.BaseLife = checkedInt32(loadedLife(group, r.tp));
    v.mana = s.CurMana = s.BaseMana = checkedInt32(loadedMana(group, r.ys));
    v.stamina = checkedInt32(staminaOf(r.jg));
    v.attack = s.CurAttack = s.BaseAttack = checkedInt32(int64_t{r.ll} + 1);
    // Loading derives the damage from the row's strength, not from the attack.
    v.damageLow = checkedInt32(DamageLow(r.ll));
    v.damageHigh = checkedInt32(DamageHigh(r.ll));
    v.defence = checkedInt32(defenceOf(r.jg));
    return v;
}

// The group's recomputation at a level, from the loaded sheet, step by step as the level change
// runs it: each attribute is set before the values that read it.
GrowthValues grown(ProfessionGroup group, int32_t L, CharacterSheet s) {
    const GroupFormulas& f = formulasOf(group);
    GrowthValues v;
    v.level = L;
    v.strength = s.LevelLl = checkedInt32(f.strength(L, s));
    v.constitution = s.LevelTp = checkedInt32(f.constitution(L, s));
    v.spirit = s.LevelYs = checkedInt32(f.spirit(L, s));
    v.sinew = s.LevelJg = checkedInt32(f.sinew(L, s));
    v.life = checkedInt32(f.life(L, s));
    v.mana = checkedInt32(f.mana(L, s));
    v.stamina = checkedInt32(staminaOf(s.LevelJg));
    v.attack = checkedInt32(int64_t{v.strength} + s.BaseAttack - s.BaseLl + L - 1);
    setDamage(v);
    v.defence = checkedInt32(defenceOf(s.LevelJg));
    return v;
}

std::string signedText(int64_t d) {
    return d > 0 ? "+" + std::to_string(d) : std::to_string(d);
}

}  // namespace

GrowthValues GrowthValues::at(ProfessionGroup group, int32_t level, const DataRow& row) {
    if (group == ProfessionGroup::None) throw Error("no growth rule without a profession group");
    if (level < 0 || level > 200) throw Error("no growth beyond the levels 0 to 200");
    CharacterSheet sheet;
    const GrowthValues first = loaded(group, row, sheet);
    // Setting the level to 1 after the picks changes nothing: the loaded values stay.
    if (level == 1) return first;
    return grown(group, level, sheet);
}

int32_t GrowthValues::value(GrowthColumn c) const {
    switch (c) {
        case GrowthColumn::Strength:
            return strength;
        case GrowthColumn::Constitution:
            return constitution;
        case GrowthColumn::Spirit:
            return spirit;
        case GrowthColumn::Sinew:
            return sinew;
        case GrowthColumn::Life:
            return life;
        case GrowthColumn::Mana:
            return mana;
        case GrowthColumn::Stamina:
            return stamina;
        case GrowthColumn::Attack:
            return attack;
        case GrowthColumn::Damage:
            return damageLow;
        case GrowthColumn::Defence:
            return defence;
        case GrowthColumn::SpellEffect:
            return spellEffect;
    }
    return 0;
}

std::array<int32_t, 2> GrowthValues::range(GrowthColumn c) const {
    if (c == GrowthColumn::Damage) return {damageLow, damageHigh};
    return {value(c), value(c)};
}

std::string GrowthValues::text(GrowthColumn c) const {
    if (c == GrowthColumn::Damage)
        return std::to_string(damageLow) + "-" + std::to_string(damageHigh);
    return std::to_string(value(c));
}

std::string GrowthValues::differenceText(const GrowthValues& other, GrowthColumn c) const {
    const auto mine = range(c), theirs = other.range(c);
    std::string low = signedText(int64_t{mine[0]} - theirs[0]);
    if (c != GrowthColumn::Damage) return low;
    return low + "/" + signedText(int64_t{mine[1]} - theirs[1]);
}

}  // namespace lymn::sim
