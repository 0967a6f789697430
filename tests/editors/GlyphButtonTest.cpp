#include "editors/LightColors.h"
#include "editors/TFlatButton.h"
#include "tests/editors/EditorFixture.h"

namespace lymn {
namespace {

class Glyph : public test::EditorFixture {
  protected:
    void SetUp() override {
        button = &form.add<TFlatButton>();
        button->setBounds(146, 17, 23, 12);
        button->onClick = [this](Control&) { log("click"); };
        show();
    }
    TFlatButton* button = nullptr;
};

TEST_F(Glyph, ClicksOnReleaseOverItOnly) {
    h.click(form, {150, 20});
    EXPECT_EQ(events.size(), 1u);
    EXPECT_TRUE(button->focused());
    // Pressed, moved off, released outside: no click, and it is not shown pressed off it.
    h.press(form, {150, 20});
    EXPECT_EQ(button->state(), TFlatButton::State::Pressed);
    h.move(form, {300, 200});
    EXPECT_NE(button->state(), TFlatButton::State::Pressed);
    h.release(form, {300, 200});
    EXPECT_EQ(events.size(), 1u);
    // Space pressed and released.
    h.backend.keyDown(form.window().id(), Key::Space);
    h.app.processMessages();
    EXPECT_EQ(button->state(), TFlatButton::State::Pressed);
    EXPECT_EQ(events.size(), 1u);
    h.backend.keyUp(form.window().id(), Key::Space);
    h.app.processMessages();
    EXPECT_EQ(events.size(), 2u);
}

TEST_F(Glyph, StatesFillWithTheLightColours) {
    EXPECT_EQ(lightSelectionColor(), Color::rgb(0xB7BFD4));
    EXPECT_EQ(lightDownedSelectionColor(), Color::rgb(0x8893B1));
    EXPECT_EQ(lightSelectionColor(colors::white, Color::rgb(0x0A246A), colors::white),
              Color::rgb(0x0A246A));
    EXPECT_EQ(button->state(), TFlatButton::State::Normal);
    EXPECT_EQ(button->fillColor(), sysColor(SysColor::ButtonFace));
    h.move(form, {150, 20});
    EXPECT_EQ(button->state(), TFlatButton::State::Hot);
    EXPECT_EQ(button->fillColor(), Color::rgb(0xB7BFD4));
    h.press(form, {150, 20});
    EXPECT_EQ(button->fillColor(), Color::rgb(0x8893B1));
    h.release(form, {150, 20});
    h.move(form, {300, 200});
    EXPECT_EQ(button->state(), TFlatButton::State::Default);  // it has the focus now
    button->setEnabled(false);
    EXPECT_EQ(button->state(), TFlatButton::State::Disabled);
}

}  // namespace
}  // namespace lymn
