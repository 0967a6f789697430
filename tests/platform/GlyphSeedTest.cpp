#include <gtest/gtest.h>

#include "platform/Canvas.h"
#include "platform/FontSystem.h"

namespace lymn {
namespace {

const FontSpec kSans{"MS Sans Serif", 11, false, colors::black};
const FontSpec kSansBold{"Tahoma", 11, true, colors::black};
const FontSpec kSong{"宋体", 13, false, colors::black};
const FontSpec kKai{"华文行楷", 16, false, colors::black};

// Draws the same lines in every face the layout uses, Chinese in a Latin face and a character
// no face has included.
Bitmap drawSamples(FontSystem& fonts) {
    Bitmap b(260, 90, colors::white);
    Canvas c(b, &fonts);
    c.drawTextAt(kSans, colors::black, {2, 2}, "Level 200 可支配");
    c.drawTextAt(kSansBold, colors::black, {2, 20}, "beta0.1");
    c.drawTextAt(kSong, colors::black, {2, 38}, "等级:生命 \U0001FFFD");
    c.drawTextAt(kKai, colors::black, {2, 60}, "软件说明:");
    return b;
}

// The byte offset of the first font file's recorded size.
size_t firstFileSize(const std::vector<uint8_t>& seed) {
    const size_t pathLength = seed[12] | (seed[13] << 8) | (seed[14] << 16) | (seed[15] << 24);
    return 16 + pathLength;
}

TEST(GlyphSeed, ASeededSystemDrawsWhatTheRenderingOneDrew) {
    FontSystem rendering;
    const Bitmap expected = drawSamples(rendering);
    const std::vector<uint8_t> seed = rendering.saveCache();

    FontSystem seeded;
    ASSERT_TRUE(seeded.seedCache(seed));
    // All but the character no face has: that it has none holds only while no font has it.
    EXPECT_EQ(seeded.cachedGlyphs(), rendering.cachedGlyphs() - 1);
    for (const FontSpec& f : {kSans, kSansBold, kSong, kKai}) {
        EXPECT_EQ(seeded.metrics(f).ascent, rendering.metrics(f).ascent);
        EXPECT_EQ(seeded.metrics(f).descent, rendering.metrics(f).descent);
    }
    EXPECT_EQ(drawSamples(seeded), expected);
    // Only that one was rendered, and the seed survives a second round unchanged.
    EXPECT_EQ(seeded.cachedGlyphs(), rendering.cachedGlyphs());
    EXPECT_EQ(seeded.saveCache(), seed);
    // The faces behind the seeded glyphs are still found when asked for.
    EXPECT_EQ(seeded.familyFor(kSans, U'可'), "AR PL UMing CN");
    // Texts the seed lacks are rendered as usual.
    EXPECT_EQ(seeded.textWidth(kSong, "力"), 13);
}

TEST(GlyphSeed, ASeedOfOtherFontsOrADamagedOneChangesNothing) {
    FontSystem rendering;
    drawSamples(rendering);
    const std::vector<uint8_t> seed = rendering.saveCache();
    ASSERT_GT(seed.size(), 64u);

    auto rejected = [](const std::vector<uint8_t>& bytes) {
        FontSystem fonts;
        const bool taken = fonts.seedCache(bytes);
        return !taken && fonts.cachedGlyphs() == 0;
    };
    // A font file of another size than the one the glyphs came from.
    std::vector<uint8_t> otherFont = seed;
    otherFont[firstFileSize(seed)] ^= 1;
    EXPECT_TRUE(rejected(otherFont));
    // A font file that is gone.
    std::vector<uint8_t> goneFont = seed;
    goneFont[16] = '#';
    EXPECT_TRUE(rejected(goneFont));
    // Another format, another version, cut short anywhere, or with bytes after the end.
    std::vector<uint8_t> magic = seed;
    magic[0] = 'X';
    EXPECT_TRUE(rejected(magic));
    std::vector<uint8_t> version = seed;
    version[4] = 99;
    EXPECT_TRUE(rejected(version));
    for (size_t n = 0; n < seed.size(); n += n < 64 ? 1 : 97)
        EXPECT_TRUE(rejected({seed.begin(), seed.begin() + static_cast<std::ptrdiff_t>(n)}))
            << "cut at " << n;
    std::vector<uint8_t> longer = seed;
    longer.push_back(0);
    EXPECT_TRUE(rejected(longer));
    EXPECT_TRUE(rejected({}));
}

}  // namespace
}  // namespace lymn
