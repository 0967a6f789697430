// The worked tables of the four growth routines, reproduced through the real window: pick the
// profession and an appearance, set the level as a user does, read the labels.
#include "tests/sim/SimFixture.h"

namespace lymn {
namespace {

using Table = std::vector<std::pair<int, std::string>>;

class GrowthTables : public test::SimFixture {
  protected:
    // The labels Labll Labtp Labys Labjg sm fl tl gjl shl fy of each level, after a selection.
    void check(int professionItem, const Table& table) {
        start();
        run("pick js 11\npick zy " + std::to_string(professionItem));
        for (const auto& [level, expected] : table) {
            SCOPED_TRACE("level " + std::to_string(level));
            run("level " + std::to_string(level));
            std::string got;
            for (const char* n :
                 {"Labll", "Labtp", "Labys", "Labjg", "sm", "fl", "tl", "gjl", "shl", "fy"})
                got += (got.empty() ? "" : " ") + value(n);
            EXPECT_EQ(got, expected);
        }
    }
};

TEST_F(GrowthTables, Ranger) {
    check(5, {{0, "13 10 7 11 110 68 105 13 2-2 22"},
              {1, "14 10 7 11 117 70 105 15 3-3 22"},
              {2, "15 10 7 12 124 72 106 17 3-3 24"},
              {10, "24 16 10 16 240 118 108 34 6-7 32"},
              {11, "25 17 10 16 257 120 108 36 7-8 32"},
              {20, "34 23 13 21 380 168 110 54 10-12 42"},
              {21, "35 24 14 21 394 180 110 56 11-13 42"},
              // Life 110 + 140 + trunc(13.5) + 150: rounding would give 414.
              {23, "37 25 14 22 413 184 111 60 12-14 44"},
              {100, "114 79 40 61 1300 598 130 214 42-50 122"},
              {200, "214 149 73 111 2450 1128 155 414 82-98 222"}});
}

TEST_F(GrowthTables, Mage) {
    check(3, {{0, "14 10 6 11 100 59 105 14 2-2 22"},
              {1, "14 10 7 11 106 80 105 15 3-3 22"},
              {2, "14 10 8 11 112 101 105 16 3-3 22"},
              {10, "15 16 17 12 224 279 106 25 5-6 24"},
              {11, "15 17 18 12 240 300 106 26 5-6 24"},
              {20, "16 24 27 13 368 489 106 36 7-8 26"},
              {21, "16 25 28 13 382 510 106 37 7-8 26"},
              {100, "24 84 107 19 1288 2169 109 124 24-28 38"},
              {200, "34 159 207 28 2438 4269 114 234 46-55 56"}});
}

TEST_F(GrowthTables, Warrior) {
    check(1, {{0, "13 9 7 11 90 0 105 13 2-2 22"},
              {1, "14 10 7 11 108 0 105 15 3-3 22"},
              {2, "15 11 7 12 126 0 106 17 3-3 24"},
              {10, "21 20 7 17 280 0 108 31 6-7 34"},
              {11, "21 21 7 18 298 0 109 32 6-7 36"},
              {20, "28 30 7 24 460 0 112 48 9-10 48"},
              {21, "29 31 7 24 476 0 112 50 10-12 48"},
              {100, "86 110 7 77 1740 0 138 186 37-44 154"},
              {200, "156 210 7 144 3340 0 172 356 71-85 288"}});
}

TEST_F(GrowthTables, Talisman) {
    check(7, {{0, "14 10 6 11 100 49 105 14 2-2 22"},
              {1, "14 10 7 11 106 70 105 15 3-3 22"},
              {2, "14 10 8 11 113 91 105 16 3-3 22"},
              {10, "16 16 17 13 225 269 106 26 5-6 26"},
              {11, "17 17 18 13 241 290 106 28 5-6 26"},
              {20, "19 24 27 16 370 479 108 39 7-8 32"},
              {21, "19 25 28 16 384 500 108 40 8-9 32"},
              {100, "39 84 107 36 1290 2159 118 139 27-32 72"},
              {200, "64 159 207 61 2440 4259 130 264 52-62 122"}});
}

TEST_F(GrowthTables, TheSheetFollowsTheLabelsAndKeepsTheLoadedValues) {
    start();
    run("pick zy 1\npick js 11\nlevel 21");
    const sim::CharacterSheet& s = form().Sheet;
    EXPECT_EQ(s.ProfessionCode, "jg");
    EXPECT_EQ(s.AppearanceCode, "ss");
    EXPECT_EQ(s.LevelLl, 29);
    EXPECT_EQ(s.LevelTp, 31);
    EXPECT_EQ(s.LevelYs, 7);
    EXPECT_EQ(s.LevelJg, 24);
    EXPECT_EQ(s.CurLife, 476);
    EXPECT_EQ(s.CurMana, 0);
    EXPECT_EQ(s.CurAttack, 50);
    EXPECT_EQ(s.BaseLl, 14);
    EXPECT_EQ(s.BaseLife, 100);
    EXPECT_EQ(s.BaseMana, 0);
    EXPECT_EQ(s.BaseAttack, 15);
}

}  // namespace
}  // namespace lymn
