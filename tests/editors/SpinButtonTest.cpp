#include "editors/TFlatSpinButton.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Error.h"
#include "tests/editors/EditorFixture.h"

namespace lymn {
namespace {

class Spin : public test::EditorFixture {
  protected:
    void SetUp() override {
        edit = &form.add<TFlatTextEdit>();
        edit->setBounds(185, 75, 58, 21);
        edit->setText("1");
        edit->properties().OnChange = [this](Control&) {
            log(edit->text());
            if (onChange) onChange();
        };
        spin = &form.add<TFlatSpinButton>();
        auto& p = spin->spinProperties();
        p.setMinValue(1);
        p.setMaxValue(200);
        p.LargeIncrement = 1;
        spin->setValue(1);
        spin->setAssociate(edit);
        show();
    }
    Point up() const { return centre(TFlatSpinButton::Button::Up); }
    Point down() const { return centre(TFlatSpinButton::Button::Down); }
    Point centre(TFlatSpinButton::Button b) const {
        const Rect r = spin->buttonRect(b).translated(spin->formRect().topLeft());
        return {r.left + r.width() / 2, r.top + r.height() / 2};
    }
    void set(const std::string& text) {
        edit->setText(text);
        events.clear();
    }
    TFlatTextEdit* edit = nullptr;
    TFlatSpinButton* spin = nullptr;
    std::function<void()> onChange;
};

TEST_F(Spin, JoinsItsEditOnTheRight) {
    EXPECT_EQ(spin->left(), 243);
    EXPECT_EQ(spin->top(), 75);
    EXPECT_EQ(spin->height(), edit->height());
    EXPECT_EQ(spin->width(), 21);
    EXPECT_FALSE(spin->acceptsFocus());
    h.click(form, up());
    EXPECT_FALSE(spin->focused());
}

TEST_F(Spin, StepsStayWithinTheBounds) {
    set("1");
    h.click(form, down());
    EXPECT_TRUE(events.empty());
    h.click(form, up());
    EXPECT_EQ(events, std::vector<std::string>{"2"});
    set("200");
    h.click(form, up());
    EXPECT_TRUE(events.empty());  // no write, no notification
    h.click(form, down());
    EXPECT_EQ(events, std::vector<std::string>{"199"});
    set("250");
    h.click(form, up());
    EXPECT_TRUE(events.empty());
    h.click(form, down());
    EXPECT_EQ(events, std::vector<std::string>{"200"});
    set("0");
    h.click(form, down());
    EXPECT_TRUE(events.empty());
    h.click(form, up());
    EXPECT_EQ(events, std::vector<std::string>{"1"});
}

TEST_F(Spin, ReadsTheLeadingNumberOfTheTextAndWritesItBackFirst) {
    set("12abc");
    h.click(form, up());
    EXPECT_EQ(events, (std::vector<std::string>{"12", "13"}));
    set("");
    h.click(form, up());
    EXPECT_EQ(events, (std::vector<std::string>{"0", "1"}));
    // After the program sets the text, the next step starts from it.
    spin->setValue(57);
    set("1");
    h.click(form, up());
    EXPECT_EQ(events, std::vector<std::string>{"2"});
}

TEST_F(Spin, ALoneMinusRaisesTheConversionErrorAndChangesNothing) {
    set("-");
    const int64_t before = spin->value();
    h.click(form, up());
    ASSERT_EQ(h.boxes.size(), 1u);
    EXPECT_EQ(h.boxes[0].text, "'-' is not a valid integer value.");
    EXPECT_EQ(edit->text(), "-");
    EXPECT_EQ(spin->value(), before);
    EXPECT_TRUE(events.empty());
    set("1-");
    EXPECT_THROW(spin->step(TFlatSpinButton::Step::Up), Error);
}

TEST_F(Spin, HoldingRepeatsAfter400MsThenEvery100Ms) {
    set("1");
    std::vector<int64_t> times;
    onChange = [&] { times.push_back(h.backend.now()); };
    h.press(form, up());
    h.app.runFor(650);
    h.release(form, up());
    EXPECT_EQ(times, (std::vector<int64_t>{0, 400, 500, 600}));
    EXPECT_EQ(edit->text(), "5");
    h.app.runFor(1000);
    EXPECT_EQ(edit->text(), "5");  // released: no more steps
    // Moving off the button while held: the ticks do nothing.
    h.press(form, up());
    h.move(form, {5, 5});
    h.app.runFor(700);
    h.release(form, {5, 5});
    EXPECT_EQ(edit->text(), "6");
}

TEST_F(Spin, ACorrectionByTheHandlerIsNotAppliedToAStep) {
    set("1");
    onChange = [&] {
        if (edit->text() == "2") edit->setText("1");
    };
    h.click(form, up());
    EXPECT_EQ(edit->text(), "2");
    EXPECT_EQ(events, std::vector<std::string>{"2"});
}

TEST_F(Spin, KeysOfTheEditArePostedToTheSpinButton) {
    set("5");
    edit->setFocus();
    h.backend.keyDown(form.window().id(), Key::Up);
    h.backend.keyUp(form.window().id(), Key::Up);
    h.app.processMessages();
    EXPECT_EQ(events, std::vector<std::string>{"6"});
    h.key(form, Key::Down);
    h.key(form, Key::PageDown);  // one large step of 1
    EXPECT_EQ(edit->text(), "4");
    // The posted step runs after the key's own handling in the edit.
    EXPECT_EQ(edit->innerEdit().caret(), 0);
}

TEST_F(Spin, AModalBoxStopsTheRepeat) {
    set("1");
    onChange = [&] { h.app.messageBox("stop"); };
    h.press(form, up());
    h.app.runFor(1000);
    h.release(form, up());
    EXPECT_EQ(events.size(), 1u);
    EXPECT_EQ(h.boxes.size(), 1u);
}

TEST(SpinBounds, ABoundCountsWhenOnlyItWasSetOrWhenTheMaximumIsAboveTheMinimum) {
    TFlatSpinButtonProperties p;
    EXPECT_FALSE(p.minDefined());
    EXPECT_FALSE(p.maxDefined());
    p.setMaxValue(10);
    EXPECT_FALSE(p.minDefined());
    EXPECT_TRUE(p.maxDefined());
    p.setMinValue(20);
    EXPECT_FALSE(p.minDefined());
    EXPECT_FALSE(p.maxDefined());
    p.setMinValue(1);
    EXPECT_TRUE(p.minDefined());
    EXPECT_TRUE(p.maxDefined());
}

}  // namespace
}  // namespace lymn
