#include "sim/GrowthTable.h"

namespace lymn::sim {

GrowthTable::GrowthTable(ProfessionGroup group, const DataRow& row) : group_(group), row_(row) {
    for (int level = 1; level <= kLevels; ++level)
        rows_[static_cast<size_t>(level - 1)] = GrowthValues::at(group, level, row);
}

std::string GrowthTable::csv(const GrowthTable* current, const GrowthTable* pinned) {
    // The current build's columns, then the pinned build's when there is one.
    const std::array<const GrowthTable*, 2> tables{current, pinned};
    const size_t count = pinned ? 2 : 1;
    std::string out = "level";
    for (size_t k = 0; k < count; ++k)
        for (const auto& info : GrowthColumnTable)
            out.append(k == 0 ? "," : ",pin_").append(info.label);
    out += "\n";
    for (int level = 1; level <= kLevels; ++level) {
        out += std::to_string(level);
        for (size_t k = 0; k < count; ++k)
            for (const auto& info : GrowthColumnTable)
                out.append(",").append(tables[k] ? tables[k]->at(level).text(info.column) : "");
        out += "\n";
    }
    return out;
}

std::string GrowthTable::tsv(const GrowthTable* current, const GrowthTable* pinned) {
    std::string out = "等级";
    for (const auto& info : GrowthColumnTable) {
        out.append("\t").append(info.name);
        if (pinned)
            out.append("\t对比").append(info.name).append("\t").append(info.name).append("差");
    }
    out += "\n";
    for (int level = 1; level <= kLevels; ++level) {
        out += std::to_string(level);
        for (const auto& info : GrowthColumnTable) {
            const GrowthColumn c = info.column;
            out.append("\t").append(current ? current->at(level).text(c) : "");
            if (!pinned) continue;
            out.append("\t").append(pinned->at(level).text(c)).append("\t");
            if (current) out.append(current->at(level).differenceText(pinned->at(level), c));
        }
        out += "\n";
    }
    return out;
}

}  // namespace lymn::sim
