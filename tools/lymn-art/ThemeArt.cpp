#include "tools/lymn-art/ThemeArt.h"

#include <algorithm>
#include <cmath>

#include "tools/lymn-art/Paint.h"

namespace lymn::art {

namespace {

const Color kKey = Color::rgb(0xFF00FF);
const Color kWhite = Color::rgb(0xFFFFFF);

struct Palette {
    const char* prefix;
    Size button;
    Size titleLeft, titleMiddle, titleRight;
    int titleButton;
    Size tab, tabLine;
    // Title: a gradient between two colours, edged with a border colour.
    Color titleTop, titleBottom, titleEdge;
    // Buttons: normal and hover capsules, and what surrounds them.
    Color buttonOutline, buttonTop, buttonBottom;
    Color hoverOutline, hoverTop, hoverBottom;
    Color surround, shadowTop, shadowBottom;
    // Tabs.
    Color activeBorder, activeEdge, activeBody, inactiveBorder, inactiveEdge, inactiveBody;
    Color lineTop, lineBody, lineBottom;
    // Small controls: check boxes, radios, scroll bars, progress.
    Color frame, face, faceLight, accent;
};

const Palette kSky{"SKY_",
                   {18, 21},
                   {35, 29},
                   {37, 29},
                   {35, 29},
                   21,
                   {9, 18},
                   {8, 1},
                   Color::rgb(0x3D95FF),
                   Color::rgb(0x0049D9),
                   Color::rgb(0x002CC8),
                   Color::rgb(0x003C74),
                   Color::rgb(0xFFFFFF),
                   Color::rgb(0xE3E2DA),
                   Color::rgb(0xCE7B00),
                   Color::rgb(0xFFF4D6),
                   Color::rgb(0xF9C864),
                   Color::rgb(0xEFEBDE),
                   Color::rgb(0xC9C7BA),
                   Color::rgb(0xDDDBD0),
                   Color::rgb(0x003C74),
                   Color::rgb(0xE68B2C),
                   Color::rgb(0xFFFFFF),
                   Color::rgb(0x919B9C),
                   Color::rgb(0xC5C2B8),
                   Color::rgb(0xF4F3EE),
                   Color::rgb(0x919B9C),
                   Color::rgb(0xFCFCFE),
                   Color::rgb(0x919B9C),
                   Color::rgb(0x1C5180),
                   Color::rgb(0xF4F3EE),
                   Color::rgb(0xFFFFFF),
                   Color::rgb(0x21A121)};
const Palette kNavy{"NAVY_",
                    {74, 21},
                    {97, 32},
                    {98, 32},
                    {97, 32},
                    19,
                    {6, 17},
                    {5, 5},
                    Color::rgb(0x3A5F9E),
                    Color::rgb(0x0F2650),
                    Color::rgb(0x000000),
                    Color::rgb(0x0A246A),
                    Color::rgb(0xF0F0F6),
                    Color::rgb(0xC8CCE0),
                    Color::rgb(0x0A246A),
                    Color::rgb(0xD6DBEC),
                    Color::rgb(0xA7B0D0),
                    Color::rgb(0xE8E8E8),
                    Color::rgb(0xB0B0B8),
                    Color::rgb(0xC8C8D0),
                    Color::rgb(0x0A246A),
                    Color::rgb(0x3A5F9E),
                    Color::rgb(0xD6DBEC),
                    Color::rgb(0x5A6A8A),
                    Color::rgb(0x8A98B8),
                    Color::rgb(0xE8E8E8),
                    Color::rgb(0x0A246A),
                    Color::rgb(0xB6BDD2),
                    Color::rgb(0x5A6A8A),
                    Color::rgb(0x0A246A),
                    Color::rgb(0xE8E8E8),
                    Color::rgb(0xFFFFFF),
                    Color::rgb(0x0A246A)};
const Palette kPearl{"PEARL_",
                     {74, 21},
                     {441, 23},
                     {1, 23},
                     {1, 23},
                     19,
                     {9, 17},
                     {10, 5},
                     Color::rgb(0xFFFFFF),
                     Color::rgb(0xE4E4E4),
                     Color::rgb(0x9A9A9A),
                     Color::rgb(0x8C8C8C),
                     Color::rgb(0xFFFFFF),
                     Color::rgb(0xE6E6E6),
                     Color::rgb(0x606060),
                     Color::rgb(0xFFFFFF),
                     Color::rgb(0xD0D0D0),
                     Color::rgb(0xFBFBFB),
                     Color::rgb(0xD0D0D0),
                     Color::rgb(0xE0E0E0),
                     Color::rgb(0x808080),
                     Color::rgb(0xB0B0B0),
                     Color::rgb(0xFFFFFF),
                     Color::rgb(0xB0B0B0),
                     Color::rgb(0xD0D0D0),
                     Color::rgb(0xF2F2F2),
                     Color::rgb(0x808080),
                     Color::rgb(0xFFFFFF),
                     Color::rgb(0xC0C0C0),
                     Color::rgb(0x808080),
                     Color::rgb(0xF4F4F4),
                     Color::rgb(0xFFFFFF),
                     Color::rgb(0x606060)};
const Palette kGlass{"GLASS_",
                     {77, 27},
                     {162, 33},
                     {179, 33},
                     {101, 33},
                     19,
                     {9, 17},
                     {10, 5},
                     Color::rgb(0xB4B4F4),
                     Color::rgb(0x5A5AC0),
                     Color::rgb(0x4E4EAF),
                     Color::rgb(0x4E4EAF),
                     Color::rgb(0xE6E6FF),
                     Color::rgb(0x9C9CED),
                     Color::rgb(0x2E2E8F),
                     Color::rgb(0xC8C8FF),
                     Color::rgb(0x6969C4),
                     kKey,
                     Color::rgb(0xB8B8D8),
                     Color::rgb(0xD0D0E8),
                     Color::rgb(0x4E4EAF),
                     Color::rgb(0x6969C4),
                     Color::rgb(0x9C9CED),
                     Color::rgb(0x91A7B4),
                     Color::rgb(0xA9B9BF),
                     Color::rgb(0xF6F6F6),
                     Color::rgb(0x4E4EAF),
                     Color::rgb(0x9B9BED),
                     Color::rgb(0xD0D0D0),
                     Color::rgb(0x4E4EAF),
                     Color::rgb(0xF6F6F6),
                     Color::rgb(0xFFFFFF),
                     Color::rgb(0x6969C4)};
const Palette kPinstripe{"PINSTRIPE_",
                         {84, 23},
                         {48, 23},
                         {49, 23},
                         {48, 23},
                         17,
                         {18, 27},
                         {17, 7},
                         Color::rgb(0xFFFFFF),
                         Color::rgb(0xD9D9D9),
                         Color::rgb(0x7F7F7F),
                         Color::rgb(0x7C7C7C),
                         Color::rgb(0xDCDCDC),
                         Color::rgb(0xFCFCFC),
                         Color::rgb(0x242663),
                         Color::rgb(0x4D88C7),
                         Color::rgb(0x92CCFF),
                         Color::rgb(0xFCFCFC),
                         Color::rgb(0xB4B4B4),
                         Color::rgb(0xBCBCBC),
                         Color::rgb(0x7F7F7F),
                         Color::rgb(0x4D88C7),
                         Color::rgb(0x92CCFF),
                         Color::rgb(0x7F7F7F),
                         Color::rgb(0xB4B4B4),
                         Color::rgb(0xF4F4F4),
                         Color::rgb(0x7F7F7F),
                         Color::rgb(0xB4C8DC),
                         Color::rgb(0xD9D9D9),
                         Color::rgb(0x7C7C7C),
                         Color::rgb(0xE7E7E7),
                         Color::rgb(0xFFFFFF),
                         Color::rgb(0x4D88C7)};

// ---- buttons ----

Bitmap buttonPicture(const Palette& p, bool hover, int n) {
    const int w = p.button.width, h = p.button.height;
    Bitmap b(w, h, p.surround, n);
    // The capsule leaves two rows at the bottom for its shadow.
    const Rect body{0, 0, w, h - 2};
    const Color outline = hover ? p.hoverOutline : p.buttonOutline;
    capsule(b, body.translated(0, 2), p.shadowBottom, p.shadowBottom, p.shadowBottom);
    capsule(b, body.translated(0, 1), p.shadowTop, p.shadowTop, p.shadowTop);
    capsule(b, body, outline, hover ? p.hoverTop : p.buttonTop,
            hover ? p.hoverBottom : p.buttonBottom);
    return b;
}

// The mouse-over picture one unit lower, with a white top row.
Bitmap pressedPicture(const Palette& p, int n) {
    const Bitmap over = buttonPicture(p, true, n);
    Bitmap b(over.width(), over.height(), kWhite, n);
    for (int y = n; y < b.deviceHeight(); ++y)
        std::copy(over.row(y - n), over.row(y - n) + over.deviceWidth(), b.row(y));
    return b;
}

// ---- title bar ----

bool pinstriped(const Palette& p) {
    return std::string(p.prefix) == "PINSTRIPE_";
}

Bitmap titleGround(const Palette& p, Size s, int n) {
    Bitmap b(s.width, s.height, colors::black, n);
    if (pinstriped(p)) {
        pinstripes(b, b.rect(), p.titleBottom, p.titleTop);  // odd rows #D9D9D9, even #FFFFFF
    } else {
        verticalGradient(b, b.rect(), p.titleTop, p.titleBottom);
        // A gloss over the upper half.
        tint(b, {0, 1, s.width, s.height / 2}, kWhite, 0.18);
    }
    fill(b, {0, 0, s.width, 1}, p.titleEdge);
    fill(b, {0, s.height - 1, s.width, s.height}, p.titleEdge);
    return b;
}

// The outer end of a left or right piece, slightly shaded.
void shadeEnd(Bitmap& b, const Palette& p, bool left) {
    for (int i = 0; i < 4; ++i) {
        const int x = left ? i : b.width() - 1 - i;
        tint(b, {x, 1, x + 1, b.height() - 1}, p.titleEdge, 0.28 - 0.07 * i);
    }
}

enum class Sign { Cross, Bar, Window, Square, Question, Restore };

// The sign's geometry is in device pixels; its strokes' widths are units.
void drawSign(Bitmap& b, Sign s, Color ink) {
    const int n = b.scale();
    const double c = b.deviceWidth() / 2.0, r = b.deviceWidth() * 0.22;
    auto line = [&](double x0, double y0, double x1, double y1, double width) {
        shape(
            b,
            [=](double x, double y) {
                const double dx = x1 - x0, dy = y1 - y0;
                const double t =
                    std::clamp(((x - x0) * dx + (y - y0) * dy) / (dx * dx + dy * dy), 0.0, 1.0);
                const double px = x0 + t * dx - x, py = y0 + t * dy - y;
                return stroke(width / 2 + 0.5, std::sqrt(px * px + py * py), n);
            },
            ink);
    };
    switch (s) {
        case Sign::Cross:
            line(c - r, c - r, c + r, c + r, 1.6);
            line(c - r, c + r, c + r, c - r, 1.6);
            break;
        case Sign::Bar:
            line(c - r, c + r * 0.6, c + r, c + r * 0.6, 1.8);
            break;
        case Sign::Window:
        case Sign::Square:
            line(c - r, c - r, c + r, c - r, 1.8);
            line(c - r, c - r, c - r, c + r, 1.1);
            line(c + r, c - r, c + r, c + r, 1.1);
            line(c - r, c + r, c + r, c + r, 1.1);
            if (s == Sign::Window) line(c - r, c - r * 0.2, c + r, c - r * 0.2, 0.9);
            break;
        case Sign::Restore:
            line(c - r * 0.4, c - r, c + r, c - r, 1.2);
            line(c + r, c - r, c + r, c + r * 0.4, 1.0);
            line(c - r, c - r * 0.4, c + r * 0.6, c - r * 0.4, 1.4);
            line(c - r, c - r * 0.4, c - r, c + r, 1.0);
            line(c + r * 0.6, c - r * 0.4, c + r * 0.6, c + r, 1.0);
            line(c - r, c + r, c + r * 0.6, c + r, 1.0);
            break;
        case Sign::Question:
            line(c - r * 0.6, c - r * 0.6, c, c - r, 1.3);
            line(c, c - r, c + r * 0.6, c - r * 0.5, 1.3);
            line(c + r * 0.6, c - r * 0.5, c, c + r * 0.1, 1.3);
            line(c, c + r * 0.1, c, c + r * 0.35, 1.3);
            line(c, c + r * 0.8, c, c + r * 0.9, 1.5);
            break;
    }
}

Bitmap titleButton(const Palette& p, Color light, Color dark, Sign sign, bool withSign, int n) {
    const int s = p.titleButton;
    Bitmap b(s, s, colors::black, n);
    // Styles whose buttons are drawn with a transparent colour stand on the key colour;
    // the others on the title's own ground as the button's top (4) leaves it.
    const bool keyed = std::string(p.prefix) == "PEARL_" || std::string(p.prefix) == "GLASS_";
    if (keyed) {
        fill(b, b.rect(), kKey);
    } else if (pinstriped(p)) {
        for (int y = 0; y < s; ++y)
            fill(b, {0, y, s, y + 1}, (y + 4) % 2 ? p.titleBottom : p.titleTop);
    } else {
        const Bitmap ground = titleGround(p, {s, s + 8}, n);
        for (int y = 0; y < b.deviceHeight(); ++y)
            std::copy(ground.row(y + 4 * n), ground.row(y + 4 * n) + b.deviceWidth(), b.row(y));
    }
    gem(b, s / 2.0, s / 2.0, s / 2.0 - 0.5, light, dark);
    if (keyed) {
        // No blending with the key colour: edge pixels take the gem's dark tone instead.
        for (uint32_t& px : b.pixels()) {
            const Color c = Color::fromPixel(px);
            if (c != kKey && (std::abs(c.r - 255) + std::abs(c.g) + std::abs(c.b - 255)) < 200)
                px = dark.pixel();
        }
    }
    if (withSign) drawSign(b, sign, Color::rgb(0x202020));
    return b;
}

// ---- tabs ----

Bitmap tabPicture(const Palette& p, bool active, Size s, int n) {
    Bitmap b(s.width, s.height, active ? p.activeBody : p.inactiveBody, n);
    const Color border = active ? p.activeBorder : p.inactiveBorder;
    const Color edge = active ? p.activeEdge : p.inactiveEdge;
    fill(b, {0, 0, 1, s.height}, border);
    fill(b, {s.width - 1, 0, s.width, s.height}, border);
    fill(b, {0, 0, s.width, 1}, edge);
    fill(b, {0, 1, 1, 2}, edge);
    fill(b, {s.width - 1, 1, s.width, 2}, edge);
    b.setColor(0, 0, kKey);
    b.setColor(s.width - 1, 0, kKey);
    return b;
}

Bitmap glassTab(bool active, int n) {
    Bitmap b(9, 17, colors::black, n);
    if (active) {
        fill(b, b.rect(), Color::rgb(0x9C9CED));
        fill(b, {0, 0, 1, 17}, Color::rgb(0x4E4EAF));
        fill(b, {8, 0, 9, 17}, Color::rgb(0x4E4EAF));
        fill(b, {2, 0, 7, 1}, Color::rgb(0x6969C4));
        b.setColor(1, 0, Color::rgb(0x9696E9));
        b.setColor(7, 0, Color::rgb(0x9696E9));
        b.setColor(0, 1, Color::rgb(0x6969C4));
        b.setColor(8, 1, Color::rgb(0x6969C4));
    } else {
        fill(b, b.rect(), Color::rgb(0xF6F6F6));
        fill(b, {0, 0, 1, 17}, Color::rgb(0x91A7B4));
        fill(b, {8, 0, 9, 17}, Color::rgb(0x91A7B4));
        fill(b, {2, 0, 7, 1}, Color::rgb(0xA9B9BF));
        b.setColor(1, 0, Color::rgb(0xD0D6D0));
        b.setColor(7, 0, Color::rgb(0xD0D6D0));
        b.setColor(0, 1, Color::rgb(0xB6C4CD));
        b.setColor(8, 1, Color::rgb(0xB6C4CD));
    }
    b.setColor(0, 0, kKey);
    b.setColor(8, 0, kKey);
    return b;
}

Bitmap tabLine(const Palette& p, Size s, int n) {
    Bitmap b(s.width, s.height, p.lineBody, n);
    fill(b, {0, 0, s.width, 1}, p.lineTop);
    if (s.height > 1) fill(b, {0, s.height - 1, s.width, s.height}, p.lineBottom);
    return b;
}

// ---- the small controls of other windows ----

void checkMark(Bitmap& b, Color ink) {
    const int s = b.width();
    for (int i = 0; i < 3; ++i) {
        const int x = s / 2 - 3 + i, y = s / 2 - 1 + i;
        fill(b, {x, y, x + 1, y + 3}, ink);
    }
    for (int i = 0; i < 4; ++i) {
        const int x = s / 2 + i, y = s / 2 + 1 - i;
        fill(b, {x, y, x + 1, y + 3}, ink);
    }
}

Bitmap checkBox(const Palette& p, int state, bool checked, int n) {
    // state: 0 normal, 1 mouse over, 2 pressed, 3 disabled
    Bitmap b(13, 13, p.frame, n);
    const Color top = state == 3 ? p.face : state == 2 ? p.faceLight : kWhite;
    const Color bottom = state == 3 ? p.face : state == 1 ? p.faceLight : p.face;
    verticalGradient(b, {1, 1, 12, 12}, top, bottom);
    if (state == 1) {
        fill(b, {1, 1, 12, 2}, p.accent);
        fill(b, {1, 11, 12, 12}, p.accent);
    }
    if (checked) checkMark(b, state == 3 ? p.frame : p.accent);
    return b;
}

Bitmap radio(const Palette& p, int state, bool checked, int n) {
    Bitmap b(13, 13, kKey, n);
    const Color light = state == 3 ? p.face : state == 2 ? p.faceLight : kWhite;
    const Color dark = state == 3 ? p.face : p.face;
    // Hard-edged circles about the centre, in device pixels.
    const double c = 6.5 * n;
    auto from = [c](double x, double y) { return std::hypot(x - c, y - c); };
    shape(
        b, [&](double x, double y) { return from(x, y) < c ? 1.0 : 0.0; }, p.frame);
    gem(b, 6.5, 6.5, 5.5, light, dark);
    if (state == 1)
        shape(
            b,
            [&](double x, double y) { return std::abs(from(x, y) - 5 * n) < 0.6 * n ? 1.0 : 0.0; },
            p.accent);
    if (checked)
        shape(
            b, [&](double x, double y) { return from(x, y) < 2.3 * n ? 1.0 : 0.0; },
            state == 3 ? p.frame : p.accent);
    return b;
}

Bitmap arrowPicture(const Palette& p, int direction, bool thumb, int n) {
    // direction: 0 up, 1 down, 2 left, 3 right
    Bitmap b(17, 17, p.frame, n);
    verticalGradient(b, {1, 1, 16, 16}, kWhite, p.face);
    if (thumb) {
        for (int i = -2; i <= 2; i += 2) {
            if (direction == 0)
                fill(b, {5, 8 + i, 12, 9 + i}, p.frame);
            else
                fill(b, {8 + i, 5, 9 + i, 12}, p.frame);
        }
        return b;
    }
    for (int i = 0; i < 4; ++i) {
        switch (direction) {
            case 0:
                fill(b, {8 - i, 6 + i, 9 + i, 7 + i}, p.accent);
                break;
            case 1:
                fill(b, {8 - i, 10 - i, 9 + i, 11 - i}, p.accent);
                break;
            case 2:
                fill(b, {6 + i, 8 - i, 7 + i, 9 + i}, p.accent);
                break;
            default:
                fill(b, {10 - i, 8 - i, 11 - i, 9 + i}, p.accent);
                break;
        }
    }
    return b;
}

void addStyle(Pictures& out, const Palette& p, int n) {
    const std::string x = p.prefix;
    out[x + "BUTTON_NORMAL"] = buttonPicture(p, false, n);
    out[x + "BUTTON_MOUSEON"] = buttonPicture(p, true, n);
    out[x + "BUTTON_MOUSEDOWN"] = pressedPicture(p, n);

    static constexpr const char* kStates[] = {"NORMAL", "MOUSEON", "MOUSEDOWN", "DISABLED"};
    for (int s = 0; s < 4; ++s) {
        out[x + "CHECKBOX_" + kStates[s]] = checkBox(p, s, false, n);
        out[x + "CHECKBOX_CHECKED_" + kStates[s]] = checkBox(p, s, true, n);
        out[x + "RADIO_" + kStates[s]] = radio(p, s, false, n);
        out[x + "RADIO_CHECKED_" + kStates[s]] = radio(p, s, true, n);
    }
    Bitmap back(10, 14, p.frame, n);
    verticalGradient(back, {1, 1, 9, 13}, p.face, kWhite);
    out[x + "PROGRESSBAR_BACK"] = back;
    Bitmap bar(10, 14, p.accent, n);
    verticalGradient(bar, {0, 1, 10, 13}, mix(p.accent, kWhite, 0.5), p.accent);
    out[x + "PROGRESSBAR_BAR"] = bar;

    Bitmap left = titleGround(p, p.titleLeft, n);
    shadeEnd(left, p, true);
    out[x + "TITLE_LEFT"] = left;
    out[x + "TITLE_CLIENT"] = titleGround(p, p.titleMiddle, n);
    Bitmap right = titleGround(p, p.titleRight, n);
    if (p.titleRight.width > 4) shadeEnd(right, p, false);
    out[x + "TITLE_RIGHT"] = right;

    struct Kind {
        const char* name;
        Color light, dark;
        Sign sign;
    };
    const Kind kinds[] = {
        {"CLOSE", Color::rgb(0xFF9A8A), Color::rgb(0xC0201A), Sign::Cross},
        {"MAX", Color::rgb(0xA8F0A0), Color::rgb(0x2E9A2A), Sign::Square},
        {"MIN", Color::rgb(0xFFE08A), Color::rgb(0xD48A10), Sign::Bar},
        {"HELP", Color::rgb(0xA8C8FF), Color::rgb(0x2A5EC0), Sign::Question},
        {"CTLBOX", Color::rgb(0xD8A8F0), Color::rgb(0x7A2A9E), Sign::Window},
    };
    for (const Kind& k : kinds) {
        out[x + "TITLEBTN_" + k.name + "_NORMAL"] =
            titleButton(p, k.light, k.dark, k.sign, false, n);
        const Bitmap over = titleButton(p, k.light, k.dark, k.sign, true, n);
        out[x + "TITLEBTN_" + k.name + "_MOUSEON"] = over;
        out[x + "TITLEBTN_" + k.name + "_MOUSEDOWN"] = over;
    }
    if (x == "SKY_") {
        out["SKY_TITLEBTN_RST_NORMAL"] =
            titleButton(p, kinds[1].light, kinds[1].dark, Sign::Restore, false, n);
        out["SKY_TITLEBTN_RST_MOUSEON"] =
            titleButton(p, kinds[1].light, kinds[1].dark, Sign::Restore, true, n);
        out["SKY_TITLEBTN_RST_MOUSEDOWN"] = out["SKY_TITLEBTN_RST_MOUSEON"];
    }

    if (x == "GLASS_") {
        out[x + "TAB_ACTIVE"] = glassTab(true, n);
        out[x + "TAB_INACTIVE"] = glassTab(false, n);
        Bitmap line(10, 5, colors::black, n);
        const uint32_t rows[5] = {0x4E4EAF, 0x9B9BED, 0x9B9BED, 0x9B9BED, 0xD0D0D0};
        for (int y = 0; y < 5; ++y) fill(line, {0, y, 10, y + 1}, Color::rgb(rows[y]));
        out[x + "TAB_LINE"] = line;
    } else {
        out[x + "TAB_ACTIVE"] = tabPicture(p, true, p.tab, n);
        out[x + "TAB_INACTIVE"] = tabPicture(p, false, p.tab, n);
        out[x + "TAB_LINE"] = tabLine(p, p.tabLine, n);
    }

    Bitmap thumb(11, 19, kKey, n);
    capsule(thumb, {0, 0, 11, 19}, p.frame, kWhite, p.face);
    out[x + "TRACKBAR_THUMB"] = thumb;
    Bitmap thumbOver(11, 19, kKey, n);
    capsule(thumbOver, {0, 0, 11, 19}, p.accent, kWhite, p.faceLight);
    out[x + "TRACKBAR_THUMB_MOUSEON"] = thumbOver;
    out[x + "TRACKBAR_TRACK"] = tabLine(p, {10, 5}, n);

    out[x + "SCROLLBAR_ARROW_UP"] = arrowPicture(p, 0, false, n);
    out[x + "SCROLLBAR_ARROW_DOWN"] = arrowPicture(p, 1, false, n);
    out[x + "SCROLLBAR_ARROW_LEFT"] = arrowPicture(p, 2, false, n);
    out[x + "SCROLLBAR_ARROW_RIGHT"] = arrowPicture(p, 3, false, n);
    out[x + "SCROLLBAR_THUMB_VERT"] = arrowPicture(p, 0, true, n);
    out[x + "SCROLLBAR_THUMB_HORZ"] = arrowPicture(p, 2, true, n);
    Bitmap track(17, 17, p.face, n);
    for (int y = 0; y < 17; ++y)
        for (int xx = 0; xx < 17; ++xx)
            if ((xx + y) % 2) track.setColor(xx, y, kWhite);
    out[x + "SCROLLBAR_TRACK"] = track;
}

}  // namespace

Pictures themePictures(int scale) {
    Pictures out;
    for (const Palette* p : {&kPinstripe, &kSky, &kNavy, &kPearl, &kGlass})
        addStyle(out, *p, scale);
    Bitmap checked(16, 16, kKey, scale);
    checkMark(checked, Color::rgb(0x000000));
    out["MENU_CHECKED"] = checked;
    Bitmap pinstripe(8, 8, colors::black, scale);
    const uint32_t rows[8] = {0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF,
                              0xFFFFFF, 0xEFEFEF, 0xE8E8E8, 0xEFEFEF};
    for (int y = 0; y < 8; ++y) fill(pinstripe, {0, y, 8, y + 1}, Color::rgb(rows[y]));
    out["PINSTRIPE_FORM_BACKGROUND"] = pinstripe;
    Bitmap pearl(8, 8, Color::rgb(0xFBFBFB), scale);
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            if ((x + y) % 4 == 0) pearl.setColor(x, y, Color::rgb(0xF3F3F3));
    out["PEARL_FORM_BACKGROUND"] = pearl;
    return out;
}

}  // namespace lymn::art
