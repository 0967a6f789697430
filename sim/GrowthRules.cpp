#include "sim/GrowthRules.h"

#include <cmath>

#include "platform/Error.h"

namespace lymn::sim {

namespace {

// a div b, plus 1 when a mod b > 0.
int64_t ceilDiv(int64_t a, int64_t b) {
    return a / b + (a % b > 0 ? 1 : 0);
}

// One point per level, and one more from the level jumpAt on.
int64_t stepGrowth(int64_t L, int64_t base, int64_t jumpAt) {
    return L < jumpAt ? L + base - 1 : L + base;
}

// A product with a fractional factor, truncated toward zero.
int64_t truncatedProduct(int64_t a, double factor) {
    return static_cast<int64_t>(std::trunc(static_cast<double>(a) * factor));
}

// The points an attribute grew by since level 1, in life and in mana.
int64_t constitutionLife(const CharacterSheet& s) {
    return lifeOf(int64_t{s.LevelTp} - s.BaseTp);
}
int64_t spiritMana(const CharacterSheet& s) {
    return manaOf(int64_t{s.LevelYs} - s.BaseYs);
}

int64_t rangerLl(int64_t L, const CharacterSheet& s) {
    return stepGrowth(L, s.BaseLl, 10);
}
int64_t rangerJg(int64_t L, const CharacterSheet& s) {
    return s.BaseJg + L / 2;
}
int64_t rangerGroupLife(int64_t L, const CharacterSheet& s) {
    return RangerLife(L, s) + constitutionLife(s);
}
int64_t rangerMana(int64_t L, const CharacterSheet& s) {
    return s.BaseMana + 2 * L - 2 + spiritMana(s);
}

int64_t mageYs(int64_t L, const CharacterSheet& s) {
    return stepGrowth(L, s.BaseYs, 4);
}
int64_t mageGroupLife(int64_t L, const CharacterSheet& s) {
    return MageLife(L, s) + constitutionLife(s);
}
// The Talisman group's mana follows the same rule.
int64_t mageMana(int64_t L, const CharacterSheet& s) {
    return s.BaseMana + 11 * L - 11 + spiritMana(s);
}

int64_t warriorTp(int64_t L, const CharacterSheet& s) {
    return stepGrowth(L, s.BaseTp, 4);
}
int64_t warriorYs(int64_t, const CharacterSheet& s) {
    return s.BaseYs;
}
int64_t warriorGroupLife(int64_t L, const CharacterSheet& s) {
    const int64_t grown = L <= 20 ? 8 * L : 6 * L + 40;
    return s.BaseLife + grown + constitutionLife(s);
}
int64_t warriorMana(int64_t, const CharacterSheet&) {
    return 0;
}

int64_t talismanYs(int64_t L, const CharacterSheet& s) {
    return stepGrowth(L, s.BaseYs, 6);
}
int64_t talismanGroupLife(int64_t L, const CharacterSheet& s) {
    return TalismanLife(L, s) + constitutionLife(s);
}

constexpr GroupFormulas kRanger{rangerLl, RangerTp,        RangerYs,
                                rangerJg, rangerGroupLife, rangerMana};
constexpr GroupFormulas kMage{MageLl, MageTp, mageYs, MageJg, mageGroupLife, mageMana};
constexpr GroupFormulas kWarrior{WarriorLl, warriorTp,        warriorYs,
                                 WarriorJg, warriorGroupLife, warriorMana};
constexpr GroupFormulas kTalisman{TalismanLl,        MageTp,  talismanYs, TalismanJg,
                                  talismanGroupLife, mageMana};

}  // namespace

int64_t DamageLow(int64_t attack) {
    return attack / 5;
}

int64_t DamageHigh(int64_t attack) {
    if (attack < 5) return 0;
    const int64_t q = attack / 5;
    return q + q / 5;
}

std::string damageText(int64_t attack) {
    return std::to_string(DamageLow(attack)) + "-" + std::to_string(DamageHigh(attack));
}

int64_t lifeOf(int64_t constitution) {
    return 10 * constitution;
}

int64_t manaOf(int64_t spirit) {
    return 10 * spirit;
}

int64_t staminaOf(int64_t sinew) {
    return sinew / 2 + 100;
}

int64_t defenceOf(int64_t sinew) {
    return 2 * sinew;
}

int64_t loadedLife(ProfessionGroup group, int64_t constitution) {
    return lifeOf(constitution) + (group == ProfessionGroup::Ranger ? 10 : 0);
}

int64_t loadedMana(ProfessionGroup group, int64_t spirit) {
    if (group == ProfessionGroup::Warrior) return 0;
    return manaOf(spirit) + (group == ProfessionGroup::Mage ? 10 : 0);
}

int64_t RangerTp(int64_t L, const CharacterSheet& s) {
    // Seven points every ten levels.
    static constexpr int kSteps[10] = {0, 0, 1, 2, 3, 3, 4, 5, 6, 6};
    const int64_t m = L - 1;
    const int64_t e = m <= 1 ? 0 : kSteps[m % 10];
    return s.BaseTp + 7 * (m / 10) + e;
}

int64_t RangerYs(int64_t L, const CharacterSheet& s) {
    return s.BaseYs + L / 3;
}

int64_t RangerLife(int64_t L, const CharacterSheet& s) {
    if (L <= 20) return s.BaseLife + 7 * L;
    return int64_t{s.BaseLife} + 140 + truncatedProduct(L - 20, 4.5);
}

int64_t MageLl(int64_t L, const CharacterSheet& s) {
    return L < 6 ? s.BaseLl : s.BaseLl + ceilDiv(L - 5, 10);
}

int64_t MageTp(int64_t L, const CharacterSheet& s) {
    if (L < 2) return s.BaseTp;
    const int64_t d = L - 2;
    return s.BaseTp + 3 * (d / 4) + d % 4;
}

int64_t MageJg(int64_t L, const CharacterSheet& s) {
    return L < 8 ? s.BaseJg : s.BaseJg + ceilDiv(L - 7, 12);
}

int64_t MageLife(int64_t L, const CharacterSheet& s) {
    if (L <= 20) return s.BaseLife + truncatedProduct(L, 6.4);
    return s.BaseLife + 4 * L + 48;
}

int64_t WarriorLl(int64_t L, const CharacterSheet& s) {
    // Five points in every seven levels.
    static constexpr int kSteps[7] = {0, 0, 1, 2, 3, 4, 5};
    if (L <= 3) return s.BaseLl + L - 1;
    const int64_t d = L - 3;
    return int64_t{s.BaseLl} + 2 + 5 * (d / 7) + kSteps[d % 7];
}

int64_t WarriorJg(int64_t L, const CharacterSheet& s) {
    if (L <= 1) return s.BaseJg;
    if (L == 2) return int64_t{s.BaseJg} + 1;
    const int64_t d = L - 2;
    return int64_t{s.BaseJg} + 1 + 2 * (d / 3) + (d % 3 == 2 ? 1 : 0);
}

int64_t TalismanLl(int64_t L, const CharacterSheet& s) {
    return L <= 2 ? s.BaseLl : s.BaseLl + ceilDiv(L - 2, 4);
}

int64_t TalismanJg(int64_t L, const CharacterSheet& s) {
    return L <= 3 ? s.BaseJg : s.BaseJg + ceilDiv(L - 3, 4);
}

int64_t TalismanLife(int64_t L, const CharacterSheet& s) {
    if (L <= 20) return s.BaseLife + truncatedProduct(L, 6.5);
    return s.BaseLife + 4 * L + 50;
}

const GroupFormulas& formulasOf(ProfessionGroup group) {
    switch (group) {
        case ProfessionGroup::Ranger:
            return kRanger;
        case ProfessionGroup::Mage:
            return kMage;
        case ProfessionGroup::Warrior:
            return kWarrior;
        case ProfessionGroup::Talisman:
            return kTalisman;
        case ProfessionGroup::None:
            break;
    }
    throw Error("no growth rule without a profession group");
}

}  // namespace lymn::sim
