#include <gtest/gtest.h>

#include "skin/SliceDraw.h"
#include "skin/TSkinButton.h"
#include "skin/TSkinImagePanel.h"
#include "skin/ThemeTable.h"
#include "tests/support/HeadlessApp.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

class SkinButton : public ::testing::Test {
  protected:
    SkinButton() : form(h.app) {
        form.setSize(300, 200);
        form.setFont({"MS Sans Serif", 11, false, colors::black});
        button = &form.add<TSkinButton>();
        button->setUIStyle(TSkinUIStyle::Pinstripe);
        button->setBounds(94, 100, 80, 23);
        button->setCaption("截  图");
        button->onClick = [this](Control&) { log.push_back("click"); };
        button->OnMouseContinuouslyDown = [this](Control&) { log.push_back("tick"); };
        other = &form.add<TSkinButton>();
        other->setUIStyle(TSkinUIStyle::Pinstripe);
        other->setBounds(200, 100, 80, 23);
        form.show();
    }
    Point inside() const { return {130, 110}; }
    test::HeadlessApp h;
    Form form;
    TSkinButton* button;
    TSkinButton* other;
    std::vector<std::string> log;
};

TEST_F(SkinButton, PressMoveOffMoveBackReleaseClicksOnce) {
    h.press(form, inside());
    EXPECT_TRUE(button->pressed());
    EXPECT_EQ(button->statePicture(), "PINSTRIPE_BUTTON_MOUSEDOWN");
    h.move(form, {20, 20});
    EXPECT_FALSE(button->pressed());
    EXPECT_EQ(button->statePicture(), "PINSTRIPE_BUTTON_NORMAL");
    h.move(form, inside());
    // Back over it: the mouse-over picture, not the pressed one.
    EXPECT_EQ(button->statePicture(), "PINSTRIPE_BUTTON_MOUSEON");
    h.release(form, inside());
    EXPECT_EQ(log, std::vector<std::string>{"click"});
}

TEST_F(SkinButton, ReleasingOutsideDoesNotClick) {
    h.press(form, inside());
    h.move(form, {20, 20});
    h.release(form, {20, 20});
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(button->statePicture(), "PINSTRIPE_BUTTON_NORMAL");
}

TEST_F(SkinButton, HoldingTicksEvery100MsAndClicksOnRelease) {
    h.press(form, inside());
    h.app.runFor(350);
    h.release(form, inside());
    EXPECT_EQ(log, (std::vector<std::string>{"tick", "tick", "tick", "click"}));
    EXPECT_FALSE(button->repeating());
    // Two quick clicks are two clicks.
    log.clear();
    h.click(form, inside());
    h.click(form, inside());
    EXPECT_EQ(log, (std::vector<std::string>{"click", "click"}));
}

TEST_F(SkinButton, TheClickRunsWhileTheButtonIsStillPressed) {
    bool pressedInClick = false;
    button->onClick = [&](Control&) { pressedInClick = button->pressed(); };
    h.click(form, inside());
    EXPECT_TRUE(pressedInClick);
    EXPECT_FALSE(button->pressed());
}

TEST_F(SkinButton, FocusLineSpaceAndEnter) {
    button->setTabOrder(0);
    other->setTabOrder(1);
    h.key(form, Key::Tab);
    ASSERT_TRUE(button->focused());
    h.app.processMessages();
    const Bitmap& f = form.frame();
    // The blue line 5 pixels above the bottom, from x 10 to 69.
    const int y = 100 + 23 - 5;
    for (int x = 10; x < 70; ++x) EXPECT_EQ(f.color(94 + x, y), Color::rgb(0x0000FF)) << x;
    EXPECT_NE(f.color(94 + 70, y), Color::rgb(0x0000FF));
    EXPECT_NE(f.color(94 + 9, y), Color::rgb(0x0000FF));
    h.backend.keyDown(form.window().id(), Key::Space);
    h.app.processMessages();
    EXPECT_TRUE(button->pressed());
    EXPECT_TRUE(log.empty());
    h.backend.keyUp(form.window().id(), Key::Space);
    h.app.processMessages();
    h.key(form, Key::Enter);
    EXPECT_EQ(log, (std::vector<std::string>{"click", "click"}));
}

TEST_F(SkinButton, ADisabledButtonShowsTheNormalPictureAGreyCaptionAndIgnoresInput) {
    button->setEnabled(false);
    h.click(form, inside());
    button->setFocus();
    h.key(form, Key::Space);
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(button->statePicture(), "PINSTRIPE_BUTTON_NORMAL");
    h.app.processMessages();
    const Bitmap& f = form.frame();
    EXPECT_GT(test::countColor(f, button->formRect(), Color::rgb(0x808080)), 10);
}

TEST_F(SkinButton, PinstripeKeepsItsHeightAt23) {
    button->setHeight(27);
    EXPECT_EQ(button->bounds(), Rect::xywh(94, 100, 80, 23));
    button->setBounds(10, 10, 100, 27);
    EXPECT_EQ(button->bounds(), Rect::xywh(94, 100, 80, 23));
    button->setWidth(100);
    EXPECT_EQ(button->width(), 100);
    button->setUIStyle(TSkinUIStyle::Glass);
    EXPECT_TRUE(button->Transparent());
    button->setHeight(27);
    EXPECT_EQ(button->height(), 27);
}

// The box around the pixels of exactly one colour inside r.
Rect boxOf(const Bitmap& b, const Rect& r, Color c) {
    Rect box;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            if (b.color(x, y) == c) box = box.united(Rect::xywh(x, y, 1, 1));
    return box;
}

TEST_F(SkinButton, TheCaptionIsCentredMovesWithThePressAndIsEmbossedWhenDisabled) {
    const Rect area = button->formRect();
    h.app.processMessages();
    const Rect ink = boxOf(form.frame(), area, colors::black);
    ASSERT_FALSE(ink.empty());
    EXPECT_NEAR(ink.left + ink.right, 2 * (94 + 40), 3);
    EXPECT_NEAR(ink.top + ink.bottom, 2 * (100 + 11), 4);
    // Pressed: the caption one pixel right and down.
    h.press(form, inside());
    h.app.processMessages();
    EXPECT_EQ(boxOf(form.frame(), area, colors::black), ink.translated(1, 1));
    h.release(form, {20, 20});
    // Disabled: grey at its place over white one pixel right and down, no black left.
    button->setEnabled(false);
    h.app.processMessages();
    EXPECT_TRUE(boxOf(form.frame(), area, colors::black).empty());
    EXPECT_EQ(boxOf(form.frame(), area, Color::rgb(0x808080)), ink);
    const Rect white = boxOf(form.frame(), ink.translated(1, 1), colors::white);
    EXPECT_EQ(white.right, ink.right + 1);
    EXPECT_EQ(white.bottom, ink.bottom + 1);
}

TEST_F(SkinButton, ANewStyleOrPictureNameShowsItsPictureAtTheNextPaint) {
    // The button's corner pixels, away from the caption, against the picture drawn by hand.
    auto expectSliced = [&](const char* name) {
        Bitmap picture;
        LoadThemeBitmap(picture, name);
        Bitmap expected(80, 23, form.color());
        Canvas c(expected);
        SliceDraw(picture, c, {0, 0, 80, 23}, false);
        h.app.processMessages();
        for (auto [x, y] : {std::pair{0, 0}, {4, 3}, {79, 0}, {76, 21}, {0, 22}, {40, 1}})
            EXPECT_EQ(form.frame().color(94 + x, 100 + y), expected.color(x, y))
                << name << " " << x << "," << y;
    };
    expectSliced("PINSTRIPE_BUTTON_NORMAL");
    button->setUIStyle(TSkinUIStyle::Navy);
    expectSliced("NAVY_BUTTON_NORMAL");
    h.move(form, inside());
    expectSliced("NAVY_BUTTON_MOUSEON");
    // A Custom picture is drawn unscaled from the top-left corner.
    button->setPicMouseOnResName("GLASS_BUTTON_MOUSEON");
    h.app.processMessages();
    Bitmap glass;
    LoadThemeBitmap(glass, "GLASS_BUTTON_MOUSEON");
    for (auto [x, y] : {std::pair{0, 0}, {5, 5}, {76, 22}})
        EXPECT_EQ(form.frame().color(94 + x, 100 + y), glass.color(x, y)) << x << "," << y;
}

TEST_F(SkinButton, CustomPicturesAndAutoSize) {
    button->setPicNormalResName("GLASS_BUTTON_NORMAL");
    EXPECT_EQ(button->UIStyle(), TSkinUIStyle::Custom);
    button->setAutoSize(true);
    EXPECT_EQ(button->bounds().size(), (Size{77, 27}));
    button->setPicNormalResName("MISSING_PICTURE");
    EXPECT_EQ(button->bounds().size(), (Size{74, 21}));
}

TEST(ImagePanel, DrawStylesAndCaption) {
    test::HeadlessApp h;
    Form form(h.app);
    form.setSize(438, 489);
    auto& panel = form.add<TSkinImagePanel>();
    panel.setBounds(0, 0, 438, 489);
    Bitmap picture(100, 100, Color::rgb(0x336699));
    picture.setColor(0, 0, Color::rgb(0xFF0000));
    panel.setPicture(picture);
    panel.setDrawStyle(TSkinDrawStyle::skinTile);
    form.show();
    // Five by five copies, the last ones clipped.
    EXPECT_EQ(test::countColor(form.frame(), form.clientRect(), Color::rgb(0xFF0000)), 25);
    EXPECT_EQ(form.frame().color(400, 400), Color::rgb(0xFF0000));
    panel.setDrawStyle(TSkinDrawStyle::skinNormal);
    h.app.processMessages();
    EXPECT_EQ(form.frame().color(150, 150), panel.color());  // beyond the picture: the colour
    panel.setDrawStyle(TSkinDrawStyle::skinStretch);
    h.app.processMessages();
    EXPECT_EQ(form.frame().color(150, 150), Color::rgb(0x336699));
    // A caption of spaces is not drawn; a real one is, centred.
    panel.setDrawStyle(TSkinDrawStyle::skinNormal);
    panel.setPicture(Bitmap());
    panel.setCaption("   ");
    h.app.processMessages();
    EXPECT_TRUE(test::allColor(form.frame(), form.clientRect(), panel.color()));
    panel.setCaption("说明");
    h.app.processMessages();
    const Rect ink = test::inkBox(form.frame(), form.clientRect(), panel.color());
    EXPECT_NEAR(ink.left + ink.right, 2 * 219, 6);
    EXPECT_NEAR(ink.top + ink.bottom, 2 * 244, 8);
    // Automatic size follows the picture unless the alignment fixes that side.
    panel.setPicture(picture);
    panel.setAutoSize(true);
    EXPECT_EQ(panel.bounds().size(), (Size{100, 100}));
}

}  // namespace
}  // namespace lymn
