#include "tools/lymn-art/LayoutArt.h"

#include <algorithm>
#include <cmath>

#include "capture/JpegCodec.h"
#include "platform/Canvas.h"
#include "platform/FontSystem.h"
#include "tools/lymn-art/Paint.h"

namespace lymn::art {

namespace {

const char kEmojiFamily[] = "Noto Color Emoji";

// The faces of the appearances, in the order of the appearance picker's items 1 to 20.
constexpr char32_t kFaces[20] = {
    0x1F476,  // 娃娃脸 baby face
    0x1F9D4,  // 乞丐 bearded beggar
    0x1F978,  // 八字胡 moustache
    0x1F61C,  // 顽童 naughty child
    0x1F466,  // 棋童 chess boy
    0x1F474,  // 胖棋叟 old chess player
    0x1F477,  // 铁匠 smith in a helmet
    0x1F475,  // 担婆 old porter woman
    0x1F435,  // 猴子 monkey
    0x1F935,  // 情侣(男) groom
    0x1F913,  // 书生 scholar with glasses
    0x1F911,  // 小老板 little boss
    0x1F9D0,  // 老师 teacher with monocle
    0x1F469,  // 靓女 pretty woman
    0x1F470,  // 情侣(女) bride
    0x1F467,  // 小家碧玉 demure girl
    0x1F9D5,  // 针线女 needlewoman in a headscarf
    0x1F3CB,  // 壮汉 strongman
    0x1F472,  // 秀才 scholar in a cap
    0x1F920,  // 农夫 farmer's hat
};

// The profession emblems by picture index 1 to 8, and the colour of their group's disc.
struct Emblem {
    char32_t symbol;
    uint32_t disc;
};
constexpr Emblem kEmblems[8] = {
    {0x1F4AA, 0xC0392B},  // 1 金刚力士: strength (Warrior)
    {0x1F5E1, 0x27AE60},  // 2 驭剑游侠: dagger (Ranger)
    {0x1F525, 0x2E86DE},  // 3 控火法师: fire (Mage)
    {0x262F, 0x8E44AD},   // 4 天君符咒师: yin and yang (Talisman)
    {0x1F479, 0xC0392B},  // 5 罗刹力士: ogre (Warrior)
    {0x1F3F9, 0x27AE60},  // 6 奇门游侠: bow (Ranger)
    {0x26A1, 0x2E86DE},   // 7 掌电法师: lightning (Mage)
    {0x1F47B, 0x8E44AD},  // 8 幽冥符咒师: ghost (Talisman)
};

constexpr char32_t kLantern = 0x1F3EE;

// Fills out from big by bilinear interpolation, big placed as scaled() places it (scale source
// pixels per target pixel, offset by offX, offY source pixels); outside big is transparent.
void enlarge(const Bitmap& big, Bitmap& out, double scale, double offX, double offY) {
    auto at = [&big](int x, int y, int shift) -> double {
        if (x < 0 || y < 0 || x >= big.width() || y >= big.height()) return 0;
        return (big.pixel(x, y) >> shift) & 0xFF;
    };
    for (int y = 0; y < out.height(); ++y)
        for (int x = 0; x < out.width(); ++x) {
            const double fx = (x + 0.5) * scale - offX - 0.5, fy = (y + 0.5) * scale - offY - 0.5;
            const int x0 = static_cast<int>(std::floor(fx)), y0 = static_cast<int>(std::floor(fy));
            const double tx = fx - x0, ty = fy - y0;
            uint32_t p = 0;
            for (int shift = 0; shift < 32; shift += 8) {
                const double v =
                    (at(x0, y0, shift) * (1 - tx) + at(x0 + 1, y0, shift) * tx) * (1 - ty) +
                    (at(x0, y0 + 1, shift) * (1 - tx) + at(x0 + 1, y0 + 1, shift) * tx) * ty;
                p |= static_cast<uint32_t>(std::lround(std::clamp(v, 0.0, 255.0))) << shift;
            }
            out.setPixel(x, y, p);
        }
}

// A glyph of the colour font scaled to size x size: down by averaging (premultiplied colours),
// up (past the font's own bitmap) by bilinear interpolation.
Bitmap scaled(FontSystem& fonts, char32_t ch, int size) {
    const Bitmap big = fonts.colorGlyph(kEmojiFamily, ch);
    Bitmap out(size, size, Color{});
    for (auto& p : out.pixels()) p = 0;
    const double scale = std::max(big.width(), big.height()) / static_cast<double>(size);
    const double offX = (size * scale - big.width()) / 2, offY = (size * scale - big.height()) / 2;
    if (scale < 1) {
        enlarge(big, out, scale, offX, offY);
        return out;
    }
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            double a = 0, r = 0, g = 0, b = 0, n = 0;
            const int x0 = static_cast<int>(std::floor(x * scale - offX)),
                      x1 = static_cast<int>(std::ceil((x + 1) * scale - offX));
            const int y0 = static_cast<int>(std::floor(y * scale - offY)),
                      y1 = static_cast<int>(std::ceil((y + 1) * scale - offY));
            for (int sy = y0; sy < y1; ++sy)
                for (int sx = x0; sx < x1; ++sx) {
                    n += 1;
                    if (sx < 0 || sy < 0 || sx >= big.width() || sy >= big.height()) continue;
                    const uint32_t p = big.pixel(sx, sy);
                    a += p >> 24;
                    r += (p >> 16) & 0xFF;
                    g += (p >> 8) & 0xFF;
                    b += p & 0xFF;
                }
            if (n == 0) continue;
            auto c = [n](double v) {
                return static_cast<uint32_t>(std::lround(std::min(255.0, v / n)));
            };
            out.setPixel(x, y, (c(a) << 24) | (c(r) << 16) | (c(g) << 8) | c(b));
        }
    return out;
}

void composite(Bitmap& target, const Bitmap& glyph, Point at) {
    Canvas c(target);
    c.drawBitmapAlpha(glyph, at);
}

// A glyph of size x size units composited at a unit position: rendered at the target's scale.
void compositeGlyph(Bitmap& target, FontSystem& fonts, char32_t ch, int size, Point at) {
    Bitmap glyph = scaled(fonts, ch, size * target.scale());
    glyph.setScale(target.scale());
    composite(target, glyph, at);
}

Bitmap portrait(FontSystem& fonts, char32_t face, int index, int n) {
    Bitmap b(32, 32, colors::black, n);
    // A light backdrop whose hue turns with the appearance, inside a gilt frame.
    const double hue = index / 20.0;
    const Color top = mix(Color::rgb(0xFFF6E0), Color::rgb(0xE0ECFF), hue);
    const Color bottom = mix(Color::rgb(0xF2D9A8), Color::rgb(0xB8CCE8), hue);
    verticalGradient(b, b.rect(), top, bottom);
    compositeGlyph(b, fonts, face, 26, {3, 3});
    Canvas c(b);
    c.frameRect({0, 0, 32, 32}, Color::rgb(0x6B4A1E));
    c.frameRect({1, 1, 31, 31}, Color::rgb(0xE8C25A));
    c.setPixel(1, 1, Color::rgb(0x6B4A1E));
    c.setPixel(30, 1, Color::rgb(0x6B4A1E));
    c.setPixel(1, 30, Color::rgb(0x6B4A1E));
    c.setPixel(30, 30, Color::rgb(0x6B4A1E));
    return b;
}

Bitmap lantern(FontSystem& fonts, int n) {
    Bitmap b(32, 32, colors::white, n);
    compositeGlyph(b, fonts, kLantern, 30, {1, 1});
    return b;
}

Bitmap emblem(FontSystem& fonts, const Emblem& e, int n) {
    Bitmap b(32, 32, colors::white, n);
    const Color disc = Color::rgb(e.disc);
    gem(b, 16, 16, 15.5, mix(disc, colors::white, 0.55), mix(disc, colors::black, 0.25));
    // A white ring inside the disc, then the symbol.
    shape(
        b,
        [n](double x, double y) {
            const double d = std::hypot(x - 16 * n, y - 16 * n);
            return stroke(1.2, std::abs(d - 13.2 * n), n);
        },
        Color::rgb(0xFFF8E8));
    compositeGlyph(b, fonts, e.symbol, 20, {6, 6});
    return b;
}

Bitmap logo(FontSystem& fonts, int n) {
    Bitmap b(160, 60, colors::black, n);
    verticalGradient(b, b.rect(), Color::rgb(0x8E1B1B), Color::rgb(0x3A0A0A));
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 160; ++x)
            if ((x + y * 3) % 23 == 0) tint(b, {x, y, x + 1, y + 1}, Color::rgb(0xFFD27A), 0.12);
    Canvas c(b, &fonts);
    c.frameRect(b.rect(), Color::rgb(0xE8C25A));
    c.frameRect(b.rect().inflated(-2, -2), Color::rgb(0x6B1010));
    compositeGlyph(b, fonts, kLantern, 40, {8, 10});
    const FontSpec latin{"Tahoma", 22, true, colors::white};
    c.drawText(latin, Color::rgb(0x2A0505), {57, 7, 160, 35}, "Qarno");
    c.drawText(latin, Color::rgb(0xFFF3D6), {56, 6, 160, 34}, "Qarno");
    const FontSpec chinese{"华文行楷", 18, false, colors::white};
    c.drawText(chinese, Color::rgb(0xFFD27A), {56, 33, 160, 56}, "岚渊专区");
    return b;
}

// The icon is drawn at each size by the same rule: plate and edge follow the size, the lantern
// covers 34/48 of it.
Bitmap icon(FontSystem& fonts, int size) {
    const double half = size / 2.0;
    Bitmap b(size, size);
    for (auto& p : b.pixels()) p = 0;
    // A round red plate with the lantern, transparent around it.
    Bitmap plate(size, size, colors::white);
    gem(plate, half, half, half - 0.5, Color::rgb(0xE85A4A), Color::rgb(0x7A1010));
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const double d = std::hypot(x + 0.5 - half, y + 0.5 - half);
            const double alpha = std::clamp(half - d, 0.0, 1.0);
            const Color c = plate.color(x, y);
            const auto a = static_cast<uint32_t>(std::lround(alpha * 255));
            auto pre = [alpha](uint8_t v) { return static_cast<uint32_t>(std::lround(v * alpha)); };
            b.setPixel(x, y, (a << 24) | (pre(c.r) << 16) | (pre(c.g) << 8) | pre(c.b));
        }
    const int lantern = static_cast<int>(std::lround(size * 34 / 48.0));
    const int at = (size - lantern) / 2;
    composite(b, scaled(fonts, kLantern, lantern), {at, at});
    // Straight (not premultiplied) colours for the files.
    for (auto& p : b.pixels()) {
        const uint32_t a = p >> 24;
        if (a == 0 || a == 255) continue;
        auto un = [a](uint32_t v) { return std::min<uint32_t>(255, (v * 255 + a / 2) / a); };
        p = (a << 24) | (un((p >> 16) & 0xFF) << 16) | (un((p >> 8) & 0xFF) << 8) | un(p & 0xFF);
    }
    return b;
}

}  // namespace

LayoutPictures layoutPictures(int scale) {
    FontSystem fonts;
    LayoutPictures out;
    for (int i = 0; i < 20; ++i) out.imageList1.push_back(portrait(fonts, kFaces[i], i, scale));
    out.imageList1.push_back(lantern(fonts, scale));
    out.imageList2.push_back(lantern(fonts, scale));
    for (const Emblem& e : kEmblems) out.imageList2.push_back(emblem(fonts, e, scale));
    out.logo = logo(fonts, scale);
    out.logoJpeg = jpeg::encode(out.logo, 90);
    if (scale > 1) return out;
    for (int size : kIconSizes) out.icons.emplace(size, icon(fonts, size));
    out.icon = out.icons.at(48);
    return out;
}

}  // namespace lymn::art
