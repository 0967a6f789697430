#include <algorithm>

#include <gtest/gtest.h>

#include "platform/DialogButton.h"
#include "platform/MessageBoxForm.h"
#include "tests/support/HeadlessApp.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

// A focusable box that logs its events and paints its colour.
class Probe : public Control {
  public:
    Probe(Control* parent, std::vector<std::string>* log, bool focusable = true)
        : Control(parent), log_(log), focusable_(focusable) {
        setTabStop(focusable);
    }
    bool acceptsFocus() const override { return focusable_; }
    void paint(Canvas& c) override { c.fillRect(clientRect(), color()); }
    void mouseDown(const MouseEvent& e) override { record("down", e.pos); }
    void mouseUp(const MouseEvent& e) override { record("up", e.pos); }
    void mouseEnter() override { log_->push_back(name() + " enter"); }
    void mouseLeave() override { log_->push_back(name() + " leave"); }
    void focusIn() override { log_->push_back(name() + " focus"); }
    void focusOut() override { log_->push_back(name() + " blur"); }

  private:
    void record(const char* what, Point p) {
        log_->push_back(name() + " " + what + " " + std::to_string(p.x) + "," +
                        std::to_string(p.y));
    }
    std::vector<std::string>* log_;
    bool focusable_;
};

TEST(Form, ChildrenPaintOverTheirParentsInZOrder) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(40, 30);
    std::vector<std::string> log;
    auto& a = f.add<Probe>(&log);
    a.setBounds(0, 0, 20, 20);
    a.setColor(Color::rgb(0xFF0000));
    auto& b = f.add<Probe>(&log);
    b.setBounds(10, 10, 20, 20);
    b.setColor(Color::rgb(0x00FF00));
    auto& inner = b.add<Probe>(&log);
    inner.setBounds(15, 15, 20, 20);  // sticks out of b: clipped to b
    inner.setColor(Color::rgb(0x0000FF));
    f.show();
    const Bitmap& fr = f.frame();
    EXPECT_EQ(fr.color(5, 5), Color::rgb(0xFF0000));
    EXPECT_EQ(fr.color(15, 15), Color::rgb(0x00FF00));
    EXPECT_EQ(fr.color(27, 27), Color::rgb(0x0000FF));
    EXPECT_EQ(fr.color(35, 5), sysColor(SysColor::ButtonFace));
    EXPECT_EQ(test::countColor(fr, fr.rect(), Color::rgb(0x0000FF)), 25);
    a.bringToFront();
    h.app.processMessages();
    EXPECT_EQ(f.frame().color(15, 15), Color::rgb(0xFF0000));
    b.setVisible(false);
    h.app.processMessages();
    EXPECT_EQ(f.frame().color(25, 25), sysColor(SysColor::ButtonFace));
}

TEST(Form, HooksSeeTheHitTestAfterTheFormAndMayChangeIt) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(100, 80);
    EXPECT_EQ(f.hitTest({50, 40}), HitTest::Client);
    const int id = f.addHook([](FormMessage& m) {
        if (m.kind == FormMessage::Kind::HitTest && m.result == HitTest::Client && m.pos.x < 2)
            m.result = HitTest::Left;
    });
    EXPECT_EQ(f.hitTest({1, 40}), HitTest::Left);
    EXPECT_EQ(f.hitTest({50, 40}), HitTest::Client);
    f.removeHook(id);
    EXPECT_EQ(f.hitTest({1, 40}), HitTest::Client);
}

TEST(Form, BorderDragResizesWithinTheMinimumAndCaptionDragMoves) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(440, 535);
    f.setPosition({100, 100});
    f.setMinimumSize({130, 50});
    f.addHook([&f](FormMessage& m) {
        if (m.kind != FormMessage::Kind::HitTest) return;
        if (m.pos.x < 1)
            m.result = HitTest::Left;
        else if (m.pos.y >= f.height() - 1)
            m.result = HitTest::Bottom;
    });
    f.show();
    // The border shows the resize cursor.
    h.move(f, {0, 200});
    EXPECT_EQ(h.backend.window(f.window().id())->cursor(), Cursor::SizeWE);
    // Dragging the left border far to the right stops at the minimum width.
    h.press(f, {0, 200});
    h.move(f, {400, 200});
    EXPECT_EQ(f.width(), 130);
    EXPECT_EQ(f.screenBounds().right, 540);  // the right edge stays
    h.release(f, {0, 200});
    EXPECT_FALSE(f.tracking());
    // Dragging the bottom border up stops at 50.
    h.press(f, {10, 534});
    h.move(f, {10, 0});
    EXPECT_EQ(f.height(), 50);
    h.release(f, {10, 0});
    // A caption press moves the window with the mouse.
    const Point before = f.position();
    h.backend.mouseMove(f.window().id(), {60, 10});
    h.app.processMessages();
    f.beginMove();
    h.move(f, {80, 25});
    EXPECT_EQ(f.position(), (before + Point{20, 15}));
    h.release(f, {80, 25});
    EXPECT_FALSE(f.tracking());
}

TEST(Form, MouseGoesToTheControlUnderItAndStaysWithItWhilePressed) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(100, 100);
    std::vector<std::string> log;
    auto& a = f.add<Probe>(&log);
    a.setName("a");
    a.setBounds(10, 10, 20, 20);
    auto& b = f.add<Probe>(&log, false);
    b.setName("b");
    b.setBounds(50, 10, 20, 20);
    f.show();
    h.move(f, {15, 15});
    h.press(f, {15, 15});
    h.move(f, {55, 15});  // leaves a for b while a holds the mouse
    h.release(f, {55, 15});
    EXPECT_EQ(log, (std::vector<std::string>{"a enter", "a focus", "a down 5,5", "a leave",
                                             "b enter", "a up 45,5"}));
    log.clear();
    // b takes no focus: a keeps it.
    h.click(f, {55, 15});
    EXPECT_EQ(log, (std::vector<std::string>{"b down 5,5", "b up 5,5"}));
    EXPECT_TRUE(a.focused());
    // A disabled control gets no mouse buttons.
    log.clear();
    b.setEnabled(false);
    h.click(f, {55, 15});
    for (auto& l : log) EXPECT_EQ(l.find("down"), std::string::npos) << l;
    EXPECT_TRUE(a.focused());
}

TEST(Form, AControlStaysHoveredWhileThePointerIsOverOneOfItsChildren) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(100, 100);
    std::vector<std::string> log;
    auto& outer = f.add<Probe>(&log, false);
    outer.setName("outer");
    outer.setBounds(10, 10, 60, 60);
    auto& inner = outer.add<Probe>(&log, false);
    inner.setName("inner");
    inner.setBounds(10, 10, 20, 20);  // (20, 20) to (40, 40) of the form
    auto& other = f.add<Probe>(&log, false);
    other.setName("other");
    other.setBounds(80, 10, 10, 10);
    f.show();
    // Straight onto the child: the parent first, then the child.
    h.move(f, {25, 25});
    EXPECT_EQ(log, (std::vector<std::string>{"outer enter", "inner enter"}));
    EXPECT_TRUE(outer.mouseInside());
    EXPECT_TRUE(inner.mouseInside());
    // Out of the child onto the parent's own pixels and back: the parent hears nothing.
    log.clear();
    h.move(f, {15, 15});
    EXPECT_TRUE(outer.mouseInside());
    EXPECT_FALSE(inner.mouseInside());
    h.move(f, {25, 25});
    EXPECT_EQ(log, (std::vector<std::string>{"inner leave", "inner enter"}));
    // From the child to a control outside the parent: the child's leave, then the parent's.
    log.clear();
    h.move(f, {85, 15});
    EXPECT_EQ(log, (std::vector<std::string>{"inner leave", "outer leave", "other enter"}));
    EXPECT_FALSE(outer.mouseInside());
    // Hiding the child under the pointer leaves the parent hovered.
    h.move(f, {25, 25});
    log.clear();
    inner.setVisible(false);
    EXPECT_EQ(log, (std::vector<std::string>{"inner leave"}));
    EXPECT_TRUE(outer.mouseInside());
    h.move(f, {26, 26});
    EXPECT_EQ(log.size(), 1u);
    // Off the window: everything under the pointer hears its leave.
    h.move(f, {200, 200});
    EXPECT_EQ(log, (std::vector<std::string>{"inner leave", "outer leave"}));
    EXPECT_EQ(f.hoverControl(), nullptr);
}

TEST(Form, TabMovesTheFocusInTabOrderAcrossContainers) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(100, 100);
    std::vector<std::string> log;
    auto& panel = f.add<Control>();
    panel.setBounds(0, 0, 100, 100);
    panel.setTabOrder(0);
    auto& second = panel.add<Probe>(&log);
    second.setName("second");
    second.setTabOrder(1);
    auto& first = panel.add<Probe>(&log);
    first.setName("first");
    first.setTabOrder(0);
    auto& hidden = panel.add<Probe>(&log);
    hidden.setTabOrder(2);
    hidden.setVisible(false);
    auto& last = f.add<Probe>(&log);
    last.setName("last");
    last.setTabOrder(1);
    f.show();
    EXPECT_EQ(f.tabOrderList(), (std::vector<Control*>{&first, &second, &last}));
    h.key(f, Key::Tab);
    EXPECT_TRUE(first.focused());
    h.key(f, Key::Tab);
    EXPECT_TRUE(second.focused());
    h.key(f, Key::Tab);
    h.key(f, Key::Tab);
    EXPECT_TRUE(first.focused());  // wraps
    h.key(f, Key::Tab, mods::Shift);
    EXPECT_TRUE(last.focused());
    // Hiding the focused control takes the focus away.
    last.setVisible(false);
    EXPECT_EQ(f.focusedControl(), nullptr);
}

// Paints its colour and counts the pixels it was allowed to paint.
class CountingBox : public Control {
  public:
    CountingBox(Control* parent, bool opaque) : Control(parent), opaque_(opaque) {}
    bool opaque() const override { return opaque_; }
    void paint(Canvas& c) override {
        c.fillRect(clientRect(), color());
        const Rect clip = c.clip();
        painted += clip.width() * clip.height();
        ++calls;
    }
    int painted = 0;
    int calls = 0;

  private:
    bool opaque_;
};

TEST(Form, OpaqueChildrenSpareThePaintUnderThemWithoutChangingThePicture) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(60, 40);
    auto& under = f.add<CountingBox>(true);  // wholly under `top`: never painted
    under.setBounds(12, 12, 6, 6);
    under.setColor(Color::rgb(0xFF0000));
    auto& clear = f.add<CountingBox>(false);  // see-through, with an opaque child
    clear.setBounds(0, 0, 30, 40);
    clear.setColor(Color::rgb(0x00FF00));
    auto& inner = clear.add<CountingBox>(true);
    inner.setBounds(0, 0, 30, 20);
    inner.setColor(Color::rgb(0x0000FF));
    auto& top = f.add<CountingBox>(true);
    top.setBounds(10, 10, 10, 10);
    top.setColor(Color::rgb(0xFFFF00));
    f.show();
    const Bitmap& fr = f.frame();
    EXPECT_EQ(under.calls, 0);
    // `clear` paints only the half its child leaves open.
    EXPECT_EQ(clear.painted, 30 * 20);
    EXPECT_EQ(inner.painted, 30 * 20);
    EXPECT_EQ(top.painted, 100);
    EXPECT_EQ(test::countColor(fr, fr.rect(), Color::rgb(0xFF0000)), 0);
    EXPECT_EQ(test::countColor(fr, fr.rect(), Color::rgb(0x0000FF)), 500);
    EXPECT_EQ(test::countColor(fr, fr.rect(), Color::rgb(0xFFFF00)), 100);
    EXPECT_EQ(test::countColor(fr, fr.rect(), Color::rgb(0x00FF00)), 600);
    EXPECT_EQ(fr.color(45, 5), sysColor(SysColor::ButtonFace));
    // Once the boxes above are gone, what they covered shows again.
    top.setVisible(false);
    h.app.processMessages();
    EXPECT_EQ(f.frame().color(15, 15), Color::rgb(0x0000FF));
    EXPECT_EQ(under.calls, 0);
    clear.setVisible(false);
    h.app.processMessages();
    EXPECT_EQ(f.frame().color(15, 15), Color::rgb(0xFF0000));
    EXPECT_EQ(under.calls, 1);
}

TEST(Rect, SubtractLeavesTheUncoveredPartsOnly) {
    const Rect a{0, 0, 10, 10};
    EXPECT_EQ(subtract(a, {20, 20, 30, 30}), std::vector<Rect>{a});
    EXPECT_TRUE(subtract(a, {-1, -1, 11, 11}).empty());
    const auto ring = subtract(a, {2, 3, 8, 7});
    int area = 0;
    for (const Rect& r : ring) {
        area += r.width() * r.height();
        EXPECT_TRUE(r.intersected({2, 3, 8, 7}).empty());
    }
    EXPECT_EQ(ring.size(), 4u);
    EXPECT_EQ(area, 100 - 24);
}

TEST(Form, OnlyChangedAreasAreRepainted) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(200, 200);
    std::vector<std::string> log;
    auto& a = f.add<Probe>(&log);
    a.setBounds(10, 10, 20, 20);
    f.show();
    EXPECT_FALSE(f.dirty());
    a.invalidate();
    a.invalidate({0, 0, 5, 5});
    EXPECT_TRUE(f.dirty());
    auto& b = f.add<Probe>(&log);
    b.setBounds(150, 150, 10, 10);
    h.app.processMessages();
    EXPECT_FALSE(f.dirty());
    EXPECT_EQ(f.frame().color(155, 155), b.color());
}

TEST(MessageBox, LayoutCentresOnTheScreenWithCaptionTextAndButton) {
    test::HeadlessApp h;
    MessageBoxForm box(h.app, BoxKind::Message, "岚渊角色模拟器", "伙计,超过上限了.最高只能到200");
    const Rect screen = h.backend.workArea();
    const Point centre{box.position().x + box.width() / 2, box.position().y + box.height() / 2};
    const Point screenCentre{screen.width() / 2, screen.height() / 2};
    EXPECT_NEAR(centre.x, screenCentre.x, 1);
    EXPECT_NEAR(centre.y, screenCentre.y, 1);
    EXPECT_TRUE(box.iconRect().empty());
    EXPECT_EQ(box.okButton().width(), 75);
    EXPECT_TRUE(box.okButton().focused());
    box.show();
    const Bitmap& fr = box.frame();
    // Caption bar in the active caption colour with the title in white on it.
    EXPECT_GT(test::countColor(fr, box.captionRect(), sysColor(SysColor::ActiveCaption)), 100);
    EXPECT_FALSE(test::inkBox(fr, box.captionRect(), sysColor(SysColor::ActiveCaption)).empty());
    const Rect ink =
        test::inkBox(fr, box.textRect().inflated(2, 2), sysColor(SysColor::ButtonFace));
    EXPECT_FALSE(ink.empty());
    EXPECT_EQ(box.lines().size(), 1u);
    // The OK button is centred under the text.
    const int middle = box.width() / 2;
    EXPECT_NEAR(box.okButton().left() + 37, middle, 1);
    EXPECT_GT(box.okButton().top(), box.textRect().bottom);

    MessageBoxForm error(h.app, BoxKind::Error, "t", "'abc' is not a valid integer value.");
    EXPECT_FALSE(error.iconRect().empty());
    EXPECT_GE(error.textRect().left, error.iconRect().right);
    error.show();
    EXPECT_GT(test::countColor(error.frame(), error.iconRect(), Color::rgb(0xE81123)), 300);
}

TEST(MessageBox, LongTextsWrapAndEscapeOrOkClose) {
    test::HeadlessApp h;
    const std::string path =
        "截图成功，图片保存在：/home/player/games/岚渊/一个很长的文件夹名字/screen/"
        "080305140709.jpg";
    MessageBoxForm box(h.app, BoxKind::Message, "t", path);
    EXPECT_GT(box.lines().size(), 1u);
    EXPECT_LE(box.textRect().width(), MessageBoxForm::kMaxTextWidth);
    std::string joined;
    for (auto& l : box.lines()) joined += l;
    EXPECT_EQ(joined, path);
    box.show();
    h.key(box, Key::Escape);
    EXPECT_TRUE(box.closed());

    MessageBoxForm other(h.app, BoxKind::Message, "t", "x");
    other.show();
    h.click(other, test::HeadlessApp::centre(other.okButton()));
    EXPECT_TRUE(other.closed());
    EXPECT_EQ(other.modalResult(), 1);
}

TEST(MessageBox, ABoxFitsTheScreenWithItsButtonAndAShortenedTextGoesWholeToStandardError) {
    // The conversion error of 100,000 pasted digits, on a full screen and on a small one.
    const std::string digits(100000, '7');
    const std::string message = "'" + digits + "' is not a valid integer value.";
    for (const Rect screen : {Rect::xywh(0, 0, 1024, 768), Rect::xywh(50, 20, 320, 240)}) {
        HeadlessBackend backend(screen);
        Application app(backend);
        testing::internal::CaptureStderr();
        MessageBoxForm box(app, BoxKind::Error, "岚渊角色模拟器", message);
        const std::string err = testing::internal::GetCapturedStderr();
        const Rect room =
            screen.inflated(-MessageBoxForm::kScreenMargin, -MessageBoxForm::kScreenMargin);
        const Rect bounds =
            Rect::xywh(box.position().x, box.position().y, box.width(), box.height());
        EXPECT_EQ(bounds.intersected(room), bounds)
            << "on " << screen.width() << " x " << screen.height();
        // The button shows inside the box, below the text.
        const Rect ok = box.okButton().bounds();
        EXPECT_EQ(ok.intersected(box.clientRect()), ok);
        EXPECT_GE(ok.top, box.textRect().bottom);
        EXPECT_LE(box.textRect().right, box.width());
        // Its start and end, with "…" between them.
        ASSERT_TRUE(box.shortened());
        ASSERT_GE(box.lines().size(), 3u);
        EXPECT_EQ(box.lines().front().substr(0, 4), "'777");
        EXPECT_NE(std::find(box.lines().begin(), box.lines().end(), "…"), box.lines().end());
        EXPECT_NE(box.lines().back().find("not a valid integer value."), std::string::npos);
        // Every digit is still said, on standard error, in one line.
        EXPECT_EQ(err, "岚渊角色模拟器: " + message + "\n");
        box.show();
        EXPECT_GT(test::countColor(box.frame(), box.iconRect(), Color::rgb(0xE81123)), 300);
    }

    // A text that fits is not shortened and says nothing on standard error; a long word is
    // broken.
    test::HeadlessApp h;
    testing::internal::CaptureStderr();
    const std::string word(300, '8');
    MessageBoxForm box(h.app, BoxKind::Error, "t", "'" + word + "' is not a valid integer value.");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    EXPECT_FALSE(box.shortened());
    EXPECT_GT(box.lines().size(), 1u);
    std::string joined;
    for (auto& l : box.lines()) joined += l;
    EXPECT_EQ(joined, "'" + word + "' is not a valid integer value.");
    EXPECT_LE(box.textRect().width(), MessageBoxForm::kMaxTextWidth);

    // So are many short lines.
    std::string manyLines;
    for (int i = 0; i < 500; ++i) manyLines += "line " + std::to_string(i) + "\n";
    testing::internal::CaptureStderr();
    MessageBoxForm tall(h.app, BoxKind::Message, "t", manyLines);
    EXPECT_NE(testing::internal::GetCapturedStderr().find("line 250"), std::string::npos);
    EXPECT_LE(tall.height(), 768 - 2 * MessageBoxForm::kScreenMargin);
    EXPECT_EQ(tall.lines().front(), "line 0");
    EXPECT_EQ(tall.lines()[tall.lines().size() - 2], "line 499");
}

TEST(MessageBox, ShortenMiddleKeepsTheEndsAroundOneEllipsis) {
    const std::vector<std::string> lines{"a", "b", "c", "d", "e", "f"};
    EXPECT_EQ(MessageBoxForm::shortenMiddle(lines, 6), lines);
    EXPECT_EQ(MessageBoxForm::shortenMiddle(lines, 5),
              (std::vector<std::string>{"a", "b", "…", "e", "f"}));
    EXPECT_EQ(MessageBoxForm::shortenMiddle(lines, 4),
              (std::vector<std::string>{"a", "b", "…", "f"}));
    EXPECT_EQ(MessageBoxForm::shortenMiddle(lines, 2), (std::vector<std::string>{"a", "…"}));
    EXPECT_EQ(MessageBoxForm::shortenMiddle(lines, 0), (std::vector<std::string>{"…"}));
}

}  // namespace
}  // namespace lymn
