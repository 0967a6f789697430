#include <gtest/gtest.h>

#include "capture/JpegCodec.h"
#include "capture/ScreenshotName.h"
#include "platform/Error.h"

namespace lymn {
namespace {

TEST(ScreenshotName, TwelveDigitsOfTheLocalTimeWhateverTheSeparators) {
    const clock::LocalTime t{2008, 3, 5, 14, 7, 9};
    EXPECT_EQ(formatDateTime(t, {'/', ':'}), "2008/03/05 14:07:09");
    EXPECT_EQ(screenshotFileName(t, {'/', ':'}), "080305140709.jpg");
    // A locale with "-" and "." (and the German one with ".") gives the same name.
    EXPECT_EQ(formatDateTime(t, {'-', '.'}), "2008-03-05 14.07.09");
    EXPECT_EQ(screenshotFileName(t, {'-', '.'}), "080305140709.jpg");
    EXPECT_EQ(screenshotFileName(t, clock::separatorsFromFormats("%d.%m.%Y", "%H:%M:%S")),
              "080305140709.jpg");
    EXPECT_EQ(screenshotFileName({2026, 12, 31, 23, 59, 58}, {'/', ':'}), "261231235958.jpg");
    EXPECT_EQ(screenshotFileName({2000, 1, 1, 0, 0, 0}, {'/', ':'}), "000101000000.jpg");
}

TEST(Jpeg, TheScreenshotEncodingReadsBackAsBaselineFullColour) {
    Bitmap picture(440, 535, Color::rgb(0xE7E7E7));
    for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 129; ++x) picture.setColor(86 + x, 300 + y, Color::rgb(0x008040));
    const auto bytes = jpeg::encode(picture);
    const jpeg::Info info = jpeg::inspect(bytes);
    EXPECT_EQ(info.width, 440);
    EXPECT_EQ(info.height, 535);
    EXPECT_EQ(info.components, 3);
    EXPECT_TRUE(info.baseline);
    EXPECT_TRUE(info.sof0);
    EXPECT_FALSE(info.progressive);
    EXPECT_TRUE(info.jfif);
    EXPECT_EQ(info.colorSpace, 3);  // YCbCr
    // Quality 90: the first luminance value of the scaled standard table (16 * 20 / 100).
    EXPECT_EQ(info.quantTable0, 3);
    const Bitmap back = jpeg::decode(bytes);
    EXPECT_EQ(back.size(), Size(440, 535));
    const Color green = back.color(150, 350);
    EXPECT_NEAR(green.g, 0x80, 6);
    EXPECT_NEAR(green.r, 0, 6);
    // Rows run from top to bottom: the green band is where it was.
    EXPECT_NEAR(back.color(150, 250).g, 0xE7, 6);
    EXPECT_THROW(jpeg::decode(std::vector<uint8_t>{1, 2, 3, 4}), Error);
}

}  // namespace
}  // namespace lymn
