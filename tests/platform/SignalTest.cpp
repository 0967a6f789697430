#include <gtest/gtest.h>

#include <memory>
#include <optional>

#include "platform/Signal.h"

namespace lymn {
namespace {

TEST(Signal, ALinkLastsAsLongAsTheListenersConnectionAndItsSignal) {
    Signal<int> changed;
    std::vector<int> seen;
    {
        Connection c = changed.connect([&](int v) { seen.push_back(v); });
        changed(1);
        EXPECT_EQ(changed.connections(), 1u);
    }
    changed(2);  // the listener went: nothing is called
    EXPECT_EQ(seen, std::vector<int>{1});
    EXPECT_EQ(changed.connections(), 0u);

    // Reassigning a connection ends the old link; moving it keeps the link.
    Connection c = changed.connect([&](int v) { seen.push_back(10 + v); });
    c = changed.connect([&](int v) { seen.push_back(20 + v); });
    Connection moved = std::move(c);
    changed(3);
    EXPECT_EQ(seen, (std::vector<int>{1, 23}));
    moved.disconnect();
    moved.disconnect();
    changed(4);
    EXPECT_EQ(seen, (std::vector<int>{1, 23}));

    // The signal goes first: the listener's connection ends quietly later.
    auto gone = std::make_unique<Signal<int>>();
    std::optional<Connection> left = gone->connect([&](int v) { seen.push_back(v); });
    gone.reset();
    left.reset();
}

TEST(Signal, ASlotMayEndLinksWhileTheSignalRuns) {
    Signal<> fired;
    std::vector<std::string> log;
    Connection second;
    Connection first = fired.connect([&] {
        log.push_back("first");
        second.disconnect();
    });
    second = fired.connect([&] { log.push_back("second"); });
    Connection third = fired.connect([&] {
        log.push_back("third");
        third.disconnect();
    });
    fired();
    fired();
    EXPECT_EQ(log, (std::vector<std::string>{"first", "third", "first"}));
}

}  // namespace
}  // namespace lymn
