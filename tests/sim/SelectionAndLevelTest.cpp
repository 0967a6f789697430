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
    // Blanks before the number are allowed, blanks inside or after it are not.
    run("level   15");
    EXPECT_EQ(value("sxd"), "5");
    EXPECT_EQ(run("level 1 5"), "error: '1 5' is not a valid integer value.\n");
    EXPECT_EQ(run("level 15 "), "error: '15 ' is not a valid integer value.\n");
    EXPECT_EQ(value("sxd"), "5");
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
    run("level 13");  // 3 free points
    run("level 1");
    EXPECT_EQ(value("sxd"), "0");
}

// Level 11 of a Ranger row with strength 2 and sinew 26: one free point, attack 24 and sinew 31.
// Each button moves its attribute, the free points and what follows from the attribute, nothing
// else; its partner moves them all back.
TEST_F(Points, EachAttributeButtonMovesWhatFollowsFromIt) {
    start({{"yj/hz", {2, 10, 7, 26}}});
    run("pick zy 5\npick js 9\nlevel 11");
    EXPECT_EQ(value("sxd"), "1");
    EXPECT_EQ(value("gjl"), "24");
    EXPECT_EQ(value("shl"), "4-4");
    EXPECT_EQ(value("Labjg"), "31");
    EXPECT_EQ(value("tl"), "115");
    EXPECT_EQ(value("fy"), "62");
    EXPECT_EQ(value("sm"), "257");
    EXPECT_EQ(value("fl"), "120");
    // Across an odd sinew the stamina follows the new sinew: 115, 116, 115.
    EXPECT_EQ(changesOf("click ja"), "Labjg=32 sxd=0 tl=116 fy=64");
    EXPECT_EQ(changesOf("click jd"), "Labjg=31 sxd=1 tl=115 fy=62");
    // Attack 24 to 25: the damage text changes from 4-4 to 5-6.
    EXPECT_EQ(changesOf("click la"), "Labll=14 sxd=0 gjl=25 shl=5-6");
    EXPECT_EQ(changesOf("click ld"), "Labll=13 sxd=1 gjl=24 shl=4-4");
    // Life by 10 for a constitution point, mana by 10 for a spirit point.
    EXPECT_EQ(changesOf("click ta"), "Labtp=18 sxd=0 sm=267");
    EXPECT_EQ(changesOf("click td"), "Labtp=17 sxd=1 sm=257");
    EXPECT_EQ(changesOf("click ya"), "Labys=11 sxd=0 fl=130");
    EXPECT_EQ(changesOf("click yd"), "Labys=10 sxd=1 fl=120");
}

// Each resistance button moves its own resistance and the free resistance points, which with
// the points spent stay 4 until the level changes.
TEST_F(Points, EachResistanceButtonMovesItsOwnLabel) {
    start();
    run("pick zy 7\npick js 11\nlevel 14");
    EXPECT_EQ(changesOf("click da"), "kxd=3 Labds=1");
    EXPECT_EQ(changesOf("click ma"), "kxd=2 Labmh=1");
    EXPECT_EQ(changesOf("click lsa"), "kxd=1 Labls=1");
    EXPECT_EQ(changesOf("click xa"), "kxd=0 Labxr=1");
    EXPECT_EQ(changesOf("click da"), "");
    EXPECT_EQ(changesOf("click xd"), "kxd=1 Labxr=0");
    EXPECT_EQ(changesOf("click lsd"), "kxd=2 Labls=0");
    EXPECT_EQ(changesOf("click md"), "kxd=3 Labmh=0");
    EXPECT_EQ(changesOf("click dd"), "kxd=4 Labds=0");
    EXPECT_EQ(changesOf("click dd"), "");
}

TEST_F(Points, AWarriorsSpiritPointsShowMana) {
    start();
    run("pick zy 1\npick js 11\nlevel 13\nclick ya\nclick ya\nclick ya");
    EXPECT_EQ(value("fl"), "30");
    EXPECT_EQ(value("sxd"), "0");
}

// Random levels and random presses: the free points plus the points spent stay constant between
// level changes, and nothing goes below its floor.
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
        const auto resistances = [&] {
            int sum = std::stoi(value("kxd"));
            for (const char* r : {"Labds", "Labmh", "Labls", "Labxr"}) sum += std::stoi(value(r));
            return sum;
        };
        const int resistanceTotal = resistances();
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
            ASSERT_EQ(resistances(), resistanceTotal);
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
