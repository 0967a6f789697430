#pragma once

#include <array>
#include <string>

#include "sim/GrowthValues.h"

namespace lymn::sim {

// The values of every level from 1 to 200 of a profession group and a data row: what the
// character page shows at each level with no free point spent.
class GrowthTable {
  public:
    static constexpr int kLevels = 200;

    // Raises "Integer overflow" when a value of some level leaves 32 bits.
    GrowthTable(ProfessionGroup group, const DataRow& row);

    ProfessionGroup group() const { return group_; }
    const DataRow& row() const { return row_; }
    // The values of a level from 1 to kLevels.
    const GrowthValues& at(int level) const { return rows_[static_cast<size_t>(level - 1)]; }
    const std::array<GrowthValues, kLevels>& rows() const { return rows_; }

    // The table as comma-separated text: "level" and the page's label names, then one line per
    // level; a pinned table's columns follow, named "pin_" and the label. Either table may be
    // missing (its cells are empty).
    static std::string csv(const GrowthTable* current, const GrowthTable* pinned);
    // The table as tab-separated text for a spreadsheet, with the names a player reads: with a
    // pinned table, each value is followed by the pinned one and the difference.
    static std::string tsv(const GrowthTable* current, const GrowthTable* pinned);

  private:
    ProfessionGroup group_;
    DataRow row_;
    std::array<GrowthValues, kLevels> rows_;
};

}  // namespace lymn::sim
