// The layout's pictures at scales 2 and 3: the picture lists and the logo drawn for the scale and
// embedded, the page background and the glyphs drawn by rule.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "app/LayoutPictures.h"
#include "capture/JpegCodec.h"
#include "editors/TFlatImageList.h"
#include "platform/Resources.h"
#include "tests/support/Pixels.h"
#include "tools/lymn-art/LayoutArt.h"

namespace lymn {
namespace {

std::string listName(const char* list, int i, int scale) {
    char name[48];
    std::snprintf(name, sizeof name, "%s_%02d@%dx", list, i, scale);
    return name;
}

class ScaledLayoutPictures : public ::testing::TestWithParam<int> {
  protected:
    int n() const { return GetParam(); }
};

TEST_P(ScaledLayoutPictures, TheListsAndTheLogoAreStoredWithNTimesTheDevicePixels) {
    for (const auto& [list, count] : {std::pair{"IMAGELIST1", 21}, std::pair{"IMAGELIST2", 9}})
        for (int i = 0; i < count; ++i) {
            const auto bytes = resources::find(listName(list, i, n()));
            ASSERT_FALSE(bytes.empty()) << list << " " << i;
            const Bitmap b = Bitmap::fromBmp(bytes);
            EXPECT_EQ(b.deviceWidth(), 32 * n()) << list << " " << i;
            EXPECT_EQ(b.deviceHeight(), 32 * n()) << list << " " << i;
        }
    const auto logo = resources::find("LOGO@" + std::to_string(n()) + "x");
    ASSERT_FALSE(logo.empty());
    const jpeg::Info info = jpeg::inspect(logo);
    EXPECT_EQ(info.width, 160 * n());
    EXPECT_EQ(info.height, 60 * n());
    // The program's icon is drawn at scale 1 only.
    EXPECT_TRUE(resources::find("MAINICON@" + std::to_string(n()) + "x").empty());
}

// The build embeds what the generator draws at this scale, under this scale's names.
TEST_P(ScaledLayoutPictures, TheEmbeddedPicturesAreTheGeneratorsOutputAtTheScale) {
    const auto art = art::layoutPictures(n());
    ASSERT_EQ(art.imageList1.size(), 21u);
    ASSERT_EQ(art.imageList2.size(), 9u);
    for (const auto& [list, pictures] :
         {std::pair{"IMAGELIST1", &art.imageList1}, std::pair{"IMAGELIST2", &art.imageList2}})
        for (size_t i = 0; i < pictures->size(); ++i) {
            Bitmap stored = Bitmap::fromBmp(resources::find(listName(list, int(i), n())));
            stored.setScale(n());
            EXPECT_TRUE(stored == (*pictures)[i]) << list << " " << i;
        }
    const auto logo = resources::find("LOGO@" + std::to_string(n()) + "x");
    EXPECT_TRUE(std::equal(logo.begin(), logo.end(), art.logoJpeg.begin(), art.logoJpeg.end()));
    EXPECT_TRUE(art.icons.empty());
}

// The portraits' frames are two units wide, dark outside, gilt inside, their corners dark: each
// unit's colour over its whole block.
TEST_P(ScaledLayoutPictures, ThePickersListsComeAtTheScaleWithTheirFrames) {
    TFlatImageList portraits(32, 32), emblems(32, 32);
    loadImageList(portraits, "IMAGELIST1", 21, n());
    loadImageList(emblems, "IMAGELIST2", 9, n());
    EXPECT_EQ(portraits.scale(), n());
    EXPECT_EQ(portraits.count(), 21);
    EXPECT_EQ(emblems.count(), 9);
    TFlatImageList one(32, 32);
    loadImageList(one, "IMAGELIST1", 21);
    for (int i = 0; i < 21; ++i) {
        const Bitmap& p = portraits.picture(i);
        EXPECT_EQ(p.scale(), n()) << i;
        EXPECT_EQ(p.size(), (Size{32, 32})) << i;
        for (uint32_t px : p.pixels()) ASSERT_EQ(px >> 24, 0xFFu) << i;
        if (i == 20) continue;  // the lantern has no frame
        EXPECT_TRUE(test::blockIs(p, 0, 0, Color::rgb(0x6B4A1E))) << i;
        EXPECT_TRUE(test::blockIs(p, 16, 1, Color::rgb(0xE8C25A))) << i;
        EXPECT_TRUE(test::blockIs(p, 1, 1, Color::rgb(0x6B4A1E))) << i;
        for (const Rect& ring :
             {Rect{0, 0, 32, 2}, Rect{0, 30, 32, 32}, Rect{0, 0, 2, 32}, Rect{30, 0, 32, 32}})
            if (const auto at = test::firstBlockDifference(one.picture(i), p, ring))
                ADD_FAILURE() << "portrait " << i << ": unit (" << at->x << ", " << at->y << ")";
    }
    for (int i = 0; i < 9; ++i) {
        EXPECT_EQ(emblems.picture(i).scale(), n()) << i;
        EXPECT_EQ(emblems.picture(i).size(), (Size{32, 32})) << i;
    }
}

// The emblems' discs keep their size: the bounds of what is not white, N times the scale-1 ones
// to within a unit.
TEST_P(ScaledLayoutPictures, TheEmblemDiscsKeepTheirProportions) {
    TFlatImageList emblems(32, 32), one(32, 32);
    loadImageList(emblems, "IMAGELIST2", 9, n());
    loadImageList(one, "IMAGELIST2", 9);
    const int k = n();
    for (int i = 1; i < 9; ++i) {
        const Bitmap& a = one.picture(i);
        const Bitmap& b = emblems.picture(i);
        Bitmap device = b;
        device.setScale(1);
        const Rect small = test::inkBox(a, a.rect(), colors::white);
        const Rect big = test::inkBox(device, device.rect(), colors::white);
        EXPECT_TRUE(big.left >= k * small.left && big.left < k * small.left + k) << i;
        EXPECT_TRUE(big.right <= k * small.right && big.right > k * small.right - k) << i;
        EXPECT_TRUE(big.top >= k * small.top && big.top < k * small.top + k) << i;
        EXPECT_TRUE(big.bottom <= k * small.bottom && big.bottom > k * small.bottom - k) << i;
    }
}

// The logo at the scale is the scale-1 logo drawn finer: inside the frames, around the lantern,
// the average of each unit's block is close to the unit's colour at scale 1 (the text, drawn
// from outlines above scale 1, and the thin frames, whose colours the JPEG blurs, differ more;
// the emoji is resampled from the font's bitmap at each size).
TEST_P(ScaledLayoutPictures, TheLogoIsTheSamePictureWithNTimesThePixels) {
    const Bitmap logo = communityLogo(n()), one = communityLogo();
    EXPECT_EQ(logo.scale(), n());
    EXPECT_EQ(logo.size(), (Size{160, 60}));
    EXPECT_EQ(logo.deviceWidth(), 160 * n());
    EXPECT_EQ(logo.deviceHeight(), 60 * n());
    const int k = n();
    const Rect lantern{4, 4, 52, 56};
    long difference = 0;
    for (int y = lantern.top; y < lantern.bottom; ++y)
        for (int x = lantern.left; x < lantern.right; ++x) {
            int r = 0, g = 0, b = 0;
            for (int dy = 0; dy < k; ++dy)
                for (int dx = 0; dx < k; ++dx) {
                    const Color c = Color::fromPixel(logo.devicePixel(x * k + dx, y * k + dy));
                    r += c.r, g += c.g, b += c.b;
                }
            const Color u = one.color(x, y);
            difference += std::abs(r / (k * k) - u.r) + std::abs(g / (k * k) - u.g) +
                          std::abs(b / (k * k) - u.b);
        }
    // About 12 here; the scale-1 logo one unit to the side differs by about 18.
    EXPECT_LT(difference / (lantern.width() * lantern.height()), 15);
}

TEST_P(ScaledLayoutPictures, ThePageBackgroundRowsAreUnitsOfNDeviceRows) {
    const Bitmap b = pageBackground(n());
    EXPECT_EQ(b.scale(), n());
    EXPECT_EQ(b.size(), (Size{454, 519}));
    const uint32_t rows[4] = {0xEFEFEF, 0xE8E8E8, 0xEFEFEF, 0xFFFFFF};
    for (int y = 0; y < b.deviceHeight(); ++y) {
        const uint32_t want = Color::rgb(rows[y / n() % 4]).pixel();
        const uint32_t* row = b.row(y);
        for (int x = 0; x < b.deviceWidth(); ++x) ASSERT_EQ(row[x], want) << x << ", " << y;
    }
}

// The glyphs' facts of scale 1 over whole blocks.
TEST_P(ScaledLayoutPictures, TheGlyphsHoldTheirUnitsOverWholeBlocks) {
    const Bitmap up = upGlyph(n()), down = downGlyph(n());
    for (const Bitmap* g : {&up, &down}) {
        EXPECT_EQ(g->scale(), n());
        EXPECT_EQ(g->size(), (Size{17, 8}));
    }
    const Color fill = Color::rgb(0x9EBEF5);
    EXPECT_TRUE(test::blockIs(up, 8, 2, colors::black));
    EXPECT_TRUE(test::blockIs(up, 7, 2, fill));
    EXPECT_TRUE(test::blockIs(up, 6, 4, colors::black));
    EXPECT_TRUE(test::blockIs(up, 10, 4, colors::black));
    EXPECT_TRUE(test::blockIs(up, 5, 4, fill));
    for (int x = 0; x < 17; ++x) {
        EXPECT_TRUE(test::blockIs(up, x, 0, colors::white)) << x;
        EXPECT_TRUE(test::blockIs(up, x, 7, colors::white)) << x;
        EXPECT_TRUE(test::blockIs(down, x, 0, colors::white)) << x;
    }
    EXPECT_TRUE(test::blockIs(down, 0, 7, colors::white));
    EXPECT_TRUE(test::blockIs(down, 16, 7, colors::white));
    EXPECT_TRUE(test::blockIs(down, 8, 7, fill));
    EXPECT_TRUE(test::blockIs(down, 8, 5, colors::black));
    EXPECT_TRUE(test::blockIs(down, 6, 3, colors::black));
    EXPECT_TRUE(test::blockIs(down, 7, 5, fill));
    EXPECT_TRUE(test::blockIs(up, 0, 3, colors::white));
    // And every other unit as at scale 1.
    EXPECT_FALSE(test::firstBlockDifference(upGlyph(), up, up.rect()));
    EXPECT_FALSE(test::firstBlockDifference(downGlyph(), down, down.rect()));
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledLayoutPictures, ::testing::Values(2, 3));

}  // namespace
}  // namespace lymn
