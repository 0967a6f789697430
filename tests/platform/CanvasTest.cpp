#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "platform/Error.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

const Color kRed = Color::rgb(0xFF0000);
const Color kBlue = Color::rgb(0x0000FF);

TEST(Canvas, FillFrameAndLineStayInsideTheirRectangles) {
    Bitmap b(20, 10, colors::white);
    Canvas c(b);
    c.fillRect({2, 2, 5, 4}, kRed);
    EXPECT_EQ(test::countColor(b, b.rect(), kRed), 6);
    EXPECT_TRUE(test::allColor(b, {2, 2, 5, 4}, kRed));

    c.frameRect({8, 1, 12, 5}, kBlue);
    EXPECT_EQ(test::countColor(b, b.rect(), kBlue), 12);
    EXPECT_EQ(b.color(9, 2), colors::white);

    // The end point of a line is not drawn, in either direction.
    c.line({0, 8}, {5, 8}, kBlue);
    EXPECT_EQ(b.color(4, 8), kBlue);
    EXPECT_EQ(b.color(5, 8), colors::white);
    c.line({15, 9}, {15, 6}, kRed);
    EXPECT_EQ(b.color(15, 9), kRed);
    EXPECT_EQ(b.color(15, 6), colors::white);
    // A diagonal line.
    c.line({16, 0}, {19, 3}, kRed);
    EXPECT_EQ(b.color(16, 0), kRed);
    EXPECT_EQ(b.color(18, 2), kRed);
    EXPECT_EQ(b.color(19, 3), colors::white);
}

TEST(Canvas, OriginAndClipAreSavedAndRestored) {
    Bitmap b(20, 20, colors::white);
    Canvas c(b);
    {
        CanvasSaver s(c);
        c.translate(5, 5);
        c.intersectClip({0, 0, 4, 4});
        EXPECT_EQ(c.clip(), Rect(0, 0, 4, 4));
        c.fillRect({-10, -10, 100, 100}, kRed);
        {
            CanvasSaver inner(c);
            c.translate(2, 2);
            EXPECT_EQ(c.origin(), Point(7, 7));
            EXPECT_EQ(c.clip(), Rect(-2, -2, 2, 2));
            c.fillRect({0, 0, 1, 1}, kBlue);
        }
        EXPECT_EQ(c.origin(), Point(5, 5));
        EXPECT_EQ(c.depth(), 1);
    }
    EXPECT_EQ(c.depth(), 0);
    EXPECT_EQ(c.origin(), Point(0, 0));
    EXPECT_EQ(test::inkBox(b, b.rect(), colors::white), Rect(5, 5, 9, 9));
    EXPECT_EQ(b.color(7, 7), kBlue);
    // After the restore the whole bitmap can be drawn again.
    c.fillRect({0, 0, 1, 1}, kBlue);
    EXPECT_EQ(b.color(0, 0), kBlue);
    EXPECT_THROW(c.restore(), Error);
}

TEST(Canvas, BitmapCopiesStretchesAndKeyColour) {
    Bitmap src(3, 2);
    const Color cols[6] = {Color::rgb(0x010101), Color::rgb(0x020202), colors::key,
                           Color::rgb(0x040404), Color::rgb(0x050505), Color::rgb(0x060606)};
    for (int i = 0; i < 6; ++i) src.setColor(i % 3, i / 3, cols[i]);

    Bitmap b(10, 10, colors::white);
    Canvas c(b);
    c.drawBitmap(src, {8, 9});  // clipped at the bottom right
    EXPECT_EQ(b.color(8, 9), cols[0]);
    EXPECT_EQ(b.color(9, 9), cols[1]);

    c.drawBitmapKeyed(src, src.rect(), {0, 0}, colors::key);
    EXPECT_EQ(b.color(2, 0), colors::white);  // the key pixel is left out
    EXPECT_EQ(b.color(2, 1), cols[5]);

    // Nearest-neighbour stretch: 3 columns over 6, 2 rows over 4.
    Bitmap s(6, 4, colors::white);
    Canvas sc(s);
    sc.stretchBitmap(src, src.rect(), {0, 0, 6, 4});
    EXPECT_EQ(s.color(0, 0), cols[0]);
    EXPECT_EQ(s.color(1, 1), cols[0]);
    EXPECT_EQ(s.color(3, 0), cols[1]);
    EXPECT_EQ(s.color(5, 3), cols[5]);
    EXPECT_EQ(s.color(4, 0), colors::key);  // no key colour here: drawn as it is

    Bitmap k(6, 4, colors::white);
    Canvas kc(k);
    kc.stretchBitmapKeyed(src, src.rect(), {0, 0, 6, 4}, colors::key);
    EXPECT_EQ(k.color(4, 0), colors::white);
    EXPECT_EQ(k.color(5, 1), colors::white);
    EXPECT_EQ(k.color(4, 2), cols[5]);
}

TEST(Canvas, PatternBrushStartsAtTheLocalOrigin) {
    Bitmap pattern(2, 2);
    pattern.setColor(0, 0, kRed);
    pattern.setColor(1, 0, kBlue);
    pattern.setColor(0, 1, kBlue);
    pattern.setColor(1, 1, kRed);
    Bitmap b(10, 10, colors::white);
    Canvas c(b);
    c.translate(3, 3);
    c.fillPattern({0, 0, 4, 4}, pattern);
    EXPECT_EQ(b.color(3, 3), kRed);
    EXPECT_EQ(b.color(4, 3), kBlue);
    EXPECT_EQ(b.color(6, 6), kRed);
    EXPECT_EQ(b.color(2, 2), colors::white);
    EXPECT_EQ(b.color(7, 7), colors::white);
    c.translate(-3, -3);
}

TEST(Canvas, FocusRectangleInvertsEveryOtherPixel) {
    Bitmap b(6, 4, colors::white);
    Canvas c(b);
    c.drawFocusRect({0, 0, 6, 4});
    EXPECT_EQ(b.color(0, 0), colors::black);
    EXPECT_EQ(b.color(1, 0), colors::white);
    EXPECT_EQ(b.color(2, 0), colors::black);
    EXPECT_EQ(b.color(2, 2), colors::white);  // inside untouched
    c.drawFocusRect({0, 0, 6, 4});            // drawing twice restores
    EXPECT_TRUE(test::allColor(b, b.rect(), colors::white));
}

TEST(Canvas, GreyedBitmapEmbossesDarkPixels) {
    Bitmap src(3, 3, colors::white);
    src.setColor(1, 1, colors::black);
    Bitmap b(5, 5, sysColor(SysColor::ButtonFace));
    Canvas c(b);
    c.drawBitmapGreyed(src, {0, 0}, colors::white);
    EXPECT_EQ(b.color(1, 1), sysColor(SysColor::ButtonShadow));
    EXPECT_EQ(b.color(2, 2), sysColor(SysColor::ButtonHighlight));
    EXPECT_EQ(b.color(0, 0), sysColor(SysColor::ButtonFace));
}

TEST(Canvas, WindowSizedPicturesGrowShrinkAndCopyLikeSmallOnes) {
    // Small pictures live on the heap, window-sized ones in memory of their own: a picture
    // crossing between the two keeps its pixels, and copies are equal.
    Bitmap b(4, 4, kRed);
    b.setColor(3, 3, kBlue);
    b.pixels().resize(440 * 535, kBlue.pixel());
    EXPECT_EQ(b.pixels()[15], kBlue.pixel());
    EXPECT_EQ(b.pixels()[14], kRed.pixel());
    EXPECT_EQ(b.pixels().back(), kBlue.pixel());
    b.resize(440, 535, kRed);
    b.setColor(439, 534, kBlue);
    const Bitmap copy = b;
    EXPECT_EQ(copy, b);
    EXPECT_EQ(copy.color(439, 534), kBlue);
    EXPECT_EQ(copy.copy({400, 500, 440, 535}).color(39, 34), kBlue);
    b.resize(2, 2, kBlue);
    b.pixels().shrink_to_fit();
    EXPECT_EQ(b.color(1, 1), kBlue);
    EXPECT_EQ(copy.color(0, 0), kRed);
}

TEST(Canvas, BmpFilesRoundTrip) {
    Bitmap b(5, 3, kRed);
    b.setColor(4, 2, kBlue);
    const auto bytes = b.toBmp(24);
    Bitmap back = Bitmap::fromBmp(bytes);
    EXPECT_EQ(back.size(), b.size());
    EXPECT_EQ(back.color(4, 2), kBlue);
    EXPECT_EQ(back.color(0, 0), kRed);
    const auto bytes32 = b.toBmp(32);
    EXPECT_EQ(bytes32[28], 32);
    EXPECT_EQ(Bitmap::fromBmp(bytes32).color(4, 2), kBlue);
    std::vector<uint8_t> broken(bytes.begin(), bytes.begin() + 60);
    EXPECT_THROW(Bitmap::fromBmp(broken), Error);
    EXPECT_THROW(Bitmap::fromBmp(std::vector<uint8_t>(10, 0)), Error);
}

}  // namespace
}  // namespace lymn
