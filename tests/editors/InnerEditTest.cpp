#include "editors/TFlatTextEdit.h"
#include "tests/editors/EditorFixture.h"

namespace lymn {
namespace {

class InnerEdit : public test::EditorFixture {
  protected:
    void SetUp() override {
        edit = &form.add<TFlatTextEdit>();
        edit->setBounds(10, 10, 58, 21);
        edit->properties().OnChange = [this](Control&) { log(edit->text()); };
        show();
        edit->setFocus();
    }
    TFlatInnerEdit& inner() { return edit->innerEdit(); }
    void key(Key k, unsigned m = 0) { h.key(form, k, m); }
    TFlatTextEdit* edit = nullptr;
};

TEST_F(InnerEdit, TypingDeletingAndTheCaret) {
    EXPECT_TRUE(inner().focused());  // the focus goes inside
    EXPECT_TRUE(edit->hasEditFocus());
    h.type(form, "12");
    h.type(form, "3");
    EXPECT_EQ(edit->text(), "123");
    EXPECT_EQ(inner().caret(), 3);
    key(Key::Left);
    key(Key::Backspace);  // removes the 2
    EXPECT_EQ(edit->text(), "13");
    key(Key::Home);
    key(Key::Delete);
    EXPECT_EQ(edit->text(), "3");
    key(Key::Delete);
    key(Key::Delete);  // nothing left to delete: no change
    key(Key::Backspace);
    EXPECT_EQ(events, (std::vector<std::string>{"12", "123", "13", "3", ""}));
    // A program assignment puts the caret at the start.
    edit->setText("45");
    EXPECT_EQ(inner().caret(), 0);
    EXPECT_EQ(inner().selectionLength(), 0);
}

TEST_F(InnerEdit, SelectionCutCopyPasteAndUndo) {
    h.type(form, "abc");
    key(Key('a'), mods::Ctrl);
    EXPECT_EQ(inner().selectedText(), "abc");
    key(Key('c'), mods::Ctrl);
    EXPECT_EQ(h.backend.clipboardText(), "abc");
    key(Key::End);
    key(Key::Left, mods::Shift);
    key(Key::Left, mods::Shift);
    EXPECT_EQ(inner().selectedText(), "bc");
    key(Key('x'), mods::Ctrl);
    EXPECT_EQ(edit->text(), "a");
    EXPECT_EQ(h.backend.clipboardText(), "bc");
    // Pasting replaces the selection in one change and stops at a line break.
    h.backend.setClipboardText("250\nmore");
    key(Key('a'), mods::Ctrl);
    events.clear();
    key(Key('v'), mods::Ctrl);
    EXPECT_EQ(edit->text(), "250");
    EXPECT_EQ(events, std::vector<std::string>{"250"});
    // Undo, and undo again redoes.
    key(Key('z'), mods::Ctrl);
    EXPECT_EQ(edit->text(), "a");
    key(Key('z'), mods::Ctrl);
    EXPECT_EQ(edit->text(), "250");
    // Typing over a selection replaces it; control characters are not text.
    key(Key('a'), mods::Ctrl);
    h.type(form, "\t7");
    EXPECT_EQ(edit->text(), "7");
}

TEST_F(InnerEdit, TabLeavesTheEditAndAClickPlacesTheCaret) {
    auto& other = form.add<TFlatTextEdit>();
    other.setBounds(100, 10, 58, 21);
    edit->setTabOrder(0);
    other.setTabOrder(1);
    key(Key::Tab);
    EXPECT_TRUE(other.hasEditFocus());
    EXPECT_FALSE(edit->hasEditFocus());
    edit->setText("12345");
    const Rect r = inner().formRect();
    h.click(form, {r.left + 1, r.top + r.height() / 2});
    EXPECT_TRUE(edit->hasEditFocus());
    EXPECT_EQ(inner().caret(), 0);
    h.click(form, {r.right - 1, r.top + r.height() / 2});
    EXPECT_EQ(inner().caret(), 5);
}

}  // namespace
}  // namespace lymn
