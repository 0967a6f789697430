#include <gtest/gtest.h>

#include <limits>

#include "platform/ButtonBehavior.h"
#include "tests/support/HeadlessApp.h"

namespace lymn {
namespace {

// A bare control whose one button behaviour logs what it reports.
class Pad : public Control {
  public:
    Pad(Control* parent, ButtonPolicy policy) : Control(parent), button(*this, policy, 7) {
        button.onClick = [this] { log.push_back(button.pressed() ? "click(pressed)" : "click"); };
        button.onPress = [this] { log.push_back("press"); };
        button.onRelease = [this] { log.push_back("release"); };
        button.onLeave = [this] { log.push_back("leave"); };
        button.onRepeat = [this] {
            log.push_back("repeat@" + std::to_string(application()->backend().now()));
        };
    }
    void timer(int id) override { button.timer(id); }
    ButtonBehavior button;
    std::vector<std::string> log;
};

struct Rig {
    explicit Rig(ButtonPolicy policy) : form(h.app) {
        form.setSize(100, 100);
        pad = &form.add<Pad>(policy);
        pad->setBounds(10, 10, 50, 20);
        form.show();
        h.app.processMessages();
    }
    bool timerLeft() const { return h.app.nextTimerDue() != std::numeric_limits<int64_t>::max(); }
    test::HeadlessApp h;
    Form form;
    Pad* pad;
};

TEST(ButtonBehavior, TheFlatWayThePressFollowsThePointerAndTheClickComesAfterTheRelease) {
    Rig r{ButtonPolicy{}};
    ButtonBehavior& b = r.pad->button;
    b.pointerEntered();
    EXPECT_TRUE(b.hovered());
    b.mousePressed();
    EXPECT_TRUE(b.pressed());
    b.mouseMoved(false);
    EXPECT_FALSE(b.pressed());
    EXPECT_TRUE(b.held());
    b.mouseMoved(true);
    EXPECT_TRUE(b.pressed());
    b.mouseReleased(true);
    EXPECT_FALSE(b.held());
    EXPECT_EQ(r.pad->log, (std::vector<std::string>{"press", "release", "click"}));
    // Released off the button: no click; a release without a press does nothing.
    r.pad->log.clear();
    b.mousePressed();
    b.mouseReleased(false);
    b.mouseReleased(true);
    EXPECT_EQ(r.pad->log, (std::vector<std::string>{"press", "release"}));
    // Space presses and its release clicks; Enter does nothing; losing the focus ends a key
    // press but not a mouse press.
    r.pad->log.clear();
    EXPECT_FALSE(b.keyPressed(Key::Enter));
    EXPECT_TRUE(b.keyPressed(Key::Space));
    EXPECT_TRUE(b.pressed());
    b.focusLost();
    EXPECT_FALSE(b.pressed());
    EXPECT_FALSE(b.keyReleased(Key::Space));
    b.mousePressed();
    b.focusLost();
    EXPECT_TRUE(b.pressed());
    b.captureLost();
    EXPECT_FALSE(b.pressed());
    EXPECT_FALSE(b.held());
    EXPECT_EQ(r.pad->log, (std::vector<std::string>{"press"}));
    // No repeat in this way.
    EXPECT_FALSE(r.timerLeft());
}

TEST(ButtonBehavior, TheSkinnedWayAPressEndsOffTheButtonAndTheClickRunsWhilePressed) {
    ButtonPolicy p;
    p.enterPresses = true;
    p.pressEndsOffButton = true;
    p.releaseAloneClicks = true;
    p.clickBeforeRelease = true;
    p.anyPressClicksOnKeyRelease = true;
    p.repeatDelay = p.repeatInterval = 100;
    Rig r{p};
    ButtonBehavior& b = r.pad->button;
    b.pointerEntered();
    b.mousePressed();
    r.h.app.runFor(350);
    b.mouseReleased(true);
    EXPECT_EQ(r.pad->log, (std::vector<std::string>{"press", "repeat@100", "repeat@200",
                                                    "repeat@300", "click(pressed)", "release"}));
    EXPECT_FALSE(r.timerLeft());
    // Off the button the press is over for good, though the repeat goes on until the release.
    r.pad->log.clear();
    b.mousePressed();
    b.mouseMoved(false);
    EXPECT_FALSE(b.pressed());
    EXPECT_FALSE(b.hovered());
    b.mouseMoved(true);
    EXPECT_FALSE(b.pressed());
    EXPECT_TRUE(r.timerLeft());
    // Leaving stops the repeat; a release over it still clicks.
    b.pointerLeft();
    EXPECT_FALSE(r.timerLeft());
    b.pointerEntered();
    b.mouseReleased(true);
    EXPECT_EQ(r.pad->log, (std::vector<std::string>{"press", "leave", "click", "release"}));
    // Enter presses too; a key release clicks while the button shows pressed, by any press.
    r.pad->log.clear();
    EXPECT_TRUE(b.keyPressed(Key::Enter));
    EXPECT_TRUE(b.keyReleased(Key::Enter));
    b.mousePressed();
    EXPECT_TRUE(b.keyReleased(Key::Space));
    b.captureLost();
    EXPECT_EQ(r.pad->log, (std::vector<std::string>{"click", "press", "click"}));
    EXPECT_FALSE(r.timerLeft());
}

TEST(ButtonBehavior, TheDialogWayEnterClicksAtOnce) {
    ButtonPolicy p;
    p.enterClicks = true;
    Rig r{p};
    EXPECT_TRUE(r.pad->button.keyPressed(Key::Enter));
    EXPECT_FALSE(r.pad->button.pressed());
    EXPECT_EQ(r.pad->log, std::vector<std::string>{"click"});
}

TEST(ButtonBehavior, ARepeatWaitsItsFirstDelayAndNoTimerOutlivesALostPress) {
    ButtonPolicy p;
    p.repeatDelay = 400;
    p.repeatInterval = 100;
    Rig r{p};
    ButtonBehavior& b = r.pad->button;
    b.mousePressed();
    r.h.app.runFor(650);
    b.mouseReleased(true);
    EXPECT_EQ(r.pad->log, (std::vector<std::string>{"press", "repeat@400", "repeat@500",
                                                    "repeat@600", "release", "click"}));
    // The press's own work takes the mouse away (a box): the repeat never runs.
    r.pad->log.clear();
    b.onPress = [&b] { b.captureLost(); };
    b.mousePressed();
    EXPECT_FALSE(r.timerLeft());
    EXPECT_FALSE(b.pressed());
    r.h.app.runFor(1000);
    EXPECT_TRUE(r.pad->log.empty());
    // Lost while held and repeating: stopped.
    b.onPress = nullptr;
    b.mousePressed();
    r.h.app.runFor(450);
    b.captureLost();
    EXPECT_FALSE(r.timerLeft());
    EXPECT_EQ(r.pad->log, std::vector<std::string>{"repeat@2050"});
}

TEST(ButtonBehavior, StateChangesRepaintTheOwnerAndNothingElseDoes) {
    Rig r{ButtonPolicy{}};
    ButtonBehavior& b = r.pad->button;
    r.h.app.processMessages();
    b.mouseMoved(true);  // not held: nothing changes
    b.focusLost();
    EXPECT_FALSE(r.form.dirty());
    b.pointerEntered();
    EXPECT_TRUE(r.form.dirty());
    r.h.app.processMessages();
    b.pointerEntered();
    EXPECT_FALSE(r.form.dirty());
}

}  // namespace
}  // namespace lymn
