#include <gtest/gtest.h>

#include <functional>

#include "platform/MessageBoxForm.h"
#include "tests/support/HeadlessApp.h"

namespace lymn {
namespace {

// A focusable control that logs what reaches it; a press on one that drags starts a caption
// move, as the title bar does.
class Logger : public Control {
  public:
    Logger(Control* parent, std::vector<std::string>* log, bool drags = false)
        : Control(parent), log_(log), drags_(drags) {
        setTabStop(true);
    }
    bool acceptsFocus() const override { return !drags_; }
    bool wantsKey(const KeyEvent& k) const override { return k.key == Key::F4; }
    bool keyDown(const KeyEvent& k) override {
        log_->push_back(name() + " key " + std::to_string(static_cast<int>(k.key)) + " " +
                        std::to_string(k.mods));
        return true;
    }
    void mouseDown(const MouseEvent&) override {
        log_->push_back(name() + " down");
        if (drags_ && form()) {
            form()->setCaptureControl(nullptr);
            form()->beginMove();
        }
    }
    void mouseUp(const MouseEvent&) override { log_->push_back(name() + " up"); }
    void focusIn() override { log_->push_back(name() + " focus"); }

  private:
    std::vector<std::string>* log_;
    bool drags_;
};

struct MainForm {
    explicit MainForm(test::HeadlessApp& h) : form(h.app) {
        form.setSize(200, 150);
        form.setPosition({100, 100});
        first = &form.add<Logger>(&log);
        first->setName("first");
        first->setBounds(10, 10, 50, 20);
        first->setTabOrder(1);
        second = &form.add<Logger>(&log);
        second->setName("second");
        second->setBounds(10, 40, 50, 20);
        second->setTabOrder(0);
        bar = &form.add<Logger>(&log, true);
        bar->setName("bar");
        bar->setBounds(0, 100, 200, 20);
        bar->setTabStop(false);
    }
    Form form;
    std::vector<std::string> log;
    Logger* first;
    Logger* second;
    Logger* bar;
};

// The next box that waits is answered with a key, after check has looked at it.
void answerNextBox(test::HeadlessApp& h, Key k, unsigned mods = 0,
                   const std::function<void(Form&)>& check = {}) {
    h.app.setIdleHandler([&h, k, mods, check] {
        Form* box = h.app.modalForm();
        ASSERT_NE(box, nullptr);
        if (check) check(*box);
        h.backend.keyDown(box->window().id(), k, mods);
    });
}

TEST(WindowManager, AFormThatAsksGivesItsFirstTabStopTheFocusAndTakesTheKeyboardWhenShown) {
    test::HeadlessApp h;
    MainForm m(h);
    m.form.setFocusFirstOnShow(true);
    m.form.show();
    // The tab order decides, not the order of creation.
    EXPECT_EQ(m.form.focusedControl(), m.second);
    EXPECT_EQ(h.backend.activeWindow(), m.form.window().id());
    // Shown again later, it keeps the focus where the user left it.
    m.first->setFocus();
    m.form.hide();
    m.form.show();
    EXPECT_EQ(m.form.focusedControl(), m.first);
    EXPECT_EQ(h.backend.window(m.form.window().id())->activations(), 2);

    // A form that does not ask leaves the focus alone, but still takes the keyboard.
    MainForm plain(h);
    plain.form.show();
    EXPECT_EQ(plain.form.focusedControl(), nullptr);
    EXPECT_EQ(h.backend.activeWindow(), plain.form.window().id());
}

TEST(WindowManager, BoxesBelongToTheWindowThatOpenedThemAndComeBackToTheFront) {
    test::HeadlessApp h;
    h.app.setBoxHandler(nullptr);  // real box windows
    MainForm m(h);
    h.app.setMainForm(&m.form);
    m.form.show();
    int idle = 0;
    std::vector<std::string> seen;
    h.app.setIdleHandler([&] {
        Form* box = h.app.modalForm();
        ASSERT_NE(box, nullptr);
        const uint32_t id = box->window().id();
        auto* backendBox = h.backend.window(id);
        if (++idle == 1) {
            // Owned by the main window, and given the keyboard when it appeared.
            EXPECT_EQ(box->ownerForm(), &m.form);
            EXPECT_EQ(backendBox->owner(), &m.form.window());
            EXPECT_EQ(h.backend.activeWindow(), id);
            // A click on the main window does not reach its controls and brings the box back.
            h.backend.mouseDown(m.form.window().id(), {20, 20});
            h.backend.mouseUp(m.form.window().id(), {20, 20});
            return;
        }
        if (idle == 2) {
            EXPECT_EQ(backendBox->activations(), 2);
            // The window manager gives the main window the focus (a click on its frame, a
            // switch of windows): the box takes it back.
            InputEvent activate;
            activate.type = InputEvent::Type::Activate;
            activate.window = m.form.window().id();
            h.backend.inject(activate);
            return;
        }
        EXPECT_EQ(backendBox->activations(), 3);
        EXPECT_EQ(h.backend.activeWindow(), id);
        seen.push_back("answered");
        h.backend.keyDown(id, Key::Enter);
    });
    h.app.messageBox("伙计,超过上限了.最高只能到200");
    EXPECT_EQ(seen, std::vector<std::string>{"answered"});
    EXPECT_EQ(idle, 3);
    EXPECT_TRUE(m.log.empty()) << m.log.front();
    // Closed, the main window's controls take clicks again.
    h.click(m.form, {20, 20});
    EXPECT_EQ(m.log, (std::vector<std::string>{"first focus", "first down", "first up"}));

    // A box before the main window is shown (an error of the creation event) has no owner.
    MainForm hidden(h);
    h.app.setMainForm(&hidden.form);
    answerNextBox(h, Key::Escape, 0, [](Form& box) { EXPECT_EQ(box.ownerForm(), nullptr); });
    h.app.errorBox("first");
    EXPECT_EQ(h.app.modalForm(), nullptr);
}

TEST(WindowManager, AltF4ClosesTheWindowBeforeAnyControlSeesIt) {
    test::HeadlessApp h;
    MainForm m(h);
    m.form.show();
    m.first->setFocus();
    m.log.clear();
    h.key(m.form, Key::F4);
    EXPECT_EQ(m.log, std::vector<std::string>{"first key " + std::to_string(int(Key::F4)) + " 0"});
    EXPECT_FALSE(m.form.closed());
    h.key(m.form, Key::F4, mods::Alt | mods::Shift);  // not the shortcut
    EXPECT_FALSE(m.form.closed());
    m.log.clear();
    h.key(m.form, Key::F4, mods::Alt);
    EXPECT_TRUE(m.form.closed());
    EXPECT_TRUE(m.log.empty());

    // A box closes the same way, as if answered.
    h.app.setBoxHandler(nullptr);
    answerNextBox(h, Key::F4, mods::Alt);
    h.app.messageBox("x");
    EXPECT_EQ(h.app.modalForm(), nullptr);
}

TEST(WindowManager, ACaptionDragGoesToTheWindowManagerOnlyOnceTheMouseMoves) {
    test::HeadlessApp h;
    MainForm m(h);
    m.form.show();
    const uint32_t id = m.form.window().id();
    auto* window = h.backend.window(id);

    // No window manager: the program moves the window itself.
    h.press(m.form, {50, 110});
    h.move(m.form, {80, 130});
    EXPECT_EQ(m.form.position(), (Point{130, 120}));
    // The pointer moves on but the desktop reports no motion to the window (it moved along):
    // the window follows all the same.
    h.backend.mouseMove(0, {200, 260});
    h.app.runFor(20);
    EXPECT_EQ(m.form.position(), (Point{150, 150}));
    h.backend.mouseMove(0, {180, 230});
    h.app.runFor(20);
    // The window moved under the pointer, which is where the press was on the window.
    h.release(m.form, {50, 110});
    EXPECT_FALSE(m.form.tracking());
    EXPECT_EQ(m.form.position(), (Point{130, 120}));
    EXPECT_EQ(window->systemMoves(), 0);

    // With one, the move is handed over at the first motion, from where the button went down.
    h.backend.setWindowManager(true);
    m.log.clear();
    h.press(m.form, {50, 110});
    EXPECT_TRUE(m.form.tracking());
    EXPECT_EQ(window->systemMoves(), 0);
    h.move(m.form, {52, 111});
    EXPECT_EQ(window->systemMoves(), 1);
    EXPECT_EQ(window->systemMoveStart(), (Point{130 + 50, 120 + 110}));
    EXPECT_FALSE(m.form.tracking());
    EXPECT_EQ(m.form.position(), (Point{130, 120}));
    // The release that ended the manager's move was its own: the bar saw the press only.
    EXPECT_EQ(m.log, std::vector<std::string>{"bar down"});
    // The manager's moves arrive as events.
    InputEvent moved;
    moved.type = InputEvent::Type::Moved;
    moved.window = id;
    moved.global = {300, 200};
    h.backend.inject(moved);
    h.app.processMessages();
    EXPECT_EQ(m.form.position(), (Point{300, 200}));
    // The next click goes where it belongs.
    h.click(m.form, {20, 20});
    EXPECT_EQ(m.log,
              (std::vector<std::string>{"bar down", "first focus", "first down", "first up"}));

    // A press and release without motion starts nothing the manager would wait on.
    h.press(m.form, {50, 110});
    h.release(m.form, {50, 110});
    EXPECT_EQ(window->systemMoves(), 1);
    EXPECT_FALSE(m.form.tracking());
}

}  // namespace
}  // namespace lymn
