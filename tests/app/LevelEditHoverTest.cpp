// The level edit's hot border: the pointer over its text area counts as over the edit.
#include "editors/TFlatTextEdit.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

class LevelEditHover : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        edit = &form().control<TFlatTextEdit>("EdtRank");
        edit->onMouseEnter = [this](Control&) { log.push_back("enter"); };
        edit->onMouseLeave = [this](Control&) { log.push_back("leave"); };
    }
    // Whether every pixel of the edit's one-pixel frame has this colour.
    bool frameIs(Color c) {
        const Rect r = edit->formRect();
        const Bitmap& f = frame();
        return test::allColor(f, {r.left, r.top, r.right, r.top + 1}, c) &&
               test::allColor(f, {r.left, r.bottom - 1, r.right, r.bottom}, c) &&
               test::allColor(f, {r.left, r.top, r.left + 1, r.bottom}, c) &&
               test::allColor(f, {r.right - 1, r.top, r.right, r.bottom}, c);
    }
    TFlatTextEdit* edit = nullptr;
    std::vector<std::string> log;
};

TEST_F(LevelEditHover, TheTextAreaGivesTheEditItsHotBorderUntilThePointerLeavesTheEdit) {
    const Color hot = sysColor(SysColor::Highlight), normal = sysColor(SysColor::ButtonShadow);
    ASSERT_FALSE(edit->hasEditFocus());
    EXPECT_TRUE(frameIs(normal));
    // Straight onto the text: the inner edit is under the pointer, the edit is hot.
    const Point text = SimulatedUser::centre(edit->innerEdit());
    ASSERT_EQ(form().controlAt(text), &edit->innerEdit());
    move(text);
    EXPECT_TRUE(frameIs(hot));
    // Onto the edit's own border and back onto the text: it stays hot, with no leave between.
    const Point border{edit->formRect().left, text.y};
    ASSERT_EQ(form().controlAt(border), edit);
    move(border);
    EXPECT_TRUE(frameIs(hot));
    move(text);
    EXPECT_TRUE(frameIs(hot));
    EXPECT_EQ(log, std::vector<std::string>{"enter"});
    // Off the edit, onto the page beside it: back to the normal border.
    move({edit->formRect().left - 10, text.y});
    EXPECT_TRUE(frameIs(normal));
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "leave"}));
}

}  // namespace
}  // namespace lymn
