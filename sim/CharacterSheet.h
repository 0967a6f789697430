#pragma once

#include <cstdint>
#include <string>

namespace lymn::sim {

// The main window's record of the simulated character: the chosen codes, the attributes at
// the current level (the floors of the point buttons), the last computed life, mana and attack,
// and the level-1 values of the loaded data row.
struct CharacterSheet {
    std::string ProfessionCode;
    std::string AppearanceCode;
    int32_t LevelLl = 0;
    int32_t LevelTp = 0;
    int32_t LevelYs = 0;
    int32_t LevelJg = 0;
    int32_t CurLife = 0;
    int32_t CurMana = 0;
    int32_t CurAttack = 0;
    int32_t BaseLl = 0;
    int32_t BaseTp = 0;
    int32_t BaseYs = 0;
    int32_t BaseJg = 0;
    int32_t BaseLife = 0;
    int32_t BaseMana = 0;
    int32_t BaseAttack = 0;

    // Codes "0" (nothing chosen) and every number 0.
    void reset() { *this = CharacterSheet{"0", "0"}; }
};

}  // namespace lymn::sim
