#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "platform/FontSystem.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

FontSystem& fonts() {
    static FontSystem f;
    return f;
}

const FontSpec kSans{"MS Sans Serif", 11, false, colors::black};
const FontSpec kSong{"宋体", 13, false, colors::black};

TEST(Text, FacesAreMappedExplicitly) {
    EXPECT_EQ(fonts().familyFor(kSong, U'力'), "AR PL UMing CN");
    EXPECT_EQ(fonts().familyFor(kSong, U'A'), "AR PL UMing CN");
    EXPECT_EQ(fonts().familyFor(kSans, U'A'), "DejaVu Sans");
    EXPECT_EQ(fonts().familyFor({"Tahoma", 11, true}, U'A'), "DejaVu Sans");
    // Chinese in a Latin face falls back to the Song face.
    EXPECT_EQ(fonts().familyFor(kSans, U'角'), "AR PL UMing CN");
    EXPECT_EQ(fonts().familyFor({"华文行楷", 16, false}, U'软'), "AR PL UKai CN");
}

TEST(Text, LineHeightsAreTheDesktopCellHeights) {
    // The form font's text line is 13 pixels, which the edits' automatic heights rely on.
    EXPECT_EQ(fonts().metrics(kSans).height(), 13);
    EXPECT_EQ(fonts().metrics({"Tahoma", 11, true}).height(), 13);
    EXPECT_GE(fonts().metrics(kSong).height(), 13);
    EXPECT_LE(fonts().metrics(kSong).height(), 15);
}

TEST(Text, WidthsAddUpAndBoldIsWider) {
    const int a = fonts().textWidth(kSans, "12");
    const int b = fonts().textWidth(kSans, "3");
    EXPECT_GT(a, 0);
    EXPECT_EQ(fonts().textWidth(kSans, "123"), a + b);
    EXPECT_EQ(fonts().textWidth(kSans, ""), 0);
    FontSpec bold = kSans;
    bold.bold = true;
    EXPECT_GT(fonts().textWidth(bold, "1234567890"), fonts().textWidth(kSans, "1234567890"));
    // The Song face's strikes: a Chinese character is as wide as the font is high, bold one more.
    EXPECT_EQ(fonts().textWidth(kSong, "力"), 13);
    FontSpec songBold = kSong;
    songBold.bold = true;
    EXPECT_EQ(fonts().textWidth(songBold, "力"), 14);
}

TEST(Text, DrawnTextStaysInItsBoxAndFollowsAlignment) {
    Bitmap b(200, 40, colors::white);
    Canvas c(b, &fonts());
    const Rect r{10, 5, 190, 35};
    c.drawText(kSong, colors::black, r, "等级:", text::Left | text::Top);
    const Rect ink = test::inkBox(b, b.rect(), colors::white);
    ASSERT_FALSE(ink.empty());
    EXPECT_GE(ink.left, 10);
    EXPECT_LE(ink.left, 12);
    EXPECT_GE(ink.top, 5);
    EXPECT_LE(ink.bottom, 5 + 15);
    EXPECT_LE(ink.right, 10 + fonts().textWidth(kSong, "等级:"));

    Bitmap rb(200, 40, colors::white);
    Canvas rc(rb, &fonts());
    rc.drawText(kSong, colors::black, r, "等级:", text::Right | text::VCenter);
    const Rect rink = test::inkBox(rb, rb.rect(), colors::white);
    EXPECT_LE(rink.right, 190);
    EXPECT_GE(rink.right, 190 - 5);
    const int mid = (rink.top + rink.bottom) / 2;
    EXPECT_NEAR(mid, 20, 3);

    Bitmap cb(200, 40, colors::white);
    Canvas cc(cb, &fonts());
    cc.drawText(kSong, colors::black, r, "等级:", text::HCenter | text::VCenter);
    const Rect cink = test::inkBox(cb, cb.rect(), colors::white);
    EXPECT_NEAR((cink.left + cink.right) / 2, 100, 4);
}

TEST(Text, TextIsClippedToItsRectangle) {
    Bitmap b(100, 30, colors::white);
    Canvas c(b, &fonts());
    c.drawText(kSong, colors::black, {0, 0, 20, 30}, "可支配属性点:");
    EXPECT_LE(test::inkBox(b, b.rect(), colors::white).right, 20);
    Bitmap u(100, 30, colors::white);
    Canvas uc(u, &fonts());
    uc.drawText(kSong, colors::black, {0, 0, 20, 30}, "可支配属性点:", text::NoClip);
    EXPECT_GT(test::inkBox(u, u.rect(), colors::white).right, 20);
}

TEST(Text, AmpersandMarksTheAcceleratorAndIsNotDrawn) {
    const PrefixedText p = processPrefix("&File && Edit");
    EXPECT_EQ(p.display, "File & Edit");
    EXPECT_EQ(p.underline, 0);
    EXPECT_EQ(p.accelerator, U'F');
    EXPECT_EQ(processPrefix("截&图").underline, 1);
    EXPECT_EQ(processPrefix("plain").underline, -1);

    Bitmap one(1, 1);
    Canvas probe(one, &fonts());
    EXPECT_EQ(probe.measureText(kSans, "&Ab").width, fonts().textWidth(kSans, "Ab"));
    EXPECT_EQ(probe.measureText(kSans, "&Ab", text::NoPrefix).width,
              fonts().textWidth(kSans, "&Ab"));

    // The accelerator is underlined one pixel below the baseline.
    Bitmap b(60, 20, colors::white);
    Canvas c(b, &fonts());
    c.drawText(kSans, colors::black, {0, 0, 60, 20}, "&W");
    const int underline = fonts().metrics(kSans).ascent + 1;
    EXPECT_GT(test::countColor(b, {0, underline, 60, underline + 1}, colors::black), 5);
    Bitmap n(60, 20, colors::white);
    Canvas nc(n, &fonts());
    nc.drawText(kSans, colors::black, {0, 0, 60, 20}, "W");
    EXPECT_EQ(test::countColor(n, {0, underline, 60, underline + 1}, colors::black), 0);
}

TEST(Text, GlyphsAreCached) {
    FontSystem f;
    f.textWidth(kSans, "abc");
    const size_t n = f.cachedGlyphs();
    f.textWidth(kSans, "cab");
    EXPECT_EQ(f.cachedGlyphs(), n);
    f.textWidth(kSans, "d");
    EXPECT_EQ(f.cachedGlyphs(), n + 1);
}

}  // namespace
}  // namespace lymn
