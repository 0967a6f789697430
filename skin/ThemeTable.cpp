#include "skin/ThemeTable.h"

#include <array>
#include <vector>

#include "platform/Error.h"
#include "platform/Resources.h"

namespace lymn {

namespace {

using K = TSkinType;

struct Row {
    TSkinType kind;
    std::array<int32_t, 5> values;  // Pinstripe, Sky, Navy, Pearl, Glass; colours as RGB here
    const char* picture;            // the Pinstripe picture name of a Str row
};

constexpr int32_t c(uint32_t rgb) {
    return static_cast<int32_t>(rgb);
}

// Rows 1 to 91. Colours are written as RGB and given out in the 0x00BBGGRR layout.
constexpr std::array<Row, theme::kRows> kTable = {{
    /* 1 */ {K::Int, {1, 2, 3, 4, 5}, nullptr},
    /* 2 */ {K::Color, {c(0x7F7F7F), c(0x002CC8), c(0x000000), c(0x000000), c(0x000000)}, nullptr},
    /* 3 */ {K::Color, {c(0xE7E7E7), c(0xEFEBDE), c(0xE8E8E8), c(0xFBFBFB), c(0xE7E7E7)}, nullptr},
    /* 4 */ {K::Int, {1, 3, 1, 1, 1}, nullptr},
    /* 5 */ {K::Int, {21, 27, 30, 21, 31}, nullptr},
    /* 6 */ {K::Int, {130, 150, 130, 130, 270}, nullptr},
    /* 7 */ {K::Int, {0, 13, 0, 0, 11}, nullptr},
    /* 8 */ {K::Color, {c(0x7F7F7F), c(0x686868), c(0x000000), c(0x000000), c(0x000000)}, nullptr},
    /* 9 */ {K::Color, {c(0xE7E7E7), c(0xEFEBDE), c(0xE8E8E8), c(0xFBFBFB), c(0xE7E7E7)}, nullptr},
    // Framed groups' font colour.
    /* 10 */ {K::Color, {c(0x000000), c(0x0046D5), c(0x000080), c(0x404040), c(0x000000)}, nullptr},
    // A highlighted menu-bar item: frame, fill, text.
    /* 11 */ {K::Color, {c(0x7F7F7F), c(0x316AC5), c(0x000080), c(0x808080), c(0x4E4EAF)}, nullptr},
    /* 12 */ {K::Color, {c(0xD9D9D9), c(0xC1D2EE), c(0xB6BDD2), c(0xF0F0F0), c(0x9C9CED)}, nullptr},
    /* 13 */ {K::Color, {c(0x000000), c(0x000000), c(0x000000), c(0x000000), c(0xFFFFFF)}, nullptr},
    // Menus: background, text, selected fill and text, separator, disabled text, item height,
    // separator height, border.
    /* 14 */ {K::Color, {c(0xFCFCFC), c(0xFFFFFF), c(0xF6F6F6), c(0xFFFFFF), c(0xF6F6F6)}, nullptr},
    /* 15 */ {K::Color, {c(0x000000), c(0x000000), c(0x000000), c(0x000000), c(0x000000)}, nullptr},
    /* 16 */ {K::Color, {c(0xDCDCDC), c(0x316AC5), c(0x0A246A), c(0xE0E0E0), c(0x9C9CED)}, nullptr},
    /* 17 */ {K::Color, {c(0x000000), c(0xFFFFFF), c(0xFFFFFF), c(0x000000), c(0x000000)}, nullptr},
    /* 18 */ {K::Color, {c(0xB4B4B4), c(0xACA899), c(0x808080), c(0xC0C0C0), c(0x91A7B4)}, nullptr},
    /* 19 */ {K::Color, {c(0x808080), c(0xACA899), c(0x808080), c(0xA0A0A0), c(0x91A7B4)}, nullptr},
    /* 20 */ {K::Int, {20, 22, 20, 20, 22}, nullptr},
    /* 21 */ {K::Int, {5, 7, 5, 5, 7}, nullptr},
    /* 22 */ {K::Color, {c(0x7F7F7F), c(0x002CC8), c(0x000000), c(0x808080), c(0x4E4EAF)}, nullptr},
    /* 23 */ {K::Str, {}, "MENU_CHECKED"},
    /* 24 */ {K::Str, {}, "PINSTRIPE_BUTTON_NORMAL"},
    /* 25 */ {K::Str, {}, "PINSTRIPE_BUTTON_MOUSEON"},
    /* 26 */ {K::Str, {}, "PINSTRIPE_BUTTON_MOUSEDOWN"},
    /* 27 */ {K::Str, {}, "PINSTRIPE_CHECKBOX_NORMAL"},
    /* 28 */ {K::Str, {}, "PINSTRIPE_CHECKBOX_MOUSEON"},
    /* 29 */ {K::Str, {}, "PINSTRIPE_CHECKBOX_MOUSEDOWN"},
    /* 30 */ {K::Str, {}, "PINSTRIPE_CHECKBOX_DISABLED"},
    /* 31 */ {K::Str, {}, "PINSTRIPE_CHECKBOX_CHECKED_NORMAL"},
    /* 32 */ {K::Str, {}, "PINSTRIPE_CHECKBOX_CHECKED_MOUSEON"},
    /* 33 */ {K::Str, {}, "PINSTRIPE_CHECKBOX_CHECKED_MOUSEDOWN"},
    /* 34 */ {K::Str, {}, "PINSTRIPE_CHECKBOX_CHECKED_DISABLED"},
    /* 35 */ {K::Str, {}, "PINSTRIPE_RADIO_NORMAL"},
    /* 36 */ {K::Str, {}, "PINSTRIPE_RADIO_MOUSEON"},
    /* 37 */ {K::Str, {}, "PINSTRIPE_RADIO_MOUSEDOWN"},
    /* 38 */ {K::Str, {}, "PINSTRIPE_RADIO_DISABLED"},
    /* 39 */ {K::Str, {}, "PINSTRIPE_RADIO_CHECKED_NORMAL"},
    /* 40 */ {K::Str, {}, "PINSTRIPE_RADIO_CHECKED_MOUSEON"},
    /* 41 */ {K::Str, {}, "PINSTRIPE_RADIO_CHECKED_MOUSEDOWN"},
    /* 42 */ {K::Str, {}, "PINSTRIPE_RADIO_CHECKED_DISABLED"},
    /* 43 */ {K::Str, {}, "PINSTRIPE_PROGRESSBAR_BACK"},
    /* 44 */ {K::Str, {}, "PINSTRIPE_PROGRESSBAR_BAR"},
    /* 45 */ {K::Str, {}, "PINSTRIPE_TITLE_LEFT"},
    /* 46 */ {K::Str, {}, "PINSTRIPE_TITLE_CLIENT"},
    /* 47 */ {K::Str, {}, "PINSTRIPE_TITLE_RIGHT"},
    /* 48 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_CLOSE_NORMAL"},
    /* 49 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_CLOSE_MOUSEON"},
    /* 50 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_CLOSE_MOUSEDOWN"},
    /* 51 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_MAX_NORMAL"},
    /* 52 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_MAX_MOUSEON"},
    /* 53 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_MAX_MOUSEDOWN"},
    /* 54 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_MIN_NORMAL"},
    /* 55 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_MIN_MOUSEON"},
    /* 56 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_MIN_MOUSEDOWN"},
    /* 57 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_HELP_NORMAL"},
    /* 58 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_HELP_MOUSEON"},
    /* 59 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_HELP_MOUSEDOWN"},
    /* 60 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_CTLBOX_NORMAL"},
    /* 61 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_CTLBOX_MOUSEON"},
    /* 62 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_CTLBOX_MOUSEDOWN"},
    /* 63 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_MAX_NORMAL"},
    /* 64 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_MAX_MOUSEON"},
    /* 65 */ {K::Str, {}, "PINSTRIPE_TITLEBTN_MAX_MOUSEDOWN"},
    /* 66 */ {K::Bool, {0, 0, 0, 1, 1}, nullptr},
    /* 67 */ {K::Int, {3, 2, 0, 0, 4}, nullptr},
    /* 68 */ {K::Int, {-2, -2, 0, 0, -3}, nullptr},
    /* 69 */ {K::Int, {4, 5, 2, 2, 6}, nullptr},
    /* 70 */ {K::Str, {}, "PINSTRIPE_TAB_ACTIVE"},
    /* 71 */ {K::Str, {}, "PINSTRIPE_TAB_INACTIVE"},
    /* 72 */ {K::Str, {}, "PINSTRIPE_TAB_LINE"},
    /* 73 */ {K::Int, {34, 19, 22, 22, 22}, nullptr},
    /* 74 */ {K::Str, {}, "PINSTRIPE_TRACKBAR_THUMB"},
    /* 75 */ {K::Str, {}, "PINSTRIPE_TRACKBAR_THUMB_MOUSEON"},
    /* 76 */ {K::Str, {}, "PINSTRIPE_TRACKBAR_TRACK"},
    // Tool bar colour and border, combo box border, button and hot border, scroll bar track,
    // border and arrow colours.
    /* 77 */ {K::Color, {c(0xE7E7E7), c(0xEFEBDE), c(0xE8E8E8), c(0xFBFBFB), c(0xE7E7E7)}, nullptr},
    /* 78 */ {K::Color, {c(0x7F7F7F), c(0x7F9DB9), c(0x000000), c(0xC0C0C0), c(0x4E4EAF)}, nullptr},
    /* 79 */ {K::Color, {c(0x7F7F7F), c(0x7F9DB9), c(0x000000), c(0xA0A0A0), c(0x91A7B4)}, nullptr},
    /* 80 */ {K::Color, {c(0xDCDCDC), c(0xC1D3FB), c(0xB6BDD2), c(0xF0F0F0), c(0x9C9CED)}, nullptr},
    /* 81 */ {K::Color, {c(0x242663), c(0x316AC5), c(0x0A246A), c(0x606060), c(0x4E4EAF)}, nullptr},
    /* 82 */ {K::Color, {c(0xF4F4F4), c(0xF4F3EE), c(0xE8E8E8), c(0xFBFBFB), c(0xF6F6F6)}, nullptr},
    /* 83 */ {K::Color, {c(0xB4B4B4), c(0xB9C9EF), c(0x808080), c(0xC0C0C0), c(0x91A7B4)}, nullptr},
    /* 84 */ {K::Color, {c(0x404040), c(0x4D6185), c(0x000000), c(0x606060), c(0x4E4EAF)}, nullptr},
    /* 85 */ {K::Str, {}, "PINSTRIPE_SCROLLBAR_ARROW_UP"},
    /* 86 */ {K::Str, {}, "PINSTRIPE_SCROLLBAR_ARROW_DOWN"},
    /* 87 */ {K::Str, {}, "PINSTRIPE_SCROLLBAR_ARROW_LEFT"},
    /* 88 */ {K::Str, {}, "PINSTRIPE_SCROLLBAR_ARROW_RIGHT"},
    /* 89 */ {K::Str, {}, "PINSTRIPE_SCROLLBAR_THUMB_VERT"},
    /* 90 */ {K::Str, {}, "PINSTRIPE_SCROLLBAR_THUMB_HORZ"},
    /* 91 */ {K::Str, {}, "PINSTRIPE_SCROLLBAR_TRACK"},
}};

constexpr const char* kPrefixes[5] = {"PINSTRIPE_", "SKY_", "NAVY_", "PEARL_", "GLASS_"};

std::string pictureName(TSkinUIStyle style, int index) {
    const Row& row = kTable[static_cast<size_t>(index - 1)];
    const int column = static_cast<int>(style) - 1;
    if (style == TSkinUIStyle::Sky && index >= 63 && index <= 65) {
        static constexpr const char* kRestore[] = {
            "SKY_TITLEBTN_RST_NORMAL", "SKY_TITLEBTN_RST_MOUSEON", "SKY_TITLEBTN_RST_MOUSEDOWN"};
        return kRestore[index - 63];
    }
    const std::string name = row.picture;
    const std::string pinstripe = kPrefixes[0];
    if (name.rfind(pinstripe, 0) != 0) return name;  // the same name in every style
    return kPrefixes[column] + name.substr(pinstripe.size());
}

bool valid(TSkinUIStyle style, int index) {
    return style != TSkinUIStyle::Custom && static_cast<int>(style) <= 5 && index >= 1 &&
           index <= theme::kRows;
}

}  // namespace

ThemeElement GetThemeElement(TSkinUIStyle style, int index) {
    if (!valid(style, index)) return {-1, TSkinType::Int};
    const Row& row = kTable[static_cast<size_t>(index - 1)];
    const int32_t v = row.values[static_cast<size_t>(style) - 1];
    switch (row.kind) {
        case TSkinType::Color:
            return {static_cast<int32_t>(Color::rgb(static_cast<uint32_t>(v)).bgr()), row.kind};
        case TSkinType::Str:
            return {index, row.kind};
        default:
            return {v, row.kind};
    }
}

std::string GetThemeString(TSkinUIStyle style, int index) {
    const ThemeElement e = GetThemeElement(style, index);
    return e.kind == TSkinType::Str ? pictureName(style, index) : std::string{};
}

int32_t GetThemeInt(TSkinUIStyle style, int index) {
    const ThemeElement e = GetThemeElement(style, index);
    return e.kind == TSkinType::Int ? e.value : -1;
}

bool GetThemeBool(TSkinUIStyle style, int index) {
    const ThemeElement e = GetThemeElement(style, index);
    return e.kind == TSkinType::Bool && e.value != 0;
}

Color GetThemeColor(TSkinUIStyle style, int index) {
    const ThemeElement e = GetThemeElement(style, index);
    return e.kind == TSkinType::Color ? Color::fromBgr(static_cast<uint32_t>(e.value))
                                      : colors::black;
}

std::vector<std::string> themePictureNames() {
    std::vector<std::string> names;
    for (int s = 1; s <= 5; ++s)
        for (int i = 1; i <= theme::kRows; ++i) {
            const std::string n = GetThemeString(static_cast<TSkinUIStyle>(s), i);
            if (!n.empty() && std::find(names.begin(), names.end(), n) == names.end())
                names.push_back(n);
        }
    names.push_back("PINSTRIPE_FORM_BACKGROUND");
    names.push_back("PEARL_FORM_BACKGROUND");
    return names;
}

bool hasThemeBitmap(const std::string& name) {
    return !resources::find(name).empty();
}

void LoadThemeBitmap(Bitmap& bitmap, const std::string& name, int scale) {
    if (scale > 1) {
        const auto scaled = resources::find(name + "@" + std::to_string(scale) + "x");
        if (!scaled.empty()) {
            bitmap = Bitmap::fromBmp(scaled);
            bitmap.setScale(scale);
            return;
        }
    }
    const auto bytes = resources::find(name);
    if (bytes.empty()) throw Error("Resource " + name + " not found");
    bitmap = Bitmap::fromBmp(bytes);
}

}  // namespace lymn
