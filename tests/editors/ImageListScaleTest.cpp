// A picture list at a scale above 1: its stored forms hold scale x scale pixels a unit, its
// pictures keep the layout size of the list.
#include <gtest/gtest.h>

#include <span>

#include "editors/TFlatImageList.h"
#include "platform/Error.h"

namespace lymn {
namespace {

// A picture whose device pixels all differ from their neighbours: a colour per device pixel.
Bitmap detailed(int scale) {
    Bitmap b(32, 32, colors::black, scale);
    for (int y = 0; y < b.deviceHeight(); ++y)
        for (int x = 0; x < b.deviceWidth(); ++x)
            b.setDevicePixel(x, y, Color::rgb(0x010000u * x + 0x000100u * y + 0x40).pixel());
    return b;
}

uint32_t storedWidth(const std::vector<uint8_t>& stored) {
    // After the 4-byte length: the file header (14 bytes), then the width.
    return stored[4 + 18] | (stored[4 + 19] << 8);
}

TEST(ImageListScale, AStoredPictureOfTheScaleComesBackWithTheListsLayoutSize) {
    for (int scale : {2, 3}) {
        TFlatImageList list(32, 32);
        list.setScale(scale);
        const Bitmap picture = detailed(scale);
        list.addStored(TFlatImageList::storedForm(picture.toBmp(32)));
        EXPECT_EQ(list.scale(), scale);
        EXPECT_EQ(list.picture(0).scale(), scale);
        EXPECT_EQ(list.picture(0).size(), (Size{32, 32}));
        EXPECT_TRUE(list.picture(0) == picture);
        EXPECT_EQ(storedWidth(list.stored(0)), 32u * scale);
    }
}

TEST(ImageListScale, PicturesOfAnotherSizeOrScaleAreRefused) {
    TFlatImageList list(32, 32);
    list.setScale(2);
    // 32 x 32 pixels are 16 x 16 units at scale 2.
    EXPECT_THROW(list.addStored(TFlatImageList::storedForm(detailed(1).toBmp(32))), Error);
    list.addStored(TFlatImageList::storedForm(detailed(2).toBmp(32)));
    EXPECT_NO_THROW(list.setScale(2));
    EXPECT_THROW(list.setScale(3), Error);
    EXPECT_EQ(list.scale(), 2);
}

// A picture added as a bitmap is taken to the list's scale: a scale-1 picture's units fill whole
// blocks, and the stored form has the list's pixels.
TEST(ImageListScale, AnAddedPictureIsTakenToTheListsScale) {
    TFlatImageList list(32, 32);
    list.setScale(3);
    const Bitmap small = detailed(1);
    list.add(small);
    const Bitmap& p = list.picture(0);
    EXPECT_EQ(p.scale(), 3);
    EXPECT_EQ(p.size(), (Size{32, 32}));
    for (int y = 0; y < p.deviceHeight(); ++y)
        for (int x = 0; x < p.deviceWidth(); ++x)
            ASSERT_EQ(p.devicePixel(x, y), small.pixel(x / 3, y / 3)) << x << ", " << y;
    EXPECT_EQ(storedWidth(list.stored(0)), 96u);
    EXPECT_TRUE(Bitmap::fromBmp(std::span(list.stored(0)).subspan(4)) == [&] {
        Bitmap same = p;
        same.setScale(1);
        return same;
    }());
}

// Greyed, each device pixel is the brightness of the picture's, halfway to the button face: a
// picture of the canvas's scale keeps its detail.
TEST(ImageListScale, AGreyedPictureKeepsItsDevicePixels) {
    for (int scale : {1, 2}) {
        TFlatImageList list(32, 32);
        list.setScale(scale);
        const Bitmap picture = detailed(scale);
        list.add(picture);
        Bitmap target(40, 40, colors::white, scale);
        Canvas c(target);
        list.draw(c, 0, {4, 4}, false);
        const Color face = sysColor(SysColor::ButtonFace);
        for (int y = 0; y < picture.deviceHeight(); ++y)
            for (int x = 0; x < picture.deviceWidth(); ++x) {
                const Color col = Color::fromPixel(picture.devicePixel(x, y));
                const auto g = static_cast<uint8_t>((col.r * 30 + col.g * 59 + col.b * 11) / 100);
                ASSERT_EQ(Color::fromPixel(target.devicePixel(4 * scale + x, 4 * scale + y)),
                          blend(Color{g, g, g}, face, 128))
                    << scale << ": " << x << ", " << y;
            }
        EXPECT_EQ(target.color(3, 3), colors::white);
        EXPECT_EQ(target.color(36, 36), colors::white);
    }
}

}  // namespace
}  // namespace lymn
