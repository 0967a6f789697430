// The growth function against the window: for every row of a data file and every level, what
// GrowthValues::at gives is what the driver's dump shows after the picks and "level L" with no
// point spent; a value outside 32 bits is the overflow error in both.
#include <fstream>
#include <limits>
#include <random>

#include "platform/Error.h"
#include "sim/GrowthTable.h"
#include "tests/sim/SimFixture.h"

namespace lymn {
namespace {

using sim::DataRow;
using sim::GrowthValues;

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// Under the sanitizers each level set through the window costs some forty times as much: there
// the levels up to 21 (where the life rules change) are set, then every 25th and the last two.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
constexpr bool kSanitized = true;
#else
constexpr bool kSanitized = false;
#endif

std::string readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class GrowthFunction : public test::SimFixture {
  protected:
    using Rows = std::map<std::string, DataRow>;

    // The program started on a data file of these rows ("zy/js"); every pair has one.
    void startWith(const Rows& rows) {
        std::map<std::string, Row> given;
        for (const auto& [pair, r] : rows) given[pair] = {r.ll, r.tp, r.ys, r.jg};
        start(given);
    }

    // Every pair picked once (each pick one lookup), and every level from 0 to 200 set after
    // it, compared with the function; returns how many levels ended in the overflow error.
    // Rows with some levels overflowing and others not are counted in mixedRows.
    int compareEveryPairAndLevel(const Rows& rows) {
        int overflows = 0;
        int js = 0;
        for (int zy = 1; zy < static_cast<int>(sim::ProfessionTable.size()); ++zy) {
            // The appearance already picked first: the profession's pick looks its row up.
            std::vector<int> order;
            if (js > 0) order.push_back(js);
            for (int a = 1; a < static_cast<int>(sim::AppearanceTable.size()); ++a)
                if (a != js) order.push_back(a);
            for (int a : order) {
                // Back to level 1 first, so that the pick runs no level change on the row
                // before it.
                run("level 1");
                std::string picked;
                if (a == order.front()) picked = run("pick zy " + std::to_string(zy));
                if (a != js) picked += run("pick js " + std::to_string(a));
                js = a;
                const std::string pair = std::string(sim::ProfessionTable[zy].code) + "/" +
                                         std::string(sim::AppearanceTable[js].code);
                const int before = checkedLevels;
                const int n = comparePair(zy, pair, rows.at(pair), picked);
                overflows += n;
                mixedRows += n > 0 && n < checkedLevels - before ? 1 : 0;
                if (HasFatalFailure()) return overflows;
            }
        }
        return overflows;
    }

    int mixedRows = 0;
    int checkedLevels = 0;

    int comparePair(int zy, const std::string& pair, const DataRow& row,
                    const std::string& picked) {
        const sim::ProfessionGroup group = sim::groupOfIndex(zy);
        int overflows = 0;
        // Level 1 first, as the picks left it; then 0 and 2 to 200.
        std::vector<int> levels{1, 0};
        for (int level = 2; level <= 200; ++level)
            if (!kSanitized || level <= 21 || level % 25 == 0 || level >= 199)
                levels.push_back(level);
        checkedLevels += static_cast<int>(levels.size());
        for (int level : levels) {
            SCOPED_TRACE(pair + " level " + std::to_string(level));
            // Level 1 is what the picks left; every other level is set by pasting it.
            const std::string said = level == 1 ? picked : run("level " + std::to_string(level));
            const std::string shown = run("dump");
            std::optional<GrowthValues> expected;
            std::string error;
            try {
                expected = GrowthValues::at(group, level, row);
            } catch (const Error& e) {
                error = e.what();
            }
            if (!expected) {
                ++overflows;
                EXPECT_EQ(error, "Integer overflow");
                // The window said it when it loaded the row, or when it set this level.
                const bool atLoad = picked.find("error: Integer overflow.\n") != std::string::npos;
                EXPECT_TRUE(atLoad || said.find("error: Integer overflow.\n") != std::string::npos)
                    << said;
                continue;
            }
            EXPECT_EQ(said.find("error:"), std::string::npos) << said;
            for (const auto& info : sim::GrowthColumnTable)
                EXPECT_NE(shown.find("\n" + std::string(info.label) + "=" +
                                     expected->text(info.column) + "\n"),
                          std::string::npos)
                    << info.label << " should be " << expected->text(info.column) << "\n"
                    << shown;
            if (::testing::Test::HasFailure()) return overflows;
        }
        return overflows;
    }
};

TEST_F(GrowthFunction, EqualsThePageForEveryShippedRowAndLevel) {
    const store::CsvTable shipped =
        store::CsvTable::parse(readFile(std::filesystem::path(LYMN_SOURCE_DIR) / "data/t_js.csv"));
    Rows rows;
    for (const auto& r : shipped.rows)
        rows[r.fields[0] + "/" + r.fields[1]] = {std::stoi(r.fields[2]), std::stoi(r.fields[3]),
                                                 std::stoi(r.fields[4]), std::stoi(r.fields[5])};
    ASSERT_EQ(rows.size(), 160u);
    startWith(rows);
    EXPECT_EQ(compareEveryPairAndLevel(rows), 0);
}

TEST_F(GrowthFunction, EqualsThePageForRandomRows) {
    std::mt19937 rng(14);
    std::uniform_int_distribution<int32_t> value(1, 40);
    Rows rows;
    for (size_t p = 1; p < sim::ProfessionTable.size(); ++p)
        for (size_t a = 1; a < sim::AppearanceTable.size(); ++a)
            rows[std::string(sim::ProfessionTable[p].code) + "/" +
                 std::string(sim::AppearanceTable[a].code)] = {value(rng), value(rng), value(rng),
                                                               value(rng)};
    startWith(rows);
    EXPECT_EQ(compareEveryPairAndLevel(rows), 0);
}

// Values near the edges of 32 bits: some rows overflow as they load, some at a level on the way
// to 200, some never. Each row takes one attribute near the value at which a value derived from
// it leaves 32 bits, the others small; or all four at random.
TEST_F(GrowthFunction, ReportsTheOverflowAsThePageDoes) {
    std::mt19937 rng(1414);
    auto near = [&](int32_t top, int32_t below) {
        return std::uniform_int_distribution<int32_t>(top - below, top)(rng);
    };
    auto small = [&] { return near(40, 39); };
    Rows rows;
    for (size_t p = 1; p < sim::ProfessionTable.size(); ++p)
        for (size_t a = 1; a < sim::AppearanceTable.size(); ++a) {
            DataRow r{small(), small(), small(), small()};
            switch (std::uniform_int_distribution<int>(0, 6)(rng)) {
                case 1:
                    r.ll = near(kMax, 400);  // the attack: strength and level
                    break;
                case 2:
                    r.tp = near(kMax / 10 + 30, 300);  // life: ten times the constitution
                    break;
                case 3:
                    r.ys = near(kMax / 10 + 50, 500);  // mana: ten times the spirit
                    break;
                case 4:
                    r.jg = near(kMax / 2 + 30, 150);  // defence: twice the sinew
                    break;
                case 5:
                    r = {near(kMax, kMax - 1), near(kMax, kMax - 1), near(kMax, kMax - 1),
                         near(kMax, kMax - 1)};
                    break;
                case 6:
                    // Right at the edge, where loading the row already overflows or just not.
                    r.ll = near(kMax, 2);
                    r.tp = near(kMax / 10 + 1, 2);
                    r.ys = near(kMax / 10 + 1, 2);
                    r.jg = near(kMax / 2 + 1, 2);
                    break;
                default:
                    break;
            }
            rows[std::string(sim::ProfessionTable[p].code) + "/" +
                 std::string(sim::AppearanceTable[a].code)] = r;
        }
    startWith(rows);
    const int overflows = compareEveryPairAndLevel(rows);
    // Both kinds happen: levels that overflow and levels that do not.
    EXPECT_GT(overflows, checkedLevels / 20);
    EXPECT_LT(overflows, checkedLevels - checkedLevels / 20);
    EXPECT_GT(mixedRows, 10) << overflows;
}

}  // namespace
}  // namespace lymn
