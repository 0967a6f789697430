#include "sim/GrowthRules.h"

#include <cmath>

namespace lymn::sim {

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

int64_t ceilDiv(int64_t a, int64_t b) {
    return a / b + (a % b > 0 ? 1 : 0);
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
    return s.BaseLife + 140 + static_cast<int64_t>(std::trunc(static_cast<double>(L - 20) * 4.5));
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
    if (L <= 20) return s.BaseLife + static_cast<int64_t>(std::trunc(static_cast<double>(L) * 6.4));
    return s.BaseLife + 4 * L + 48;
}

int64_t WarriorLl(int64_t L, const CharacterSheet& s) {
    // Five points in every seven levels.
    static constexpr int kSteps[7] = {0, 0, 1, 2, 3, 4, 5};
    if (L <= 3) return s.BaseLl + L - 1;
    const int64_t d = L - 3;
    return s.BaseLl + 2 + 5 * (d / 7) + kSteps[d % 7];
}

int64_t WarriorJg(int64_t L, const CharacterSheet& s) {
    if (L <= 1) return s.BaseJg;
    if (L == 2) return s.BaseJg + 1;
    const int64_t d = L - 2;
    return s.BaseJg + 1 + 2 * (d / 3) + (d % 3 == 2 ? 1 : 0);
}

int64_t TalismanLl(int64_t L, const CharacterSheet& s) {
    return L <= 2 ? s.BaseLl : s.BaseLl + ceilDiv(L - 2, 4);
}

int64_t TalismanJg(int64_t L, const CharacterSheet& s) {
    return L <= 3 ? s.BaseJg : s.BaseJg + ceilDiv(L - 3, 4);
}

int64_t TalismanLife(int64_t L, const CharacterSheet& s) {
    if (L <= 20) return s.BaseLife + static_cast<int64_t>(std::trunc(static_cast<double>(L) * 6.5));
    return s.BaseLife + 4 * L + 50;
}

}  // namespace lymn::sim
