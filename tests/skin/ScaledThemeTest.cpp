// The theme pictures drawn for scales 2 and 3, embedded beside the committed scale-1 ones.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Error.h"
#include "platform/Resources.h"
#include "skin/ThemeTable.h"
#include "tests/support/Pixels.h"
#include "tools/lymn-art/ThemeArt.h"

namespace lymn {
namespace {

constexpr const char* kPrefixes[] = {"PINSTRIPE_", "SKY_", "NAVY_", "PEARL_", "GLASS_"};
constexpr const char* kStates[] = {"NORMAL", "MOUSEON", "MOUSEDOWN", "DISABLED"};

Bitmap load(const std::string& name, int scale = 1) {
    Bitmap b;
    LoadThemeBitmap(b, name, scale);
    return b;
}

class ScaledTheme : public ::testing::TestWithParam<int> {
  protected:
    int n() const { return GetParam(); }
    // Each unit of r keeps its scale-1 colour over its whole block.
    void expectBlocks(const std::string& name, const Rect& r) {
        const Bitmap one = load(name), scaled = load(name, n());
        if (const auto at = test::firstBlockDifference(one, scaled, r))
            ADD_FAILURE() << name << ": the block of unit (" << at->x << ", " << at->y
                          << ") is not all " << test::hex(one.color(at->x, at->y));
    }
    void expectFrameBlocks(const std::string& name) {
        const Size s = load(name).size();
        for (const Rect& side : {Rect{0, 0, s.width, 1}, Rect{0, s.height - 1, s.width, s.height},
                                 Rect{0, 0, 1, s.height}, Rect{s.width - 1, 0, s.width, s.height}})
            expectBlocks(name, side);
    }
};

TEST_P(ScaledTheme, EveryPictureIsStoredWithNTimesTheDevicePixelsAndTheLayoutSizeOfScale1) {
    for (const std::string& name : themePictureNames()) {
        ASSERT_FALSE(resources::find(name + "@" + std::to_string(n()) + "x").empty()) << name;
        const Bitmap one = load(name), scaled = load(name, n());
        EXPECT_EQ(scaled.scale(), n()) << name;
        EXPECT_EQ(scaled.size(), one.size()) << name;
        EXPECT_EQ(scaled.deviceWidth(), n() * one.deviceWidth()) << name;
        EXPECT_EQ(scaled.deviceHeight(), n() * one.deviceHeight()) << name;
    }
}

// The build embeds what the generator draws at this scale, under this scale's names.
TEST_P(ScaledTheme, TheEmbeddedPicturesAreTheGeneratorsOutputAtTheScale) {
    const auto drawn = art::themePictures(n());
    EXPECT_EQ(drawn.size(), themePictureNames().size());
    for (const auto& [name, picture] : drawn) {
        EXPECT_EQ(picture.scale(), n()) << name;
        EXPECT_TRUE(load(name, n()) == picture) << name;
    }
}

// A picture with none drawn for the scale comes at scale 1; an unknown one is an error.
TEST_P(ScaledTheme, WithoutAPictureForTheScaleTheScale1OneIsLoaded) {
    ASSERT_TRUE(resources::find("MAINICON@" + std::to_string(n()) + "x").empty());
    const Bitmap icon = load("MAINICON", n());
    EXPECT_EQ(icon.scale(), 1);
    EXPECT_TRUE(icon == load("MAINICON"));
    Bitmap b;
    EXPECT_THROW(LoadThemeBitmap(b, "NO_SUCH_PICTURE", n()), Error);
}

// Pictures made only of whole-unit features at scale 1: tabs, lines, tracks, the pinstripe title,
// the check mark, the form patterns.
TEST_P(ScaledTheme, PicturesOfWholeUnitsHoldEachUnitsColourOverItsBlock) {
    std::vector<std::string> names = {"MENU_CHECKED",           "PINSTRIPE_FORM_BACKGROUND",
                                      "PEARL_FORM_BACKGROUND",  "PINSTRIPE_TITLE_LEFT",
                                      "PINSTRIPE_TITLE_CLIENT", "PINSTRIPE_TITLE_RIGHT"};
    for (const char* prefix : kPrefixes)
        for (const char* part :
             {"TAB_ACTIVE", "TAB_INACTIVE", "TAB_LINE", "TRACKBAR_TRACK", "SCROLLBAR_TRACK"})
            names.push_back(std::string(prefix) + part);
    for (const std::string& name : names) expectBlocks(name, load(name).rect());
}

TEST_P(ScaledTheme, ThePinstripeTitleRowsAreUnitsOfNDeviceRows) {
    for (const char* name :
         {"PINSTRIPE_TITLE_LEFT", "PINSTRIPE_TITLE_CLIENT", "PINSTRIPE_TITLE_RIGHT"}) {
        const Bitmap b = load(name, n());
        // Away from the shaded ends: grey odd rows, white even ones, between the edge rows.
        const int x = b.width() / 2;
        EXPECT_TRUE(test::blockIs(b, x, 0, Color::rgb(0x7F7F7F))) << name;
        for (int y = 1; y < b.height() - 1; ++y)
            EXPECT_TRUE(test::blockIs(b, x, y, Color::rgb(y % 2 ? 0xD9D9D9 : 0xFFFFFF)))
                << name << " row " << y;
        EXPECT_TRUE(test::blockIs(b, x, b.height() - 1, Color::rgb(0x7F7F7F))) << name;
    }
}

// Frames one unit wide, the title pictures' edge rows, the pressed button's white top row.
TEST_P(ScaledTheme, FramesAndEdgesHoldOverWholeBlocks) {
    for (const std::string prefix : kPrefixes) {
        for (const char* state : kStates) {
            expectFrameBlocks(prefix + "CHECKBOX_" + state);
            expectFrameBlocks(prefix + "CHECKBOX_CHECKED_" + state);
        }
        for (const char* part :
             {"ARROW_UP", "ARROW_DOWN", "ARROW_LEFT", "ARROW_RIGHT", "THUMB_VERT", "THUMB_HORZ"})
            expectFrameBlocks(prefix + "SCROLLBAR_" + part);
        expectFrameBlocks(prefix + "PROGRESSBAR_BACK");
        for (const char* part : {"TITLE_LEFT", "TITLE_CLIENT", "TITLE_RIGHT"}) {
            const Size s = load(prefix + part).size();
            expectBlocks(prefix + part, {0, 0, s.width, 1});
            expectBlocks(prefix + part, {0, s.height - 1, s.width, s.height});
        }
        const std::string pressed = prefix + "BUTTON_MOUSEDOWN";
        expectBlocks(pressed, {0, 0, load(pressed).width(), 1});
        EXPECT_TRUE(test::blockIs(load(pressed, n()), 0, 0, colors::white)) << pressed;
    }
}

// The device pixels that are not the key colour: their bounds and their centre.
struct Extent {
    Rect box;
    double cx = 0, cy = 0;
};

Extent extentOf(const Bitmap& b) {
    Extent e;
    long count = 0;
    for (int y = 0; y < b.deviceHeight(); ++y)
        for (int x = 0; x < b.deviceWidth(); ++x) {
            if (Color::fromPixel(b.devicePixel(x, y)) == colors::key) continue;
            e.box = e.box.united(Rect::xywh(x, y, 1, 1));
            e.cx += x + 0.5;
            e.cy += y + 0.5;
            ++count;
        }
    if (count > 0) e.cx /= count, e.cy /= count;
    return e;
}

// Round shapes on the key colour: their centre N times the scale-1 one, their bounds N times
// the scale-1 bounds to within a unit.
TEST_P(ScaledTheme, GemsAndCapsulesKeepTheirCentresAndProportions) {
    std::vector<std::string> names;
    for (const std::string prefix : kPrefixes) {
        for (const char* state : kStates) {
            names.push_back(prefix + "RADIO_" + state);
            names.push_back(prefix + "RADIO_CHECKED_" + state);
        }
        names.push_back(prefix + "TRACKBAR_THUMB");
        names.push_back(prefix + "TRACKBAR_THUMB_MOUSEON");
    }
    for (const std::string prefix : {"PEARL_", "GLASS_"})
        for (const char* kind : {"CLOSE", "MAX", "MIN", "HELP", "CTLBOX"})
            for (const char* state : {"NORMAL", "MOUSEON"})
                names.push_back(prefix + "TITLEBTN_" + kind + "_" + state);
    const int k = n();
    for (const std::string& name : names) {
        const Extent one = extentOf(load(name)), scaled = extentOf(load(name, k));
        ASSERT_FALSE(one.box.empty()) << name;
        EXPECT_NEAR(scaled.cx, k * one.cx, 0.25 * k) << name;
        EXPECT_NEAR(scaled.cy, k * one.cy, 0.25 * k) << name;
        const Rect& a = one.box;
        const Rect& b = scaled.box;
        EXPECT_TRUE(b.left >= k * a.left && b.left < k * a.left + k) << name;
        EXPECT_TRUE(b.top >= k * a.top && b.top < k * a.top + k) << name;
        EXPECT_TRUE(b.right <= k * a.right && b.right > k * a.right - k) << name;
        EXPECT_TRUE(b.bottom <= k * a.bottom && b.bottom > k * a.bottom - k) << name;
    }
}

// Drawn by rule rather than enlarged: the edge of a round shape has device pixels of more than
// one colour inside a unit, where an enlarged picture has one colour a unit.
TEST_P(ScaledTheme, RoundEdgesHaveDetailInsideAUnit) {
    for (const char* name : {"PINSTRIPE_BUTTON_NORMAL", "GLASS_TITLEBTN_CLOSE_NORMAL",
                             "SKY_RADIO_NORMAL", "NAVY_TRACKBAR_THUMB"}) {
        const Bitmap b = load(name, n());
        int detailed = 0;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (!test::blockIs(b, x, y, b.color(x, y))) ++detailed;
        EXPECT_GT(detailed, 4) << name;
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledTheme, ::testing::Values(2, 3));

}  // namespace
}  // namespace lymn
