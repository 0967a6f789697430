#include "editors/TFlatDropDownList.h"
#include "editors/TFlatImageComboBox.h"
#include "tests/editors/EditorFixture.h"

namespace lymn {
namespace {

class Combo : public test::EditorFixture {
  protected:
    void SetUp() override {
        for (int i = 0; i < 9; ++i) images.add(Bitmap(32, 32, Color::rgb(0x101010 * i)));
        box = &form.add<TFlatImageComboBox>();
        box->setBounds(20, 25, 185, 34);
        auto& p = box->comboProperties();
        p.Images = &images;
        p.addItem("选择职业", EditValue("0"), 0);
        const char* names[] = {"金刚力士", "罗刹力士", "掌电法师",   "控火法师",
                               "驭剑游侠", "奇门游侠", "天君符咒师", "幽冥符咒师"};
        const char* codes[] = {"jg", "lc", "zd", "kh", "yj", "qm", "tj", "ym"};
        for (int i = 0; i < 8; ++i) p.addItem(names[i], EditValue(codes[i]), i + 1);
        p.OnChange = [this](Control&) { log("change " + std::to_string(box->ItemIndex())); };
        form.setLoading(true);
        box->SetEditValue(EditValue("0"));
        form.finishLoading();
        show();
        box->setFocus();
    }
    Point rowCentre(int i) {
        const Rect r = box->list()->rowRect(i);
        return {r.left + r.width() / 2, r.top + r.height() / 2};
    }
    TFlatImageList images{32, 32};
    TFlatImageComboBox* box = nullptr;
};

TEST_F(Combo, StartsOnTheItemOfItsValueWithoutNotifying) {
    EXPECT_EQ(box->ItemIndex(), 0);
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(box->height(), 34);
    // A value no item has: no item.
    box->SetEditValue(EditValue("xx"));
    EXPECT_EQ(box->ItemIndex(), -1);
    EXPECT_EQ(events, std::vector<std::string>{"change -1"});
}

TEST_F(Combo, PickingRaisesTheChangeOnlyForANewValueWithTheNewIndexAlreadySet) {
    box->pick(0);
    EXPECT_TRUE(events.empty());
    box->pick(5);
    EXPECT_EQ(events, std::vector<std::string>{"change 5"});
    EXPECT_TRUE(box->ModifiedAfterEnter);
    box->pick(5);
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(Combo, DownKeysStepThroughTheItemsAndStopAtTheLast) {
    for (int i = 0; i < 10; ++i) h.key(form, Key::Down);
    EXPECT_EQ(events, (std::vector<std::string>{"change 1", "change 2", "change 3", "change 4",
                                                "change 5", "change 6", "change 7", "change 8"}));
    events.clear();
    h.key(form, Key::PageUp);  // 8 rows: up by 7
    EXPECT_EQ(box->ItemIndex(), 1);
    h.key(form, Key::Home);
    EXPECT_EQ(box->ItemIndex(), 0);
    h.key(form, Key::End);
    EXPECT_EQ(box->ItemIndex(), 8);
    h.key(form, Key::PageUp, mods::Ctrl);
    EXPECT_EQ(box->ItemIndex(), 0);
    h.key(form, Key::Up);
    EXPECT_EQ(events.size(), 4u);  // stays on the first, no change
}

TEST_F(Combo, TheListOpensByClickAltDownOrF4AndAClickOnARowPicksIt) {
    h.click(form, {100, 40});
    ASSERT_TRUE(box->droppedDown());
    TFlatDropDownList& list = *box->list();
    EXPECT_EQ(list.rowHeight(), 34);
    EXPECT_EQ(list.visibleRows(), 8);
    EXPECT_EQ(list.height(), 8 * 34 + 2);
    EXPECT_EQ(list.width(), 185);
    EXPECT_TRUE(list.scrollBar()->visible());  // nine items in eight rows
    // Under the box on the screen.
    EXPECT_EQ(list.position(), (form.position() + Point{20, 59}));
    EXPECT_EQ(list.highlighted(), 0);
    // The highlight follows the mouse; that is no pick.
    h.move(list, rowCentre(3));
    EXPECT_EQ(list.highlighted(), 3);
    EXPECT_TRUE(events.empty());
    h.click(list, rowCentre(3));
    EXPECT_FALSE(box->droppedDown());
    EXPECT_EQ(events, std::vector<std::string>{"change 3"});

    h.key(form, Key::Down, mods::Alt);
    EXPECT_TRUE(box->droppedDown());
    h.key(form, Key::F4);  // closes, picking the highlighted row
    EXPECT_FALSE(box->droppedDown());
    EXPECT_EQ(events.size(), 1u);
    h.key(form, Key::F4);
    EXPECT_TRUE(box->droppedDown());
    h.key(form, Key::Up, mods::Alt);
    EXPECT_FALSE(box->droppedDown());
}

TEST_F(Combo, AltF4IsTheWindowsCloseShortcutNotTheListKey) {
    const KeyEvent altF4{Key::F4, mods::Alt};
    EXPECT_FALSE(box->wantsKey(altF4));
    EXPECT_FALSE(box->keyDown(altF4));
    EXPECT_FALSE(box->droppedDown());
    // Through the window, the shortcut closes the window and nothing else.
    h.key(form, Key::F4, mods::Alt);
    EXPECT_FALSE(box->droppedDown());
    EXPECT_TRUE(form.closed());
    EXPECT_TRUE(events.empty());
}

TEST_F(Combo, EnterAndTabPickTheHighlightedRowEscapeDoesNot) {
    h.key(form, Key::F4);
    h.key(form, Key::Down);
    h.key(form, Key::Down);
    EXPECT_EQ(box->list()->highlighted(), 2);
    EXPECT_TRUE(events.empty());  // moving in the open list picks nothing
    h.key(form, Key::Escape);
    EXPECT_FALSE(box->droppedDown());
    EXPECT_EQ(box->ItemIndex(), 0);
    h.key(form, Key::F4);
    h.key(form, Key::End);
    h.key(form, Key::Enter);
    EXPECT_EQ(box->ItemIndex(), 8);
    h.key(form, Key::F4);
    h.move(*box->list(), rowCentre(box->list()->topIndex()));
    const int row = box->list()->highlighted();
    h.key(form, Key::Tab);
    EXPECT_FALSE(box->droppedDown());
    EXPECT_EQ(box->ItemIndex(), row);
}

TEST_F(Combo, APressOutsideTheOpenListClosesItWithoutAPick) {
    h.click(form, {100, 40});
    ASSERT_TRUE(box->droppedDown());
    h.move(*box->list(), rowCentre(4));
    h.click(form, {300, 200});
    EXPECT_FALSE(box->droppedDown());
    EXPECT_EQ(box->ItemIndex(), 0);
    // A click on the box itself while open closes it too.
    h.click(form, {100, 40});
    h.click(form, {100, 40});
    EXPECT_FALSE(box->droppedDown());
    EXPECT_TRUE(events.empty());
}

TEST_F(Combo, LosingTheFocusToAnotherProgramClosesTheListButNotToTheListItself) {
    h.click(form, {100, 40});
    ASSERT_TRUE(box->droppedDown());
    auto focus = [&](Form& f, InputEvent::Type t) {
        InputEvent e;
        e.type = t;
        e.window = f.window().id();
        h.backend.inject(e);
        h.app.processMessages();
    };
    // The list takes the focus as it appears: it stays open, and keys still reach the box.
    focus(form, InputEvent::Type::Deactivate);
    focus(*box->list(), InputEvent::Type::Activate);
    h.app.runFor(200);
    EXPECT_TRUE(box->droppedDown());
    h.backend.keyDown(box->list()->window().id(), Key::Down);
    h.app.processMessages();
    EXPECT_EQ(box->list()->highlighted(), 1);
    // Another program takes it: the list closes without a pick.
    focus(*box->list(), InputEvent::Type::Deactivate);
    h.app.runFor(200);
    EXPECT_FALSE(box->droppedDown());
    EXPECT_TRUE(events.empty());
}

TEST_F(Combo, TheScrollBarAndTheWheelScrollTheList) {
    h.click(form, {100, 40});
    TFlatDropDownList& list = *box->list();
    EXPECT_TRUE(list.rowRect(8).empty());
    TFlatScrollBar& bar = *list.scrollBar();
    const Rect arrow = bar.downArrow().translated(bar.bounds().topLeft());
    h.click(list, {arrow.left + 8, arrow.top + 8});
    EXPECT_EQ(list.topIndex(), 1);
    EXPECT_FALSE(list.rowRect(8).empty());
    h.backend.wheel(list.window().id(), 1);
    h.app.processMessages();
    EXPECT_EQ(list.topIndex(), 0);
}

}  // namespace
}  // namespace lymn
