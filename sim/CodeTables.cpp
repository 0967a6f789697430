#include "sim/CodeTables.h"

namespace lymn::sim {

ProfessionGroup groupOfIndex(int itemIndex) {
    if (itemIndex < 1 || itemIndex >= static_cast<int>(ProfessionTable.size()))
        return ProfessionGroup::None;
    return ProfessionTable[static_cast<size_t>(itemIndex)].group;
}

ProfessionGroup groupOfCode(std::string_view code) {
    for (size_t i = 1; i < ProfessionTable.size(); ++i)
        if (ProfessionTable[i].code == code) return ProfessionTable[i].group;
    return ProfessionGroup::None;
}

}  // namespace lymn::sim
