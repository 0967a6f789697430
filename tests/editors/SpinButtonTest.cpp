#include <limits>

#include "editors/TFlatSpinButton.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Error.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/Pixels.h"

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

TEST_F(Spin, ABoxRaisedByTheFirstStepLeavesNoTimerRunning) {
    set("1");
    onChange = [&] { h.app.messageBox("stop"); };
    h.press(form, up());
    // The box took the mouse: the press is over, and nothing is left to tick.
    EXPECT_EQ(spin->pressedButton(), TFlatSpinButton::Button::None);
    EXPECT_EQ(h.app.nextTimerDue(), std::numeric_limits<int64_t>::max());
    h.release(form, up());
}

TEST_F(Spin, KeysStepOnceWhateverTheAssociationsBeforeAndNotAfterTheSpinGoes) {
    auto& other = form.add<TFlatTextEdit>();
    other.setBounds(10, 10, 58, 21);
    // Associated with another edit and back: still one step per key.
    spin->setAssociate(&other);
    spin->setAssociate(edit);
    set("5");
    edit->setFocus();
    h.key(form, Key::Up);
    EXPECT_EQ(events, std::vector<std::string>{"6"});
    // The other edit's keys no longer step anything.
    other.setFocus();
    h.key(form, Key::Up);
    EXPECT_EQ(edit->text(), "6");
    // A key whose step is still queued when the spin button goes is dropped with it.
    edit->setFocus();
    h.backend.keyDown(form.window().id(), Key::Up);
    form.removeChild(spin);
    spin = nullptr;
    h.app.processMessages();
    h.key(form, Key::Up);
    EXPECT_EQ(edit->text(), "6");
}

// The arrows' faces by state, and their triangles centred in each button.
class SpinFaces : public Spin {
  protected:
    // The rectangle of a button's face in form coordinates: its rectangle, less the delimiter
    // line above the down button.
    Rect face(TFlatSpinButton::Button b) const {
        Rect r = spin->buttonRect(b).translated(spin->formRect().topLeft());
        if (b == TFlatSpinButton::Button::Down) r.top += 1;
        return r;
    }
    const Bitmap& frame() {
        form.present();
        return form.frame();
    }
    // The ink of the triangle: pixels of the button-text colour inside r.
    Rect ink(const Rect& r, Color c = sysColor(SysColor::ButtonText)) {
        return test::inkBox(frameWithOnly(r, c), r, kNone);
    }
    // A copy of the frame where r shows only the pixels of colour c.
    Bitmap frameWithOnly(const Rect& r, Color c) {
        Bitmap b = frame();
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                if (b.color(x, y) != c) b.setColor(x, y, kNone);
        return b;
    }
    static constexpr Color kNone = Color::rgb(0xFF00FF);
    // Equal margins left and right, and above and below.
    static void expectCentred(const Rect& ink, const Rect& in) {
        EXPECT_EQ(ink.left - in.left, in.right - ink.right);
        EXPECT_EQ(ink.top - in.top, in.bottom - ink.bottom);
    }
};

TEST_F(SpinFaces, EachStateHasItsFaceAndTheTrianglesAreCentred) {
    using B = TFlatSpinButton::Button;
    const Color highlight = sysColor(SysColor::Highlight);
    const Rect up = face(B::Up), down = face(B::Down);
    const Color normal = frame().color(up.left + 1, up.top + 1);
    EXPECT_EQ(frame().color(down.left + 1, down.top + 1), normal);
    EXPECT_NE(normal, highlight);
    for (B b : {B::Up, B::Down}) {
        const Rect r = face(b), t = ink(r);
        ASSERT_FALSE(t.empty());
        EXPECT_EQ(t.width(), 5);
        EXPECT_EQ(t.height(), 3);
        expectCentred(t, r);
    }
    // Pointing up on the up button, down on the down button: the apex is one pixel wide.
    EXPECT_EQ(frame().color(ink(up).left, ink(up).top), normal);
    EXPECT_EQ(frame().color(ink(up).left + 2, ink(up).top), sysColor(SysColor::ButtonText));
    EXPECT_EQ(frame().color(ink(down).left, ink(down).bottom - 1), normal);

    // Under the mouse: another face, framed in the highlight colour.
    h.move(form, up.topLeft() + Point{5, 4});
    const Color hot = frame().color(up.left + 2, up.top + 2);
    EXPECT_NE(hot, normal);
    EXPECT_EQ(frame().color(up.left, up.top + 3), highlight);
    EXPECT_EQ(frame().color(up.right - 1, up.top + 3), highlight);
    EXPECT_EQ(frame().color(down.left + 2, down.top + 2), normal);
    const Rect centred = ink(up);

    // Pressed: a third face, still framed, the triangle one pixel right and down.
    onChange = [] {};
    h.backend.mouseDown(form.window().id(), up.topLeft() + Point{5, 4});
    h.app.processMessages();
    const Color pressed = frame().color(up.left + 2, up.top + 2);
    EXPECT_NE(pressed, hot);
    EXPECT_NE(pressed, normal);
    EXPECT_EQ(frame().color(up.left, up.top + 3), highlight);
    EXPECT_EQ(ink(up), centred.translated(1, 1));
    h.release(form, up.topLeft() + Point{5, 4});
    h.move(form, {5, 5});
    EXPECT_EQ(frame().color(up.left + 2, up.top + 2), normal);

    // Disabled: the button face colour, the triangle embossed in highlight then shadow.
    spin->setEnabled(false);
    EXPECT_EQ(frame().color(up.left + 1, up.top + 1), sysColor(SysColor::ButtonFace));
    const Rect shadow = ink(up, sysColor(SysColor::ButtonShadow));
    EXPECT_EQ(shadow, centred);
    const Rect light = ink(up, sysColor(SysColor::ButtonHighlight));
    EXPECT_EQ(light.bottom, centred.bottom + 1);
    EXPECT_EQ(light.right, centred.right + 1);
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
