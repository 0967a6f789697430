#include <gtest/gtest.h>

#include <array>
#include <string>

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

constexpr TSkinUIStyle kStyles[] = {TSkinUIStyle::Pinstripe, TSkinUIStyle::Sky, TSkinUIStyle::Navy,
                                    TSkinUIStyle::Pearl, TSkinUIStyle::Glass};

TEST(Theme, TheNumbersColoursAndFlagsOfEveryStyle) {
    struct Row {
        int index;
        TSkinType kind;
        std::array<int32_t, 5> values;  // Pinstripe, Sky, Navy, Pearl, Glass; colours as RGB
    };
    const Row rows[] = {
        {1, TSkinType::Int, {1, 2, 3, 4, 5}},
        {2, TSkinType::Color, {0x7F7F7F, 0x002CC8, 0x000000, 0x000000, 0x000000}},
        {3, TSkinType::Color, {0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
        {4, TSkinType::Int, {1, 3, 1, 1, 1}},
        {5, TSkinType::Int, {21, 27, 30, 21, 31}},
        {6, TSkinType::Int, {130, 150, 130, 130, 270}},
        {7, TSkinType::Int, {0, 13, 0, 0, 11}},
        {8, TSkinType::Color, {0x7F7F7F, 0x686868, 0x000000, 0x000000, 0x000000}},
        {9, TSkinType::Color, {0xE7E7E7, 0xEFEBDE, 0xE8E8E8, 0xFBFBFB, 0xE7E7E7}},
        {66, TSkinType::Bool, {0, 0, 0, 1, 1}},
        {67, TSkinType::Int, {3, 2, 0, 0, 4}},
        {68, TSkinType::Int, {-2, -2, 0, 0, -3}},
        {69, TSkinType::Int, {4, 5, 2, 2, 6}},
        {73, TSkinType::Int, {34, 19, 22, 22, 22}},
    };
    for (const Row& row : rows)
        for (size_t s = 0; s < 5; ++s) {
            SCOPED_TRACE(testing::Message() << "row " << row.index << ", style " << s + 1);
            const TSkinUIStyle style = kStyles[s];
            const ThemeElement e = GetThemeElement(style, row.index);
            EXPECT_EQ(e.kind, row.kind);
            switch (row.kind) {
                case TSkinType::Color: {
                    const Color c = Color::rgb(static_cast<uint32_t>(row.values[s]));
                    EXPECT_EQ(GetThemeColor(style, row.index), c);
                    EXPECT_EQ(e.value, static_cast<int32_t>(c.bgr()));  // kept as 0x00BBGGRR
                    break;
                }
                case TSkinType::Bool:
                    EXPECT_EQ(GetThemeBool(style, row.index), row.values[s] != 0);
                    break;
                default:
                    EXPECT_EQ(GetThemeInt(style, row.index), row.values[s]);
                    break;
            }
        }
    EXPECT_EQ(GetThemeElement(TSkinUIStyle::Sky, 2).value, 0xC82C00);
    // The rows read only by controls this window lacks still have their kinds.
    for (const TSkinUIStyle style : kStyles) {
        for (int i = 10; i <= 13; ++i) EXPECT_EQ(GetThemeElement(style, i).kind, TSkinType::Color);
        for (int i = 27; i <= 42; ++i) EXPECT_EQ(GetThemeElement(style, i).kind, TSkinType::Str);
        for (int i = 85; i <= 91; ++i) EXPECT_EQ(GetThemeElement(style, i).kind, TSkinType::Str);
        EXPECT_EQ(GetThemeString(style, 23), "MENU_CHECKED");
    }
}

TEST(Theme, PictureNamesFollowThePrefixRuleButSkysRestoreButton) {
    struct Row {
        int index;
        const char* pinstripe;
    };
    const Row rows[] = {{24, "PINSTRIPE_BUTTON_NORMAL"},
                        {25, "PINSTRIPE_BUTTON_MOUSEON"},
                        {26, "PINSTRIPE_BUTTON_MOUSEDOWN"},
                        {45, "PINSTRIPE_TITLE_LEFT"},
                        {46, "PINSTRIPE_TITLE_CLIENT"},
                        {47, "PINSTRIPE_TITLE_RIGHT"},
                        {48, "PINSTRIPE_TITLEBTN_CLOSE_NORMAL"},
                        {49, "PINSTRIPE_TITLEBTN_CLOSE_MOUSEON"},
                        {50, "PINSTRIPE_TITLEBTN_CLOSE_MOUSEDOWN"},
                        {51, "PINSTRIPE_TITLEBTN_MAX_NORMAL"},
                        {52, "PINSTRIPE_TITLEBTN_MAX_MOUSEON"},
                        {53, "PINSTRIPE_TITLEBTN_MAX_MOUSEDOWN"},
                        {54, "PINSTRIPE_TITLEBTN_MIN_NORMAL"},
                        {55, "PINSTRIPE_TITLEBTN_MIN_MOUSEON"},
                        {56, "PINSTRIPE_TITLEBTN_MIN_MOUSEDOWN"},
                        {57, "PINSTRIPE_TITLEBTN_HELP_NORMAL"},
                        {58, "PINSTRIPE_TITLEBTN_HELP_MOUSEON"},
                        {59, "PINSTRIPE_TITLEBTN_HELP_MOUSEDOWN"},
                        {60, "PINSTRIPE_TITLEBTN_CTLBOX_NORMAL"},
                        {61, "PINSTRIPE_TITLEBTN_CTLBOX_MOUSEON"},
                        {62, "PINSTRIPE_TITLEBTN_CTLBOX_MOUSEDOWN"},
                        {63, "PINSTRIPE_TITLEBTN_MAX_NORMAL"},
                        {64, "PINSTRIPE_TITLEBTN_MAX_MOUSEON"},
                        {65, "PINSTRIPE_TITLEBTN_MAX_MOUSEDOWN"},
                        {70, "PINSTRIPE_TAB_ACTIVE"},
                        {71, "PINSTRIPE_TAB_INACTIVE"},
                        {72, "PINSTRIPE_TAB_LINE"}};
    const char* prefixes[] = {"PINSTRIPE_", "SKY_", "NAVY_", "PEARL_", "GLASS_"};
    const char* skyRestore[] = {"SKY_TITLEBTN_RST_NORMAL", "SKY_TITLEBTN_RST_MOUSEON",
                                "SKY_TITLEBTN_RST_MOUSEDOWN"};
    for (const Row& row : rows)
        for (size_t s = 0; s < 5; ++s) {
            const TSkinUIStyle style = kStyles[s];
            EXPECT_EQ(GetThemeElement(style, row.index).kind, TSkinType::Str) << row.index;
            std::string want = prefixes[s] + std::string(row.pinstripe).substr(10);
            if (style == TSkinUIStyle::Sky && row.index >= 63 && row.index <= 65)
                want = skyRestore[row.index - 63];
            EXPECT_EQ(GetThemeString(style, row.index), want) << row.index << " " << s + 1;
        }
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
        EXPECT_EQ(b.size(), (Size{e.w, e.h})) << e.name;
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
