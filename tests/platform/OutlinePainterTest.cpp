// Anti-aliased lines and discs through FreeType's outline renderer at scales 1, 2 and 3: where
// the ink falls, its edges blended with the background, dashes leaving gaps, and the canvas's
// origin and clip obeyed.
#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "platform/OutlinePainter.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

const Color kInk = Color::rgb(0x1F5FBF);

// Device pixels neither white nor the ink: the blended edge.
int blended(const Bitmap& b) {
    int n = 0;
    for (uint32_t p : b.pixels()) {
        const Color c = Color::fromPixel(p);
        n += c != colors::white && c != kInk ? 1 : 0;
    }
    return n;
}

// The device pixels that are not white, as a box in device pixels.
Rect deviceInk(const Bitmap& b) {
    Rect box;
    for (int y = 0; y < b.deviceHeight(); ++y)
        for (int x = 0; x < b.deviceWidth(); ++x)
            if (Color::fromPixel(b.devicePixel(x, y)) != colors::white)
                box = box.united(Rect::xywh(x, y, 1, 1));
    return box;
}

class OutlinePainterTest : public ::testing::TestWithParam<int> {
  protected:
    int n() const { return GetParam(); }
    OutlinePainter painter;
};

TEST_P(OutlinePainterTest, ALineCoversItsWidthWithBlendedEdges) {
    Bitmap b(60, 30, colors::white, n());
    Canvas c(b);
    const std::array<PointF, 2> flat{{{10, 10.5}, {50, 10.5}}};
    painter.polyline(c, flat, 2, kInk);
    // Two units wide around y 10.5, round ends half a width beyond the points.
    const Rect ink = deviceInk(b);
    EXPECT_EQ(ink.top, static_cast<int>(9.5 * n()));
    EXPECT_EQ(ink.bottom, static_cast<int>(11.5 * n()) + (n() % 2));
    EXPECT_NEAR(ink.left, 9 * n(), 1);
    EXPECT_NEAR(ink.right, 51 * n(), 1);
    EXPECT_TRUE(test::blockIs(b, 30, 10, kInk));
    // A slanting line: solid inside, blended along its edges.
    Bitmap s(60, 60, colors::white, n());
    Canvas cs(s);
    const std::array<PointF, 3> bent{{{5, 5}, {30, 50}, {55, 10}}};
    painter.polyline(cs, bent, 1.6, kInk);
    EXPECT_GT(blended(s), 40 * n());
    EXPECT_EQ(Color::fromPixel(s.devicePixel(0, 0)), colors::white);
    // Coverage falls off across the edge: the pixel beside the centre is paler than the centre.
    const int y = 25 * n();
    int darkest = 255, darkestX = 0;
    for (int x = 0; x < s.deviceWidth() / 2; ++x) {
        const int r = Color::fromPixel(s.devicePixel(x, y)).r;
        if (r < darkest) darkest = r, darkestX = x;
    }
    EXPECT_LT(Color::fromPixel(s.devicePixel(darkestX, y)).r,
              Color::fromPixel(s.devicePixel(darkestX - 2 * n(), y)).r);
}

TEST_P(OutlinePainterTest, DashesLeaveGapsAlongTheLine) {
    Bitmap b(100, 20, colors::white, n());
    Canvas c(b);
    const std::array<PointF, 3> path{{{5, 10.5}, {50, 10.5}, {95, 10.5}}};
    const std::array<double, 2> dash{4, 3};
    painter.polyline(c, path, 1.5, kInk, dash);
    // Along the middle row: runs of ink four units long (square ends) with gaps between.
    int runs = 0, inkUnits = 0;
    bool inside = false;
    for (int x = 0; x < 100; ++x) {
        const bool ink = b.color(x, 10) != colors::white;
        inkUnits += ink ? 1 : 0;
        if (ink && !inside) ++runs;
        inside = ink;
    }
    EXPECT_GE(runs, 12);
    EXPECT_LE(runs, 14);
    EXPECT_GE(inkUnits, 90 * 4 / 7 - 2);
    EXPECT_LE(inkUnits, 90 * 4 / 7 + 13);
}

TEST_P(OutlinePainterTest, DiscsAndTheCanvasOriginAndClip) {
    Bitmap b(40, 40, colors::white, n());
    Canvas c(b);
    c.translate(10, 10);
    c.intersectClip({0, 0, 10, 20});
    painter.disc(c, {10, 10}, 5, kInk);
    // Only the left half of the disc around (20, 20), inside the clip.
    const Rect ink = deviceInk(b);
    EXPECT_EQ(ink.right, 20 * n());
    EXPECT_NEAR(ink.left, 15 * n(), 1);
    EXPECT_NEAR(ink.top, 15 * n(), 1);
    EXPECT_NEAR(ink.bottom, 25 * n(), 1);
    EXPECT_TRUE(test::blockIs(b, 18, 20, kInk));
    EXPECT_NE(b.color(15, 15), kInk);  // the corner of the box around the disc
    const std::array<PointF, 2> across{{{-10, 5}, {40, 5}}};
    painter.polyline(c, across, 2, kInk);
    EXPECT_TRUE(test::blockIs(b, 12, 15, kInk));
    EXPECT_EQ(b.color(5, 15), colors::white);
    EXPECT_EQ(b.color(25, 15), colors::white);
}

// FreeType's renderer keeps a row's cells in a small pool: a flat line of more than some 600
// device pixels has to be rendered in parts.
TEST_P(OutlinePainterTest, ALongFlatLineIsDrawnWhole) {
    Bitmap b(500, 20, colors::white, n());
    Canvas c(b);
    const std::array<PointF, 2> flat{{{2, 10.2}, {498, 10.4}}};
    painter.polyline(c, flat, 1.6, kInk);
    for (int x = 3; x < 497; ++x) ASSERT_NE(b.color(x, 10), colors::white) << x;
    const std::array<PointF, 2> dashes{{{2, 5.5}, {498, 5.5}}};
    const std::array<double, 2> dash{4, 3};
    painter.polyline(c, dashes, 1.6, kInk, dash);
    EXPECT_TRUE(test::blockIs(b, 450, 5, kInk) || test::blockIs(b, 453, 5, kInk));
}

INSTANTIATE_TEST_SUITE_P(Scales, OutlinePainterTest, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace lymn
