#include <gtest/gtest.h>

#include "skin/SliceDraw.h"
#include "skin/ThemeTable.h"

namespace lymn {
namespace {

// A picture whose every pixel tells its own position: red = x, green = y.
Bitmap numbered(int w, int h) {
    Bitmap b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.setColor(x, y, Color{static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7});
    return b;
}

Point source(const Bitmap& b, int x, int y) {
    const Color c = b.color(x, y);
    return {c.r, c.g};
}

TEST(SliceDraw, The84By23PicturesOnAn80By23Button) {
    const Bitmap pic = numbered(84, 23);
    Bitmap out(80, 23, colors::white);
    Canvas c(out);
    SliceDraw(pic, c, {0, 0, 80, 23}, false);
    // Top-left: columns 0-39, rows 0-10 at (0, 0).
    EXPECT_EQ(source(out, 0, 0), Point(0, 0));
    EXPECT_EQ(source(out, 39, 10), Point(39, 10));
    // Bottom-left: rows 13-22 at (0, 13).
    EXPECT_EQ(source(out, 0, 13), Point(0, 13));
    EXPECT_EQ(source(out, 38, 22), Point(38, 22));
    // Top-right: columns 45-83 at x 41.
    EXPECT_EQ(source(out, 41, 0), Point(45, 0));
    EXPECT_EQ(source(out, 79, 10), Point(83, 10));
    // Bottom-right: columns 45-83, rows 13-22 at (41, 13).
    EXPECT_EQ(source(out, 41, 13), Point(45, 13));
    EXPECT_EQ(source(out, 79, 22), Point(83, 22));
    // Left edge: row 11 stretched over rows 11 and 12.
    EXPECT_EQ(source(out, 5, 11), Point(5, 11));
    EXPECT_EQ(source(out, 5, 12), Point(5, 11));
    // Right edge: row 12 over rows 11 and 12 at x 41-79.
    EXPECT_EQ(source(out, 41, 11), Point(45, 12));
    EXPECT_EQ(source(out, 79, 12), Point(83, 12));
    // Top edge: column 42 into column 40.
    EXPECT_EQ(source(out, 40, 0), Point(42, 0));
    EXPECT_EQ(source(out, 40, 10), Point(42, 10));
    // Centre: the pixel (42, 11) at (40, 11).
    EXPECT_EQ(source(out, 40, 11), Point(42, 11));
    // Bottom edge: column 42, rows 12-22, over columns 39-40, rows 12-22.
    EXPECT_EQ(source(out, 39, 12), Point(42, 12));
    EXPECT_EQ(source(out, 40, 12), Point(42, 12));
    EXPECT_EQ(source(out, 39, 22), Point(42, 22));
    // Nothing is left unpainted.
    for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_NE(out.color(x, y), colors::white) << x << "," << y;
}

TEST(SliceDraw, AWiderButtonRepeatsTheMiddleColumn) {
    const Bitmap pic = numbered(84, 23);
    Bitmap out(100, 23, colors::white);
    Canvas c(out);
    SliceDraw(pic, c, {0, 0, 100, 23}, false);
    for (int x = 0; x <= 41; ++x) EXPECT_EQ(source(out, x, 3).x, x);
    for (int x = 0; x < 41; ++x) EXPECT_EQ(source(out, 59 + x, 3).x, 43 + x);
    for (int x = 42; x < 59; ++x) EXPECT_EQ(source(out, x, 3).x, 42);
}

TEST(SliceDraw, TheKeyColourIsLeftOutOfEdgesAlwaysAndOfCornersWhenTransparent) {
    Bitmap pic(10, 10, Color::rgb(0x123456));
    pic.setColor(0, 0, colors::key);  // a corner pixel
    pic.setColor(5, 0, colors::key);  // the top edge's column
    Bitmap out(10, 10, colors::white);
    Canvas c(out);
    SliceDraw(pic, c, {0, 0, 10, 10}, false);
    EXPECT_EQ(out.color(0, 0), colors::key);
    EXPECT_EQ(out.color(5, 0), colors::white);
    Bitmap keyed(10, 10, colors::white);
    Canvas k(keyed);
    SliceDraw(pic, k, {0, 0, 10, 10}, true);
    EXPECT_EQ(keyed.color(0, 0), colors::white);
}

TEST(SliceDraw, TabsKeepTheirCapsAndStretchTheMiddle) {
    Bitmap tab;
    LoadThemeBitmap(tab, "GLASS_TAB_ACTIVE");
    Bitmap out(64, 17, colors::white);
    Canvas c(out);
    SliceDrawHorizontal(tab, c, {0, 0, 64, 17}, true);
    EXPECT_EQ(out.color(0, 0), colors::white);  // the key corner left out
    EXPECT_EQ(out.color(63, 0), colors::white);
    EXPECT_EQ(out.color(0, 5), Color::rgb(0x4E4EAF));
    EXPECT_EQ(out.color(63, 5), Color::rgb(0x4E4EAF));
    EXPECT_EQ(out.color(30, 5), Color::rgb(0x9C9CED));
    EXPECT_EQ(out.color(30, 0), Color::rgb(0x6969C4));
}

}  // namespace
}  // namespace lymn
