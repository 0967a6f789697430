// The undo history of builds, and the keys that walk it in the window.
#include "app/BuildHistory.h"
#include "editors/TFlatTextEdit.h"
#include "sim/BuildCode.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

sim::Build atLevel(int level) {
    return sim::Build{"wwl", "jg", level, {}, {}};
}

TEST(BuildHistory, StepsBackAndForthDropsUndoneStepsAndKeepsAHundred) {
    BuildHistory h;
    EXPECT_FALSE(h.undo());
    h.record(atLevel(1));
    h.record(atLevel(1));  // the same build again is no step
    EXPECT_EQ(h.size(), 1u);
    h.record(atLevel(2));
    h.record(atLevel(3));
    EXPECT_EQ(h.undo(), atLevel(2));
    EXPECT_EQ(h.undo(), atLevel(1));
    EXPECT_FALSE(h.undo());
    EXPECT_EQ(h.redo(), atLevel(2));
    // A new step after undoing: the undone ones are gone.
    h.record(atLevel(7));
    EXPECT_FALSE(h.redo());
    EXPECT_EQ(h.undo(), atLevel(2));
    // A hundred steps deep: the oldest go.
    BuildHistory deep;
    for (int level = 1; level <= 150; ++level) deep.record(atLevel(level));
    int back = 0;
    std::optional<sim::Build> last;
    while (auto b = deep.undo()) {
        last = b;
        ++back;
    }
    EXPECT_EQ(back, BuildHistory::kDepth);
    EXPECT_EQ(last, atLevel(50));
    for (int i = 0; i < BuildHistory::kDepth; ++i) ASSERT_TRUE(deep.redo());
    EXPECT_FALSE(deep.redo());
}

class BuildKeys : public test::WindowFixture {
  protected:
    Point button(const char* name) { return centreOf(name); }
    // The first appearance and profession picked from their lists, and a level.
    void pickAtLevel(const char* level) {
        for (const char* picker : {"ImageBoxJs", "ImageBoxZy"}) {
            click(centreOf(picker));
            user.key(form(), Key::Down);
            user.key(form(), Key::Enter);
        }
        form().controls().EdtRank->setText(level);
    }
};

TEST_F(BuildKeys, CtrlZAndCtrlYStepThroughClicksExceptInTheLevelEdit) {
    pickAtLevel("30");
    click(button("la"));
    click(button("la"));
    click(button("da"));
    const sim::Build end = form().currentBuild();
    EXPECT_EQ(end.attributes[0], 2);
    EXPECT_EQ(end.resistances[0], 1);
    // Away from the level edit, the keys walk the steps.
    click(button("ja"));
    user.key(form(), Key('z'), mods::Ctrl);
    EXPECT_EQ(form().currentBuild(), end);
    user.key(form(), Key('z'), mods::Ctrl);
    EXPECT_EQ(form().currentBuild().resistances[0], 0);
    user.key(form(), Key('y'), mods::Ctrl);
    EXPECT_EQ(form().currentBuild(), end);
    user.key(form(), Key('z'), mods::Ctrl | mods::Shift);
    EXPECT_EQ(form().currentBuild().attributes[3], 1);
    // In the level edit Ctrl+Z is the edit's own: the build stays.
    click(SimulatedUser::centre(form().controls().EdtRank->innerEdit().formRect()));
    const sim::Build before = form().currentBuild();
    user.key(form(), Key('z'), mods::Ctrl);
    EXPECT_EQ(form().currentBuild().attributes, before.attributes);
    EXPECT_TRUE(boxes.empty());
}

TEST_F(BuildKeys, AWindowWithMorePointsThanItsLevelGivesACodeThatReadsBack) {
    pickAtLevel("30");
    for (int i = 0; i < 5; ++i) click(button("da"));
    // A lower level keeps the resistance points spent and gives its whole pool again.
    form().controls().EdtRank->setText("12");
    const sim::Build b = form().currentBuild();
    EXPECT_EQ(b.resistances[0], 2);
    EXPECT_EQ(sim::BuildCode::decode(sim::BuildCode::encode(b)), b);
}

}  // namespace
}  // namespace lymn
