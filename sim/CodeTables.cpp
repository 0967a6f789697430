#include "sim/CodeTables.h"

namespace lymn::sim {

ProfessionGroup groupOfIndex(int itemIndex) {
    const ProfessionItem* item = chosenItem(ProfessionTable, itemIndex);
    return item ? item->group : ProfessionGroup::None;
}

ProfessionGroup groupOfCode(std::string_view code) {
    for (size_t i = 1; i < ProfessionTable.size(); ++i)
        if (ProfessionTable[i].code == code) return ProfessionTable[i].group;
    return ProfessionGroup::None;
}

}  // namespace lymn::sim
