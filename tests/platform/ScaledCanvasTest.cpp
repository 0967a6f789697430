// The canvas over a picture of scale 2 and 3: layout units drawn as N x N device pixels.
#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "platform/Error.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

const Color kRed = Color::rgb(0xFF0000);
const Color kBlue = Color::rgb(0x0000FF);
const Color kGreen = Color::rgb(0x00FF00);

// The device pixels of colour c, as a box; empty when none.
Rect deviceBox(const Bitmap& b, Color c) {
    Rect box;
    for (int y = 0; y < b.deviceHeight(); ++y)
        for (int x = 0; x < b.deviceWidth(); ++x)
            if (Color::fromPixel(b.devicePixel(x, y)) == c)
                box = box.united(Rect::xywh(x, y, 1, 1));
    return box;
}

int deviceCount(const Bitmap& b, Color c) {
    int n = 0;
    for (uint32_t p : b.pixels()) n += Color::fromPixel(p) == c ? 1 : 0;
    return n;
}

class ScaledCanvas : public ::testing::TestWithParam<int> {
  protected:
    int n() const { return GetParam(); }
};

TEST_P(ScaledCanvas, LinesRectanglesAndPointsAreNDevicePixelsWide) {
    Bitmap b(20, 10, colors::white, n());
    EXPECT_EQ(b.deviceWidth(), 20 * n());
    EXPECT_EQ(b.size(), (Size{20, 10}));
    Canvas c(b);
    c.line({1, 1}, {11, 1}, kRed);
    EXPECT_EQ(deviceBox(b, kRed), Rect::xywh(n(), n(), 10 * n(), n()));
    c.frameRect({2, 3, 8, 8}, kBlue);
    EXPECT_EQ(deviceBox(b, kBlue), Rect::xywh(2 * n(), 3 * n(), 6 * n(), 5 * n()));
    // A one-unit frame: n device columns at each side, the inside untouched.
    EXPECT_EQ(deviceCount(b, kBlue), (6 * 5 - 4 * 3) * n() * n());
    c.setPixel(15, 7, kGreen);
    EXPECT_EQ(deviceBox(b, kGreen), Rect::xywh(15 * n(), 7 * n(), n(), n()));
    EXPECT_EQ(c.pixel(15, 7), kGreen);
    EXPECT_EQ(b.color(15, 7), kGreen);
    // A diagonal line is drawn in whole units too.
    Bitmap d(8, 8, colors::white, n());
    Canvas dc(d);
    dc.line({0, 0}, {4, 4}, kRed);
    EXPECT_EQ(deviceCount(d, kRed), 4 * n() * n());
}

TEST_P(ScaledCanvas, OriginAndClipStayInLayoutUnits) {
    Bitmap b(30, 20, colors::white, n());
    Canvas c(b);
    c.save();
    c.translate(5, 4);
    c.intersectClip({0, 0, 10, 6});
    EXPECT_EQ(c.origin(), (Point{5, 4}));
    EXPECT_EQ(c.clip(), (Rect{0, 0, 10, 6}));
    c.fillRect({-5, -5, 50, 50}, kRed);
    EXPECT_EQ(deviceBox(b, kRed), Rect::xywh(5 * n(), 4 * n(), 10 * n(), 6 * n()));
    c.restore();
    EXPECT_EQ(c.clip(), b.rect());
}

TEST_P(ScaledCanvas, PicturesOfTheSameScaleAreCopiedOthersEnlargedWholeUnits) {
    // A picture of the canvas's scale: its device pixels one for one, detail inside units kept.
    Bitmap fine(4, 2, kBlue, n());
    fine.setDevicePixel(1, 0, kRed.pixel());
    Bitmap b(10, 10, colors::white, n());
    Canvas c(b);
    c.drawBitmap(fine, {2, 3});
    EXPECT_EQ(Color::fromPixel(b.devicePixel(2 * n() + 1, 3 * n())), kRed);
    EXPECT_EQ(deviceCount(b, kRed), 1);
    EXPECT_EQ(deviceBox(b, kBlue).united(deviceBox(b, kRed)),
              Rect::xywh(2 * n(), 3 * n(), 4 * n(), 2 * n()));
    // A picture of scale 1: each of its pixels becomes a whole unit.
    Bitmap coarse(2, 1, kGreen);
    coarse.setColor(1, 0, kRed);
    Bitmap t(4, 4, colors::white, n());
    Canvas tc(t);
    tc.drawBitmap(coarse, {1, 1});
    EXPECT_EQ(deviceBox(t, kGreen), Rect::xywh(n(), n(), n(), n()));
    EXPECT_EQ(deviceBox(t, kRed), Rect::xywh(2 * n(), n(), n(), n()));
    // Stretched and keyed: the key colour's units are left as they were.
    Bitmap s(6, 2, colors::white, n());
    Canvas sc(s);
    sc.stretchBitmapKeyed(coarse, coarse.rect(), {0, 0, 6, 2}, kRed);
    EXPECT_EQ(deviceBox(s, kGreen), Rect::xywh(0, 0, 3 * n(), 2 * n()));
    EXPECT_EQ(deviceCount(s, kRed), 0);
}

TEST_P(ScaledCanvas, ABrushOfTheSameScaleRepeatsFromTheLocalOrigin) {
    // Rows of one unit each, alternating: n device rows red, n blue.
    Bitmap brush(1, 2, kRed, n());
    brush.setColor(0, 1, kBlue);
    Bitmap b(6, 6, colors::white, n());
    Canvas c(b);
    c.translate(0, 1);
    c.fillPattern({0, 0, 6, 4}, brush);
    for (int unit = 1; unit < 5; ++unit)
        for (int dy = 0; dy < n(); ++dy)
            ASSERT_EQ(Color::fromPixel(b.devicePixel(3, unit * n() + dy)),
                      (unit - 1) % 2 == 0 ? kRed : kBlue)
                << unit << "," << dy;
    EXPECT_EQ(b.color(0, 0), colors::white);
}

TEST_P(ScaledCanvas, TheFocusRectangleInvertsWholeUnits) {
    Bitmap b(6, 4, colors::white, n());
    Canvas c(b);
    c.drawFocusRect(b.rect());
    // Every other unit of the outline, starting at the corner: 8 of its 16 units.
    EXPECT_EQ(deviceCount(b, colors::black), 8 * n() * n());
    EXPECT_EQ(b.color(0, 0), colors::black);
    EXPECT_EQ(b.color(1, 0), colors::white);
}

TEST_P(ScaledCanvas, ABitmapKeepsItsPixelsAtAnotherScaleOnlyWhenTheyDivide) {
    Bitmap b(6, 6, kRed);
    b.setScale(n());
    EXPECT_EQ(b.size(), (Size{6 / n(), 6 / n()}));
    EXPECT_EQ(b.deviceWidth(), 6);
    Bitmap odd(7, 5, kRed);
    if (n() > 1) {
        EXPECT_THROW(odd.setScale(n()), Error);
    }
    EXPECT_THROW(odd.setScale(0), Error);
    // A copy of a part keeps the scale and the device pixels.
    Bitmap big(4, 4, kRed, n());
    big.setColor(1, 1, kBlue);
    const Bitmap part = big.copy({1, 1, 3, 3});
    EXPECT_EQ(part.scale(), n());
    EXPECT_EQ(part.color(0, 0), kBlue);
    EXPECT_EQ(part.color(1, 1), kRed);
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledCanvas, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace lymn
