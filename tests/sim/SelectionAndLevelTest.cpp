// Selection, level change and the points, through the real window.
#include <random>

#include "editors/TFlatLabel.h"
#include "store/DataFileMessages.h"
#include "tests/sim/SimFixture.h"

namespace lymn {
namespace {

class Selection : public test::SimFixture {};

TEST_F(Selection, TheProfessionAloneLoadsNothingTheAppearanceThenLoadsTheRow) {
    start();
    run("pick zy 5");
    EXPECT_EQ(form().Sheet.ProfessionCode, "yj");
    EXPECT_EQ(form().Sheet.AppearanceCode, "0");
    EXPECT_FALSE(form().ADOTemp().Active());  // no lookup yet
    EXPECT_EQ(value("Labll"), "0");
    run("pick js 11");
    EXPECT_TRUE(form().ADOTemp().Active());
    EXPECT_EQ(form().ADOTemp().sql(),
              std::vector<std::string>{" select * from t_js where zy = 'yj' and js = 'ss'"});
    EXPECT_EQ(value("sm"), "110");  // a Ranger row with tp 10
    EXPECT_EQ(value("fl"), "70");
    EXPECT_EQ(value("gjl"), "15");
    EXPECT_EQ(value("shl"), "2-2");  // from the row's strength 14, not the attack 15
    // The same row shows 117 after the level goes to 2 and back to 1.
    run("level 2\nlevel 1");
    EXPECT_EQ(value("sm"), "117");
    EXPECT_EQ(value("shl"), "3-3");
}

TEST_F(Selection, LifeAndManaOnLoadingFollowTheGroup) {
    start();
    const std::pair<int, const char*> cases[] = {
        {1, "100 0"}, {3, "100 80"}, {5, "110 70"}, {7, "100 70"}};
    run("pick js 11");
    for (auto [item, expected] : cases) {
        run("pick zy " + std::to_string(item));
        EXPECT_EQ(value("sm") + " " + value("fl"), expected) << item;
    }
}

TEST_F(Selection, ChangingTheProfessionAtLevel50WithPointsSpentStartsOver) {
    start();
    run("pick zy 5\npick js 11\nlevel 50\nclick la\nclick ta\nclick da\nclick ma");
    EXPECT_EQ(value("sxd"), "38");
    EXPECT_EQ(value("kxd"), "38");
    run("pick zy 3");
    EXPECT_EQ(value("EdtRank"), "1");
    EXPECT_EQ(value("sxd"), "0");
    EXPECT_EQ(value("kxd"), "0");
    EXPECT_EQ(value("Labll"), "14");
    EXPECT_EQ(value("fl"), "80");
    // The resistance labels keep the points spent on them.
    EXPECT_EQ(value("Labds"), "1");
    EXPECT_EQ(value("Labmh"), "1");
}

TEST_F(Selection, DamageTextsOfTheRowsStrength) {
    start({{"lc/wwl", {24, 10, 7, 1}}, {"lc/qg", {25, 10, 6, 1}}});
    run("pick zy 2\npick js 1");
    EXPECT_EQ(value("gjl"), "25");
    EXPECT_EQ(value("shl"), "4-4");
    run("pick js 2");
    EXPECT_EQ(value("shl"), "5-6");
}

TEST_F(Selection, APairWithoutARowReadsZeros) {
    start({{"qm/nf", {-1, -1, -1, -1}}, {"zd/nf", {-1, -1, -1, -1}}});
    run("pick zy 6\npick js 20");
    std::string got;
    for (const char* n : {"Labll", "Labtp", "Labys", "Labjg", "sm", "fl", "tl", "gjl", "shl", "fy"})
        got += value(n) + " ";
    EXPECT_EQ(got, "0 0 0 0 10 0 100 1 0-0 0 ");
    run("pick zy 3");  // the same gap for a Mage: mana 10
    EXPECT_EQ(value("fl"), "10");
}

TEST_F(Selection, ALookupErrorKeepsTheCodeAndLeavesTheLabels) {
    start();
    run("pick zy 5\npick js 11\nlevel 20");
    const std::string before = run("dump");
    // The data file goes away and the connection with it: the next lookup cannot connect.
    form().ADOCon().Close();
    std::filesystem::remove(dir / "lymn.db");
    const std::string shown = run("pick js 3");
    EXPECT_EQ(shown, "error: " + store::messages::missing((dir / "lymn.db").string()) + "\n");
    EXPECT_EQ(form().Sheet.AppearanceCode, "bzh");
    EXPECT_EQ(run("dump"), before);
}

TEST_F(Selection, ACodeLeftOnThePlaceholderIsKeptAndTheLevelIsRefusedAbove1) {
    start();
    run("pick zy 5\npick js 11\nlevel 20\npick js 0");
    EXPECT_EQ(form().Sheet.AppearanceCode, "ss");
    EXPECT_EQ(value("EdtRank"), "1");
    EXPECT_EQ(value("sm"), "110");
    EXPECT_EQ(run("spin up"), "box: 嘿,嘿.我说,你得先选择角色和职业才能升级啊.\n");
    EXPECT_EQ(value("EdtRank"), "2");  // a step is not corrected
    EXPECT_EQ(value("sm"), "110");     // nothing recomputed
}

class Level : public test::SimFixture {};

TEST_F(Level, FreePointsAreTheLevelMinus10) {
    start();
    run("pick zy 1\npick js 11");
    for (auto [level, points] : {std::pair{10, "0"}, {11, "1"}, {0, "0"}, {200, "190"}}) {
        run("level " + std::to_string(level));
        EXPECT_EQ(value("sxd"), points);
        EXPECT_EQ(value("kxd"), points);
    }
}

TEST_F(Level, AProfessionWithoutAppearanceComputesFromZeros) {
    start();
    run("pick zy 5\nlevel 0");
    EXPECT_EQ(value("Labll"), "-1");  // a Ranger at level 0 shows strength -1
    EXPECT_EQ(run("level 2"), "box: 嘿,嘿.我说,你得先选择角色和职业才能升级啊.\n");
    EXPECT_EQ(value("EdtRank"), "1");
}

TEST_F(Level, HexadecimalAndBlanksAreLevelsOutOfRangeNumbersAreErrors) {
    start();
    run("pick zy 1\npick js 11");
    run("level $14");
    EXPECT_EQ(value("sxd"), "10");
    run("level 0x0A");
    EXPECT_EQ(value("sxd"), "0");
    EXPECT_EQ(run("level 99999999999"), "error: '99999999999' is not a valid integer value.\n");
    EXPECT_EQ(run("level 2147483647"), "box: 伙计,超过上限了.最高只能到200\n");
    EXPECT_EQ(value("EdtRank"), "200");
}

class Points : public test::SimFixture {};

TEST_F(Points, GuardsAndDerivedValues) {
    start({{"jg/wt", {24, 10, 7, 31}}});
    run("pick zy 1\npick js 4");
    // No free points: the up buttons do nothing; at the floor the down buttons neither.
    const std::string before = run("dump");
    run("click la\nclick ta\nclick ya\nclick ja\nclick ld\nclick td\nclick yd\nclick jd");
    run("click da\nclick ma\nclick lsa\nclick xa\nclick dd\nclick md\nclick lsd\nclick xd");
    EXPECT_EQ(run("dump"), before);
    // Level 1 values of this row: attack 25, sinew 31.
    run("level 13");  // 3 free points
    run("level 1");
    EXPECT_EQ(value("sxd"), "0");
    run("level 11");
    const std::string at11 = run("dump");
    // Sinew 31 at level 11 grows; then a sinew point: stamina follows the new sinew.
    const int jg = std::stoi(value("Labjg"));
    run("click ja");
    EXPECT_EQ(value("Labjg"), std::to_string(jg + 1));
    EXPECT_EQ(value("tl"), std::to_string((jg + 1) / 2 + 100));
    run("click jd");
    EXPECT_EQ(run("dump"), at11);
}

TEST_F(Points, AWarriorsSpiritPointsShowMana) {
    start();
    run("pick zy 1\npick js 11\nlevel 13\nclick ya\nclick ya\nclick ya");
    EXPECT_EQ(value("fl"), "30");
    EXPECT_EQ(value("sxd"), "0");
}

TEST_F(Points, StrengthPointsMoveAttackAndDamage) {
    start({{"yj/hz", {23, 10, 7, 2}}});
    run("pick zy 5\npick js 9\nlevel 11");
    // Ranger level 11: strength 23 + 11 = 34, attack 34 + 24 - 23 + 10 = 45.
    EXPECT_EQ(value("gjl"), "45");
    run("click la");
    EXPECT_EQ(value("gjl"), "46");
    EXPECT_EQ(value("shl"), "9-10");
    run("click ld");
    EXPECT_EQ(value("shl"), "9-10");
    EXPECT_EQ(value("gjl"), "45");
}

// Random levels and random presses: the free points plus the points spent stay constant and
// nothing goes below its floor.
TEST_F(Points, InvariantOverRandomLevelsAndPresses) {
    start();
    run("pick zy 7\npick js 11");
    std::mt19937 rng(20261209);
    const char* buttons[] = {"la", "ld", "ta", "td", "ya",  "yd",  "ja", "jd",
                             "da", "dd", "ma", "md", "lsa", "lsd", "xa", "xd"};
    for (int round = 0; round < 12; ++round) {
        const int level = std::uniform_int_distribution<int>(0, 200)(rng);
        run("level " + std::to_string(level));
        const sim::CharacterSheet& s = form().Sheet;
        const int grant = std::max(level - 10, 0);
        for (int press = 0; press < 40; ++press) {
            run(std::string("click ") + buttons[std::uniform_int_distribution<int>(0, 15)(rng)]);
            const int ll = std::stoi(value("Labll")), tp = std::stoi(value("Labtp"));
            const int ys = std::stoi(value("Labys")), jg = std::stoi(value("Labjg"));
            const int sxd = std::stoi(value("sxd"));
            ASSERT_GE(ll, s.LevelLl);
            ASSERT_GE(tp, s.LevelTp);
            ASSERT_GE(ys, s.LevelYs);
            ASSERT_GE(jg, s.LevelJg);
            ASSERT_GE(sxd, 0);
            ASSERT_EQ(
                sxd + (ll - s.LevelLl) + (tp - s.LevelTp) + (ys - s.LevelYs) + (jg - s.LevelJg),
                grant);
            ASSERT_GE(std::stoi(value("kxd")), 0);
            for (const char* r : {"Labds", "Labmh", "Labls", "Labxr"})
                ASSERT_GE(std::stoi(value(r)), 0);
        }
    }
}

TEST_F(Points, ResistancePointsStayWhenTheLevelChanges) {
    start();
    run("pick zy 5\npick js 11\nlevel 13\nclick da\nclick da\nclick da\nclick da");
    EXPECT_EQ(value("Labds"), "3");
    EXPECT_EQ(value("kxd"), "0");
    run("level 12");
    EXPECT_EQ(value("kxd"), "2");
    EXPECT_EQ(value("Labds"), "3");
    run("click dd\nclick dd\nclick dd\nclick dd");
    EXPECT_EQ(value("Labds"), "0");
    EXPECT_EQ(value("kxd"), "5");
}

TEST_F(Points, ArithmeticThatWouldOverflowRaisesInsteadOfWrapping) {
    start({{"yj/ss", {2147483600, 10, 7, 11}}});
    const std::string shown = run("pick zy 5\npick js 11\nlevel 100");
    EXPECT_EQ(shown, "error: Integer overflow.\n");
}

}  // namespace
}  // namespace lymn
