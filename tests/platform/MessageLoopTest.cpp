#include <gtest/gtest.h>

#include <stdexcept>

#include "platform/Error.h"
#include "platform/MessageBoxForm.h"
#include "tests/support/HeadlessApp.h"

namespace lymn {
namespace {

// A control that records what reaches it.
class Recorder : public Control {
  public:
    using Control::Control;
    void note(int msg, intptr_t w = 0) {
        log.push_back("msg" + std::to_string(msg) + ":" + std::to_string(w));
        if (onMessage) onMessage(msg);
    }
    // Posts work that records msg, as a control posts work for itself.
    void post(int msg, intptr_t w = 0) {
        application()->post(this, [this, msg, w] { note(msg, w); });
    }
    void timer(int id) override {
        log.push_back("timer" + std::to_string(id) + "@" +
                      std::to_string(application()->backend().now()));
        if (onTimer) onTimer(id);
    }
    std::vector<std::string> log;
    std::function<void(int)> onMessage;
    std::function<void(int)> onTimer;
};

TEST(MessageLoop, PostedWorkRunsLaterInOrder) {
    test::HeadlessApp h;
    Form f(h.app);
    auto& r = f.add<Recorder>();
    r.post(1, 10);
    r.post(2, 20);
    r.note(3, 30);
    EXPECT_EQ(r.log, (std::vector<std::string>{"msg3:30"}));
    // Work posted while the queue is worked off comes after the work already waiting.
    r.onMessage = [&](int msg) {
        if (msg == 1) r.post(4, 40);
    };
    h.app.processMessages();
    EXPECT_EQ(r.log, (std::vector<std::string>{"msg3:30", "msg1:10", "msg2:20", "msg4:40"}));
}

TEST(MessageLoop, PostedMessagesComeBeforeQueuedInput) {
    test::HeadlessApp h;
    Form f(h.app);
    f.setSize(50, 50);
    auto& r = f.add<Recorder>();
    r.setBounds(0, 0, 50, 50);
    std::vector<std::string> order;
    r.onMessage = [&](int) { order.push_back("posted"); };
    r.onMouseEnter = [&](Control&) { order.push_back("input"); };
    h.backend.mouseMove(f.window().id(), {5, 5});
    r.post(7);
    h.app.processMessages();
    EXPECT_EQ(order, (std::vector<std::string>{"posted", "input"}));
}

TEST(MessageLoop, TimersRunOnTheVirtualClock) {
    test::HeadlessApp h;
    Form f(h.app);
    auto& r = f.add<Recorder>();
    h.app.setTimer(&r, 1, 400);
    r.onTimer = [&](int id) {
        if (id == 1) h.app.setTimer(&r, 1, 100);  // first tick: faster
    };
    h.app.runFor(650);
    EXPECT_EQ(r.log, (std::vector<std::string>{"timer1@400", "timer1@500", "timer1@600"}));
    EXPECT_EQ(h.backend.now(), 650);
    h.app.killTimer(&r, 1);
    h.app.runFor(1000);
    EXPECT_EQ(r.log.size(), 3u);
    EXPECT_FALSE(h.app.hasTimer(&r, 1));

    // A control that goes away takes its timers and messages with it.
    auto& gone = f.add<Recorder>();
    h.app.setTimer(&gone, 2, 10);
    gone.post(9);
    f.removeChild(&gone);
    h.app.runFor(50);
    EXPECT_EQ(h.app.nextTimerDue(), std::numeric_limits<int64_t>::max());
}

TEST(MessageLoop, ErrorsOfHandlersGoToTheErrorBoxAndTheLoopGoesOn) {
    test::HeadlessApp h;
    Form f(h.app);
    auto& r = f.add<Recorder>();
    r.onMessage = [](int msg) {
        if (msg == 1) throw Error("'abc' is not a valid integer value");
        if (msg == 2) throw Abort();
        if (msg == 3) throw 42;
        if (msg == 4) throw std::out_of_range("Index out of range");
        if (msg == 5) throw Error("Done!");
    };
    for (int m = 1; m <= 6; ++m) r.post(m);
    h.app.processMessages();
    EXPECT_EQ(r.log.size(), 6u);  // every message ran
    ASSERT_EQ(h.boxes.size(), 4u);
    EXPECT_EQ(h.boxes[0].kind, BoxKind::Error);
    EXPECT_EQ(h.boxes[0].caption, "test");
    EXPECT_EQ(h.boxes[0].text, "'abc' is not a valid integer value.");
    EXPECT_EQ(h.boxes[1].text, "");  // a thrown object of another kind
    EXPECT_EQ(h.boxes[2].text, "Index out of range.");
    EXPECT_EQ(h.boxes[3].text, "Done!");
}

TEST(MessageLoop, ErrorBoxTextGetsAFullStopOnlyAfterCharactersThatSortAfterIt) {
    EXPECT_EQ(errorBoxText(""), "");
    EXPECT_EQ(errorBoxText("Cannot open file x.db"), "Cannot open file x.db.");
    EXPECT_EQ(errorBoxText("ends."), "ends.");
    EXPECT_EQ(errorBoxText("ends!"), "ends!");
    EXPECT_EQ(errorBoxText("value 12"), "value 12.");
    EXPECT_EQ(errorBoxText("数据"), "数据.");
    EXPECT_EQ(errorBoxText("(x)"), "(x)");
    EXPECT_EQ(errorBoxText("a-"), "a-");
    EXPECT_EQ(errorBoxText("a/"), "a/.");
    EXPECT_EQ(formatMessage("Cannot open file %s", "/tmp/a"), "Cannot open file /tmp/a");
}

TEST(MessageLoop, ModalLoopRunsNestedInsideAHandlerUntilTheBoxCloses) {
    test::HeadlessApp h;
    h.app.setBoxHandler(nullptr);  // real box windows
    Form main(h.app);
    main.setSize(100, 100);
    main.show();
    auto& r = main.add<Recorder>();
    std::vector<std::string> order;
    r.onMessage = [&](int) {
        order.push_back("before");
        h.app.messageBox("hello");
        order.push_back("after");
    };
    // The box, once open, is answered by the idle handler with Enter on its OK button.
    h.app.setIdleHandler([&] {
        Form* box = h.app.modalForm();
        ASSERT_NE(box, nullptr);
        order.push_back("box shown");
        h.backend.keyDown(box->window().id(), Key::Enter);
    });
    r.post(1);
    h.app.processMessages();
    EXPECT_EQ(order, (std::vector<std::string>{"before", "box shown", "after"}));
    EXPECT_EQ(h.app.modalForm(), nullptr);
}

TEST(MessageLoop, EndingTheProgramClosesAnOpenBoxAndTheMainWindowAndShowsNoMoreBoxes) {
    test::HeadlessApp h;
    h.app.setBoxHandler(nullptr);
    Form main(h.app);
    main.setSize(100, 100);
    h.app.setMainForm(&main);
    auto& r = main.add<Recorder>();
    std::vector<std::string> order;
    r.onMessage = [&](int) {
        h.app.errorBox("first");
        order.push_back("after first");
        h.app.errorBox("second");  // not shown: nothing would answer it
        order.push_back("after second");
    };
    int idle = 0;
    h.app.setIdleHandler([&] {
        Form* box = h.app.modalForm();
        ASSERT_NE(box, nullptr);
        if (++idle > 1) {  // the box outlived the end: answer it, so that the test ends
            h.backend.keyDown(box->window().id(), Key::Enter);
            return;
        }
        h.backend.closeRequest(0);
    });
    r.post(1);
    h.app.processMessages();
    EXPECT_EQ(idle, 1);
    EXPECT_EQ(order, (std::vector<std::string>{"after first", "after second"}));
    EXPECT_TRUE(h.app.ending());
    EXPECT_TRUE(main.closed());
    // The main window that was asked to close before the loop began is not shown.
    h.app.run();
    EXPECT_FALSE(main.windowShown());
}

TEST(MessageLoop, HeadlessModalLoopWithNothingToDoRaisesInsteadOfHanging) {
    test::HeadlessApp h;
    h.app.setBoxHandler(nullptr);
    Form main(h.app);
    EXPECT_THROW(
        {
            MessageBoxForm box(h.app, BoxKind::Message, "t", "x");
            h.app.runModal(box);
        },
        Error);
}

}  // namespace
}  // namespace lymn
