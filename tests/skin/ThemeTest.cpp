#include <gtest/gtest.h>

#include "platform/Error.h"
#include "platform/Resources.h"
#include "skin/ThemeTable.h"
#include "tools/lymn-art/ThemeArt.h"

namespace lymn {
namespace {

TEST(Theme, TypedLookupsAndTheirFallbacks) {
    EXPECT_EQ(GetThemeInt(TSkinUIStyle::Custom, 4), -1);
    EXPECT_EQ(GetThemeColor(TSkinUIStyle::Custom, 2), colors::black);
    EXPECT_EQ(GetThemeString(TSkinUIStyle::Custom, 24), "");
    EXPECT_EQ(GetThemeElement(TSkinUIStyle::Custom, 24).kind, TSkinType::Int);
    EXPECT_EQ(GetThemeColor(TSkinUIStyle::Pinstripe, 24), colors::black);  // a Str row
    EXPECT_EQ(GetThemeString(TSkinUIStyle::Pinstripe, 2), "");             // a Color row
    EXPECT_EQ(GetThemeInt(TSkinUIStyle::Pinstripe, 2), -1);
    EXPECT_FALSE(GetThemeBool(TSkinUIStyle::Pinstripe, 4));
    EXPECT_EQ(GetThemeString(TSkinUIStyle::Sky, 63), "SKY_TITLEBTN_RST_NORMAL");
    EXPECT_EQ(GetThemeString(TSkinUIStyle::Pinstripe, 63), "PINSTRIPE_TITLEBTN_MAX_NORMAL");
    EXPECT_EQ(GetThemeString(TSkinUIStyle::Glass, 64), "GLASS_TITLEBTN_MAX_MOUSEON");
    EXPECT_EQ(GetThemeString(TSkinUIStyle::Glass, 70), "GLASS_TAB_ACTIVE");
    EXPECT_EQ(GetThemeString(TSkinUIStyle::Navy, 23), "MENU_CHECKED");
}

TEST(Theme, TheRowsTheWindowReads) {
    using S = TSkinUIStyle;
    EXPECT_EQ(GetThemeColor(S::Pinstripe, 2), Color::rgb(0x7F7F7F));
    EXPECT_EQ(GetThemeColor(S::Sky, 2), Color::rgb(0x002CC8));
    // Colours are kept as 0x00BBGGRR.
    EXPECT_EQ(GetThemeElement(S::Sky, 2).value, 0xC82C00);
    EXPECT_EQ(GetThemeColor(S::Pearl, 3), Color::rgb(0xFBFBFB));
    EXPECT_EQ(GetThemeInt(S::Sky, 4), 3);
    EXPECT_EQ(GetThemeInt(S::Glass, 6), 270);
    EXPECT_EQ(GetThemeInt(S::Sky, 7), 13);
    EXPECT_EQ(GetThemeColor(S::Sky, 8), Color::rgb(0x686868));
    EXPECT_EQ(GetThemeColor(S::Sky, 9), Color::rgb(0xEFEBDE));
    EXPECT_TRUE(GetThemeBool(S::Pearl, 66));
    EXPECT_FALSE(GetThemeBool(S::Navy, 66));
    EXPECT_EQ(GetThemeInt(S::Glass, 67), 4);
    EXPECT_EQ(GetThemeInt(S::Glass, 68), -3);
    EXPECT_EQ(GetThemeInt(S::Sky, 69), 5);
    EXPECT_EQ(GetThemeInt(S::Pinstripe, 73), 34);
    EXPECT_EQ(GetThemeInt(S::Glass, 73), 22);
    for (int s = 1; s <= 5; ++s) EXPECT_EQ(GetThemeInt(static_cast<S>(s), 1), s);
    // Every row has one kind for all styles.
    for (int i = 1; i <= 91; ++i)
        for (int s = 2; s <= 5; ++s)
            EXPECT_EQ(GetThemeElement(static_cast<S>(s), i).kind,
                      GetThemeElement(S::Pinstripe, i).kind)
                << i;
}

TEST(Theme, EveryPictureNameIsInTheStoreAtItsSize) {
    for (const auto& name : themePictureNames()) {
        SCOPED_TRACE(name);
        Bitmap b;
        ASSERT_NO_THROW(LoadThemeBitmap(b, name));
        EXPECT_FALSE(b.empty());
    }
    struct Expect {
        const char* name;
        int w, h;
    };
    const Expect sizes[] = {{"PINSTRIPE_BUTTON_NORMAL", 84, 23},
                            {"SKY_BUTTON_MOUSEON", 18, 21},
                            {"NAVY_BUTTON_MOUSEDOWN", 74, 21},
                            {"PEARL_BUTTON_NORMAL", 74, 21},
                            {"GLASS_BUTTON_NORMAL", 77, 27},
                            {"PINSTRIPE_TITLE_LEFT", 48, 23},
                            {"SKY_TITLE_CLIENT", 37, 29},
                            {"NAVY_TITLE_RIGHT", 97, 32},
                            {"PEARL_TITLE_LEFT", 441, 23},
                            {"PEARL_TITLE_CLIENT", 1, 23},
                            {"GLASS_TITLE_CLIENT", 179, 33},
                            {"GLASS_TITLE_RIGHT", 101, 33},
                            {"PINSTRIPE_TITLEBTN_CLOSE_NORMAL", 17, 17},
                            {"SKY_TITLEBTN_RST_MOUSEDOWN", 21, 21},
                            {"NAVY_TITLEBTN_MIN_MOUSEON", 19, 19},
                            {"PINSTRIPE_TAB_ACTIVE", 18, 27},
                            {"SKY_TAB_INACTIVE", 9, 18},
                            {"NAVY_TAB_ACTIVE", 6, 17},
                            {"GLASS_TAB_ACTIVE", 9, 17},
                            {"PINSTRIPE_TAB_LINE", 17, 7},
                            {"SKY_TAB_LINE", 8, 1},
                            {"NAVY_TAB_LINE", 5, 5},
                            {"PEARL_TAB_LINE", 10, 5},
                            {"PINSTRIPE_FORM_BACKGROUND", 8, 8},
                            {"PEARL_FORM_BACKGROUND", 8, 8}};
    for (const Expect& e : sizes) {
        Bitmap b;
        LoadThemeBitmap(b, e.name);
        EXPECT_EQ(b.size(), Size(e.w, e.h)) << e.name;
    }
    Bitmap b;
    EXPECT_THROW(LoadThemeBitmap(b, "NO_SUCH_PICTURE"), Error);
}

TEST(Theme, ThePicturesTheWindowShowsHaveTheirColours) {
    Bitmap p;
    LoadThemeBitmap(p, "PINSTRIPE_FORM_BACKGROUND");
    const uint32_t rows[8] = {0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF,
                              0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF};
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x) EXPECT_EQ(p.color(x, y), Color::rgb(rows[y]));
    for (const char* name :
         {"PINSTRIPE_TITLE_LEFT", "PINSTRIPE_TITLE_CLIENT", "PINSTRIPE_TITLE_RIGHT"}) {
        LoadThemeBitmap(p, name);
        EXPECT_EQ(p.color(20, 0), Color::rgb(0x7F7F7F)) << name;
        EXPECT_EQ(p.color(20, 22), Color::rgb(0x7F7F7F)) << name;
        EXPECT_EQ(p.color(20, 1), Color::rgb(0xD9D9D9)) << name;
        EXPECT_EQ(p.color(20, 2), Color::rgb(0xFFFFFF)) << name;
    }
    LoadThemeBitmap(p, "GLASS_TAB_LINE");
    const uint32_t line[5] = {0x4E4EAF, 0x9B9BED, 0x9B9BED, 0x9B9BED, 0xD0D0D0};
    for (int y = 0; y < 5; ++y) EXPECT_EQ(p.color(5, y), Color::rgb(line[y]));
    LoadThemeBitmap(p, "GLASS_TAB_ACTIVE");
    EXPECT_EQ(p.color(0, 0), colors::key);
    EXPECT_EQ(p.color(8, 0), colors::key);
    EXPECT_EQ(p.color(0, 10), Color::rgb(0x4E4EAF));
    EXPECT_EQ(p.color(4, 10), Color::rgb(0x9C9CED));
    LoadThemeBitmap(p, "GLASS_TAB_INACTIVE");
    EXPECT_EQ(p.color(0, 0), colors::key);
    EXPECT_EQ(p.color(8, 10), Color::rgb(0x91A7B4));
    EXPECT_EQ(p.color(4, 10), Color::rgb(0xF6F6F6));
    LoadThemeBitmap(p, "PINSTRIPE_BUTTON_NORMAL");
    EXPECT_EQ(p.color(0, 0), Color::rgb(0xFCFCFC));   // the surround
    EXPECT_EQ(p.color(42, 0), Color::rgb(0x7C7C7C));  // the outline at the top
    Bitmap down, over;
    LoadThemeBitmap(over, "PINSTRIPE_BUTTON_MOUSEON");
    LoadThemeBitmap(down, "PINSTRIPE_BUTTON_MOUSEDOWN");
    EXPECT_EQ(over.color(42, 0), Color::rgb(0x242663));
    for (int x = 0; x < 84; ++x) EXPECT_EQ(down.color(x, 0), colors::white);
    EXPECT_EQ(down.color(42, 1), over.color(42, 0));
    EXPECT_EQ(down.color(42, 12), over.color(42, 11));
}

// The committed pictures are what the generator draws.
TEST(Theme, TheStoredPicturesAreTheGeneratorsOutput) {
    const auto drawn = art::themePictures();
    EXPECT_EQ(drawn.size(), themePictureNames().size());
    for (const auto& [name, picture] : drawn) {
        Bitmap stored;
        ASSERT_NO_THROW(LoadThemeBitmap(stored, name)) << name;
        EXPECT_TRUE(stored == picture)
            << name
            << " differs from what tools/lymn-art draws; run lymn-art theme resources/theme";
    }
}

}  // namespace
}  // namespace lymn
