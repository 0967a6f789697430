// The scale of the windows: which source decides, and the values that are refused.
#include <gtest/gtest.h>

#include "platform/ScaleChoice.h"

namespace lymn {
namespace {

using Sources = ScaleChoice::Sources;

std::function<std::optional<std::string>()> dpi(std::optional<std::string> value, int* asked) {
    return [value, asked] {
        ++*asked;
        return value;
    };
}

TEST(ScaleChoice, TheOptionThenLymnScaleThenGdkScaleThenTheDesktopsResolution) {
    int asked = 0;
    auto choose = [&](std::optional<std::string> option, std::optional<std::string> lymn,
                      std::optional<std::string> gdk, std::optional<std::string> xft) {
        return ScaleChoice::choose(Sources{option, lymn, gdk, dpi(xft, &asked)});
    };
    EXPECT_EQ(choose("3", "2", "1", "96").scale, 3);
    EXPECT_EQ(choose({}, "2", "3", "96").scale, 2);
    EXPECT_EQ(choose({}, {}, "3", "96").scale, 3);
    EXPECT_EQ(choose({}, {}, "1", "300").scale, 1);
    // The desktop is asked only when nothing before it is given.
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(choose({}, {}, {}, "96").scale, 1);
    EXPECT_EQ(choose({}, {}, {}, "143.9").scale, 1);
    EXPECT_EQ(choose({}, {}, {}, "144").scale, 2);
    EXPECT_EQ(choose({}, {}, {}, "192.000000").scale, 2);
    EXPECT_EQ(choose({}, {}, {}, "239").scale, 2);
    EXPECT_EQ(choose({}, {}, {}, "240").scale, 3);
    EXPECT_EQ(choose({}, {}, {}, "384").scale, 3);
    const ScaleChoice none = choose({}, {}, {}, {});
    EXPECT_EQ(none.scale, 1);
    EXPECT_TRUE(none.warning.empty());
    EXPECT_EQ(asked, 8);
}

TEST(ScaleChoice, AnythingElseIsRefusedWithOneLineAndScaleOne) {
    int asked = 0;
    for (const char* bad : {"0", "4", "abc", "", "2.0", " 2", "2 ", "-1", "22", "\xe4\xba\x8c"}) {
        SCOPED_TRACE(bad);
        // A refused value decides all the same: the sources after it are not used.
        for (int source = 0; source < 3; ++source) {
            Sources s{{}, {}, {}, dpi("300", &asked)};
            (source == 0 ? s.option : source == 1 ? s.lymnScale : s.gdkScale) = bad;
            if (source < 2) s.gdkScale = "3";
            const ScaleChoice c = ScaleChoice::choose(s);
            EXPECT_EQ(c.scale, 1);
            EXPECT_NE(c.warning.find(std::string("\"") + bad + "\""), std::string::npos)
                << c.warning;
            EXPECT_NE(c.warning.find(source == 0   ? "--scale"
                                     : source == 1 ? "LYMN_SCALE"
                                                   : "GDK_SCALE"),
                      std::string::npos);
            EXPECT_EQ(c.warning.find('\n'), std::string::npos);
        }
    }
    for (const char* bad : {"", "abc", "-96", "0", "96dpi", "1e3"}) {
        const ScaleChoice c = ScaleChoice::choose(Sources{{}, {}, {}, dpi(bad, &asked)});
        EXPECT_EQ(c.scale, 1) << bad;
        EXPECT_NE(c.warning.find("Xft.dpi"), std::string::npos) << bad;
    }
    EXPECT_EQ(asked, 6);
    for (const char* good : {"1", "2", "3"})
        EXPECT_TRUE(ScaleChoice::choose(Sources{good, {}, {}, {}}).warning.empty());
}

TEST(ScaleChoice, AnEmptyVariableCountsAsNotSet) {
    ::setenv("LYMN_TEST_SCALE_VARIABLE", "", 1);
    EXPECT_FALSE(ScaleChoice::variable("LYMN_TEST_SCALE_VARIABLE"));
    ::setenv("LYMN_TEST_SCALE_VARIABLE", "2", 1);
    EXPECT_EQ(ScaleChoice::variable("LYMN_TEST_SCALE_VARIABLE"), "2");
    ::unsetenv("LYMN_TEST_SCALE_VARIABLE");
    EXPECT_FALSE(ScaleChoice::variable("LYMN_TEST_SCALE_VARIABLE"));
}

}  // namespace
}  // namespace lymn
