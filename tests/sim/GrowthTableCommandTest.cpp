// The driver's table, pin and unpin: the CSV of levels 1 to 200 with the pinned build's columns
// after the current ones, following the pinned build and not the current picks.
#include <limits>

#include "sim/GrowthTable.h"
#include "tests/sim/SimFixture.h"

namespace lymn {
namespace {

using sim::GrowthValues;
using sim::ProfessionGroup;

constexpr char kHeader[] = "level,Labll,Labtp,Labys,Labjg,sm,fl,tl,gjl,shl,fy,fsxg";

std::vector<std::string> lines(const std::string& text) {
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string l; std::getline(in, l);) out.push_back(l);
    return out;
}

// The CSV line of a level: the current build's values, then the pinned one's if given.
std::string expectedLine(int level, const sim::DataRow& row, ProfessionGroup current,
                         std::optional<ProfessionGroup> pinned) {
    std::string out = std::to_string(level);
    for (ProfessionGroup g : {current, pinned.value_or(ProfessionGroup::None)}) {
        if (g == ProfessionGroup::None) break;
        const GrowthValues v = GrowthValues::at(g, level, row);
        for (const auto& info : sim::GrowthColumnTable) out += "," + v.text(info.column);
    }
    return out;
}

class GrowthTableCommand : public test::SimFixture {};

TEST_F(GrowthTableCommand, PrintsEveryLevelAndThePinnedBuildsColumns) {
    start();
    EXPECT_EQ(run("table"), "box: 伙计,先在角色模拟页选好角色和职业吧.\n");
    EXPECT_EQ(run("pin"), "box: 伙计,先在角色模拟页选好角色和职业吧.\n");
    const sim::DataRow row{14, 10, 7, 11};
    // Spent points and the level leave the table as it is: it shows no point spent.
    run("pick js 11\npick zy 5\nlevel 50\nclick la\nclick ta");
    auto t = lines(run("table"));
    ASSERT_EQ(t.size(), 201u);
    EXPECT_EQ(t[0], kHeader);
    for (int level = 1; level <= 200; ++level)
        EXPECT_EQ(t[static_cast<size_t>(level)],
                  expectedLine(level, row, ProfessionGroup::Ranger, std::nullopt));
    EXPECT_EQ(t[50], "50,64,44,23,36,725,328,118,114,22-26,72,0");

    EXPECT_EQ(run("pin"), "");
    run("pick zy 3\nlevel 80");
    t = lines(run("table"));
    ASSERT_EQ(t.size(), 201u);
    std::string header = kHeader;
    for (const auto& info : sim::GrowthColumnTable) header += ",pin_" + std::string(info.label);
    EXPECT_EQ(t[0], header);
    for (int level = 1; level <= 200; ++level)
        EXPECT_EQ(t[static_cast<size_t>(level)],
                  expectedLine(level, row, ProfessionGroup::Mage, ProfessionGroup::Ranger));
    // Pinning again pins the build shown now.
    run("pin\npick zy 1");
    EXPECT_EQ(lines(run("table"))[200],
              expectedLine(200, row, ProfessionGroup::Warrior, ProfessionGroup::Mage));
    EXPECT_EQ(run("unpin"), "");
    EXPECT_EQ(lines(run("table"))[0], kHeader);
    EXPECT_EQ(run("unpin"), "");
}

TEST_F(GrowthTableCommand, AnOverflowIsTheErrorBoxesText) {
    const int32_t big = std::numeric_limits<int32_t>::max() / 10;
    start({{"yj/ss", {14, big, 7, 11}}});
    const std::string picked = run("pick js 11\npick zy 5");
    EXPECT_EQ(picked, "error: Integer overflow.\n");
    EXPECT_EQ(run("table"), "error: Integer overflow.\n");
    EXPECT_EQ(run("pin"), "error: Integer overflow.\n");
    // Another appearance's row is whole again.
    run("pick js 1");
    EXPECT_EQ(lines(run("table")).size(), 201u);
}

}  // namespace
}  // namespace lymn
