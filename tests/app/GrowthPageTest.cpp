// The page 成长曲线 in the real window, at scales 1, 2 and 3: its place after the two specified
// pages, the chart's pixels (lines inside the plot, a line switched off leaving none of its
// colour, the hover line at the level under the pointer, the character's level marked), the
// keys, the message when nothing is picked, and the table copied and pinned.
#include <cmath>
#include <sstream>

#include "app/GrowthChart.h"
#include "app/GrowthLegend.h"
#include "app/GrowthPage.h"
#include "app/GrowthTableView.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatLabel.h"
#include "editors/TFlatTextEdit.h"
#include "platform/headless/HeadlessBackend.h"
#include "sim/LabelNumbers.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTabSheet.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

using sim::GrowthColumn;

const Color kHoverLine = Color::rgb(0x505050);

class GrowthPageTest : public test::ScaledWindowFixture {
  protected:
    TSkinPageControl& pages() { return form().control<TSkinPageControl>("skinPageControl1"); }
    GrowthPage& page() { return form().growthPage(); }
    GrowthChart& chart() { return page().chart(); }

    // The build picked and the level set as the character page's handlers take them.
    void choose(int appearance, int profession, int level) {
        form().controls().ImageBoxJs->pick(appearance);
        form().controls().ImageBoxZy->pick(profession);
        form().controls().EdtRank->setText(std::to_string(level));
    }
    void openTab(int index) {
        auto& strip = pages().strip();
        click(SimulatedUser::centre(strip.tabRect(index).translated(strip.formRect().topLeft())));
    }
    // A rectangle of the chart in window coordinates.
    Rect inWindow(const Rect& chartRect) {
        return chartRect.translated(chart().formRect().topLeft());
    }
    Point chartPoint(double x, double y) {
        return chart().toForm({static_cast<int>(std::floor(x)), static_cast<int>(std::floor(y))});
    }
    int colourInChart(Color c) { return test::countColor(frame(), chart().formRect(), c); }
    int colourInPlot(Color c) { return test::countColor(frame(), inWindow(chart().plotArea()), c); }
    void clickLegend(GrowthColumn c) {
        auto& legend = page().legend();
        click(SimulatedUser::centre(legend.entryRect(c).translated(legend.formRect().topLeft())));
    }
};

TEST_P(GrowthPageTest, IsTheThirdPageAndKeepsTheOtherTwo) {
    // Pages of our own may follow it.
    ASSERT_GE(pages().PageCount(), 3);
    EXPECT_EQ(pages().GetPage(0)->Caption(), "角色模拟");
    EXPECT_EQ(pages().GetPage(1)->Caption(), "软件说明");
    EXPECT_EQ(pages().GetPage(2)->Caption(), "成长曲线");
    EXPECT_EQ(pages().ActivePage(), pages().GetPage(0));
    EXPECT_FALSE(page().active());
    openTab(2);
    EXPECT_EQ(pages().ActivePage(), pages().GetPage(2));
    EXPECT_TRUE(page().active());
    EXPECT_TRUE(chart().focused());
    // Everything inside the page, nothing over anything else.
    const Rect inside = page().clientRect();
    std::vector<Rect> parts;
    for (const auto& child : page().children()) {
        EXPECT_TRUE(inside.contains(child->bounds())) << child->name();
        for (const Rect& r : parts) EXPECT_FALSE(r.intersects(child->bounds())) << child->name();
        parts.push_back(child->bounds());
    }
    EXPECT_GE(chart().plotArea().height(), 150);
    EXPECT_GE(page().table().visibleRows(), 8);
    openTab(0);
    EXPECT_EQ(pages().ActivePage(), pages().GetPage(0));
}

TEST_P(GrowthPageTest, SaysToPickFirstWhenNothingIsPicked) {
    openTab(2);
    EXPECT_EQ(chart().message(), GrowthPage::kPickFirst);
    const Rect box = test::inkBox(frame(), chart().formRect().inflated(-3, -3), colors::white);
    ASSERT_FALSE(box.empty());
    const Rect c = chart().formRect();
    EXPECT_NEAR((box.left + box.right) / 2.0, (c.left + c.right) / 2.0, 3);
    EXPECT_NEAR((box.top + box.bottom) / 2.0, (c.top + c.bottom) / 2.0, 3);
    EXPECT_EQ(page().currentTable(), nullptr);
    click(centreOf("BtnPin"));
    click(centreOf("BtnCopyTable"));
    EXPECT_EQ(boxes, (std::vector<std::string>{GrowthPage::kPickFirst, GrowthPage::kPickFirst}));
    EXPECT_EQ(page().pinnedTable(), nullptr);
    // An appearance alone is not enough.
    form().controls().ImageBoxJs->pick(3);
    EXPECT_EQ(chart().message(), GrowthPage::kPickFirst);
    form().controls().ImageBoxZy->pick(3);
    EXPECT_EQ(chart().message(), "");
    ASSERT_NE(page().currentTable(), nullptr);
}

TEST_P(GrowthPageTest, LinesStayInsideThePlotAndALineSwitchedOffLeavesNoPixel) {
    choose(11, 5, 50);
    openTab(2);
    move({5, 300});
    const GrowthColumn first[] = {GrowthColumn::Life, GrowthColumn::Mana, GrowthColumn::Stamina,
                                  GrowthColumn::Attack, GrowthColumn::Defence};
    for (GrowthColumn c : first) {
        SCOPED_TRACE(static_cast<int>(c));
        EXPECT_TRUE(chart().shown()[static_cast<size_t>(c)]);
        const Color colour = GrowthChart::seriesColor(c);
        EXPECT_GT(colourInPlot(colour), 10);
        EXPECT_EQ(colourInChart(colour), colourInPlot(colour));
    }
    EXPECT_EQ(colourInChart(GrowthChart::seriesColor(GrowthColumn::Constitution)), 0);
    clickLegend(GrowthColumn::Mana);
    EXPECT_FALSE(chart().shown()[static_cast<size_t>(GrowthColumn::Mana)]);
    EXPECT_EQ(colourInChart(GrowthChart::seriesColor(GrowthColumn::Mana)), 0);
    EXPECT_GT(colourInPlot(GrowthChart::seriesColor(GrowthColumn::Life)), 10);
    clickLegend(GrowthColumn::Constitution);
    EXPECT_GT(colourInPlot(GrowthChart::seriesColor(GrowthColumn::Constitution)), 10);
    clickLegend(GrowthColumn::Mana);
    EXPECT_GT(colourInPlot(GrowthChart::seriesColor(GrowthColumn::Mana)), 10);
}

TEST_P(GrowthPageTest, TheLegendTakesTheKeysToo) {
    choose(11, 5, 50);
    openTab(2);
    ASSERT_TRUE(chart().focused());
    // Shift+Tab reaches the legend, before the chart.
    user.key(form(), Key::Tab, mods::Shift);
    ASSERT_TRUE(page().legend().focused());
    for (int i = 0; i < 4; ++i) user.key(form(), Key::Right);
    EXPECT_EQ(page().legend().current(), GrowthColumn::Life);
    user.key(form(), Key::Space);
    EXPECT_FALSE(chart().shown()[static_cast<size_t>(GrowthColumn::Life)]);
    EXPECT_EQ(colourInChart(GrowthChart::seriesColor(GrowthColumn::Life)), 0);
    // Down to the row below: the entry six further on.
    user.key(form(), Key::Down);
    EXPECT_EQ(page().legend().current(), GrowthColumn::SpellEffect);
    user.key(form(), Key::Up);
    user.key(form(), Key::Space);
    EXPECT_TRUE(chart().shown()[static_cast<size_t>(GrowthColumn::Life)]);
    // Tab goes on to the chart and the table.
    user.key(form(), Key::Tab);
    EXPECT_TRUE(chart().focused());
    user.key(form(), Key::Tab);
    EXPECT_TRUE(page().table().focused());
    const int top = page().table().topLevel();
    user.key(form(), Key::PageDown);
    EXPECT_EQ(page().table().topLevel(), top + page().table().visibleRows());
}

TEST_P(GrowthPageTest, TheScaleFitsTheValuesShown) {
    choose(11, 5, 50);
    openTab(2);
    const sim::GrowthTable& t = *page().currentTable();
    EXPECT_GE(chart().scaleTop(), t.at(200).life);
    EXPECT_LT(chart().scaleTop(), 2 * t.at(200).life);
    for (GrowthColumn c :
         {GrowthColumn::Life, GrowthColumn::Mana, GrowthColumn::Attack, GrowthColumn::Defence})
        clickLegend(c);
    // Stamina alone: a scale of its own, the line filling most of the plot's height.
    EXPECT_GE(chart().scaleTop(), t.at(200).stamina);
    EXPECT_LT(chart().scaleTop(), 1.5 * t.at(200).stamina);
}

TEST_P(GrowthPageTest, TheHoverLineStandsAtTheLevelUnderThePointerAndTheKeysMoveIt) {
    choose(11, 5, 50);
    openTab(2);
    move({5, 300});
    EXPECT_EQ(colourInPlot(kHoverLine), 0);
    const Rect plot = chart().plotArea();
    const double y = plot.top + plot.height() * 0.7;
    move(chartPoint(chart().xOf(137), y));
    EXPECT_EQ(chart().hoverLevel(), 137);
    auto checkLine = [&](int level) {
        SCOPED_TRACE(level);
        const Bitmap& f = frame();
        const Rect line = inWindow(chart().hoverLineRect(level));
        const Rect panel = inWindow(chart().hoverPanelRect(level));
        EXPECT_EQ(line.left,
                  chart().formRect().left + static_cast<int>(std::floor(chart().xOf(level))));
        for (int py = line.top; py < line.bottom; ++py)
            ASSERT_TRUE(test::blockIs(f, line.left, py, kHoverLine)) << py;
        // Nowhere else in the plot but the panel beside it.
        EXPECT_EQ(
            test::countColor(f, inWindow(plot), kHoverLine),
            line.height() + test::countColor(f, panel.intersected(inWindow(plot)), kHoverLine));
        EXPECT_FALSE(panel.intersects(line));
        EXPECT_TRUE(inWindow(chart().clientRect()).contains(panel));
    };
    checkLine(137);
    user.key(form(), Key::Right);
    EXPECT_EQ(chart().hoverLevel(), 138);
    checkLine(138);
    user.key(form(), Key::Left);
    user.key(form(), Key::Left);
    EXPECT_EQ(chart().hoverLevel(), 136);
    checkLine(136);
    user.key(form(), Key::End);
    EXPECT_EQ(chart().hoverLevel(), 200);
    checkLine(200);
    // A move repaints the old and the new line and panel, not the chart.
    move(chartPoint(chart().xOf(60), y));
    frame();
    move(chartPoint(chart().xOf(62), y));
    auto* window = backend.window(form().window().id());
    int area = 0;
    for (const Rect& r : window->lastDirty()) {
        EXPECT_TRUE(chart().formRect().contains(r));
        area += r.width() * r.height();
    }
    EXPECT_GT(area, 0);
    EXPECT_LT(area, chart().width() * chart().height() / 4);
    move({5, 300});
    EXPECT_EQ(chart().hoverLevel(), 0);
    EXPECT_EQ(colourInPlot(kHoverLine), 0);
}

TEST_P(GrowthPageTest, MarksTheCharacterLevelWithTheValuesShownThere) {
    choose(11, 5, 50);
    for (int i = 0; i < 20; ++i) click(centreOf("la"));
    const int attack = sim::numberOf(*form().controls().gjl);
    openTab(2);
    ASSERT_NE(page().currentTable(), nullptr);
    EXPECT_EQ(attack, page().currentTable()->at(50).attack + 20);
    // Attack alone: its disc stands above the curve of no points spent.
    for (GrowthColumn c :
         {GrowthColumn::Life, GrowthColumn::Mana, GrowthColumn::Stamina, GrowthColumn::Defence})
        clickLegend(c);
    move({5, 300});
    const Color colour = GrowthChart::seriesColor(GrowthColumn::Attack);
    const Point centre = chartPoint(chart().xOf(50), chart().yOf(attack));
    EXPECT_TRUE(test::blockIs(frame(), centre.x, centre.y, colour));
    EXPECT_EQ(page().table().litLevel(), 50);
    EXPECT_FALSE(page().table().rowRect(50).empty());
    // The character page's level moves the mark, while the page is in front too.
    form().controls().EdtRank->setText("120");
    EXPECT_EQ(page().table().litLevel(), 120);
    const Point later =
        chartPoint(chart().xOf(120), chart().yOf(page().currentTable()->at(120).attack));
    EXPECT_TRUE(test::blockIs(frame(), later.x, later.y, colour));
    EXPECT_FALSE(test::blockIs(frame(), centre.x, centre.y, colour));
}

// The rows of a tab-separated text, split into fields.
std::vector<std::vector<std::string>> parseTsv(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        rows.emplace_back();
        std::istringstream fields(line);
        for (std::string f; std::getline(fields, f, '\t');) rows.back().push_back(f);
    }
    return rows;
}

// "12" or "5-6" as the numbers it holds.
std::vector<long> numbersIn(const std::string& cell, char join) {
    std::vector<long> out;
    size_t at = 0;
    while (at <= cell.size()) {
        size_t end = cell.find(join, at == 0 ? 1 : at + 1);
        if (end == std::string::npos) end = cell.size();
        out.push_back(std::stol(cell.substr(at, end - at)));
        at = end + 1;
    }
    return out;
}

TEST_P(GrowthPageTest, CopiesTheWholeTableAndThePinnedColumnsFollowThePinnedBuild) {
    // The rows of the shipped data, as the window loaded them.
    auto rowShown = [this] {
        const sim::CharacterSheet& s = form().Sheet;
        return sim::DataRow{s.BaseLl, s.BaseTp, s.BaseYs, s.BaseJg};
    };
    choose(11, 5, 30);
    const sim::DataRow rangerRow = rowShown();
    openTab(2);
    click(centreOf("BtnPin"));
    ASSERT_NE(page().pinnedTable(), nullptr);
    // Another profession picked while the page is in front (a player does it on the first page).
    form().controls().ImageBoxZy->pick(3);
    const sim::DataRow mageRow = rowShown();
    ASSERT_NE(page().currentTable(), nullptr);
    click(centreOf("GrowthTable"));
    user.key(form(), Key('c'), mods::Ctrl);
    const std::string copied = backend.clipboardText();
    const auto rows = parseTsv(copied);
    ASSERT_EQ(rows.size(), 201u);
    ASSERT_EQ(rows[0].size(), 1u + 3 * sim::kGrowthColumnCount);
    EXPECT_EQ(rows[0][0], "等级");
    EXPECT_EQ(rows[0][1], "力量");
    EXPECT_EQ(rows[0][2], "对比力量");
    EXPECT_EQ(rows[0][3], "力量差");
    for (int level = 1; level <= 200; ++level) {
        SCOPED_TRACE(level);
        const auto& r = rows[static_cast<size_t>(level)];
        ASSERT_EQ(r.size(), rows[0].size());
        EXPECT_EQ(std::stoi(r[0]), level);
        const auto mage = sim::GrowthValues::at(sim::ProfessionGroup::Mage, level, mageRow);
        const auto ranger = sim::GrowthValues::at(sim::ProfessionGroup::Ranger, level, rangerRow);
        for (const auto& info : sim::GrowthColumnTable) {
            const size_t at = 1 + 3 * static_cast<size_t>(info.column);
            const auto now = numbersIn(r[at], '-'), pinned = numbersIn(r[at + 1], '-');
            const auto diff = numbersIn(r[at + 2], '/');
            const auto m = mage.range(info.column), g = ranger.range(info.column);
            const size_t ends = info.column == GrowthColumn::Damage ? 2 : 1;
            ASSERT_EQ(now.size(), ends);
            ASSERT_EQ(diff.size(), ends);
            for (size_t e = 0; e < ends; ++e) {
                EXPECT_EQ(now[e], m[e]) << info.label;
                EXPECT_EQ(pinned[e], g[e]) << info.label;
                EXPECT_EQ(diff[e], now[e] - pinned[e]) << info.label;
            }
        }
    }
    // The button copies the same; without the pin the table has one column per value.
    backend.setClipboardText("");
    click(centreOf("BtnCopyTable"));
    EXPECT_EQ(backend.clipboardText(), copied);
    click(centreOf("BtnUnpin"));
    EXPECT_EQ(page().pinnedTable(), nullptr);
    click(centreOf("BtnCopyTable"));
    EXPECT_EQ(parseTsv(backend.clipboardText())[0].size(), 1u + sim::kGrowthColumnCount);
    EXPECT_TRUE(boxes.empty()) << boxes.front();
}

TEST_P(GrowthPageTest, ThePinnedBuildIsDrawnDashedInTheSameColours) {
    choose(11, 5, 30);
    openTab(2);
    move({5, 300});
    const Color mana = GrowthChart::seriesColor(GrowthColumn::Mana);
    const int alone = colourInPlot(mana);
    click(centreOf("BtnPin"));
    // The same build pinned: its dashes lie under the solid line.
    form().controls().ImageBoxZy->pick(3);
    const int both = colourInPlot(mana);
    EXPECT_GT(both, alone);
    // The ranger's mana, dashed: along its curve the colour comes and goes.
    const sim::GrowthTable& pinned = *page().pinnedTable();
    int on = 0, off = 0;
    for (int level = 100; level <= 190; ++level) {
        const Point p = chartPoint(chart().xOf(level), chart().yOf(pinned.at(level).mana));
        (test::blockIs(frame(), p.x, p.y, mana) ? on : off)++;
    }
    EXPECT_GT(on, 10);
    EXPECT_GT(off, 10);
    click(centreOf("BtnUnpin"));
    EXPECT_LT(colourInPlot(mana), both);
}

INSTANTIATE_TEST_SUITE_P(Scales, GrowthPageTest, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace lymn
