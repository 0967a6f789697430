#include "platform/Canvas.h"

#include <cassert>
#include <cstdlib>

#include "platform/Error.h"
#include "platform/Utf8.h"

namespace lymn {

PrefixedText processPrefix(std::string_view caption) {
    PrefixedText out;
    int index = 0;
    const auto chars = utf8Decode(caption);
    for (size_t i = 0; i < chars.size(); ++i) {
        char32_t c = chars[i];
        if (c == U'&') {
            if (i + 1 >= chars.size()) break;  // a lone "&" at the end is not drawn
            c = chars[++i];
            if (c != U'&' && out.underline < 0) {
                out.underline = index;
                out.accelerator = c;
            }
        }
        utf8Append(out.display, c);
        ++index;
    }
    return out;
}

Canvas::Canvas(Bitmap& target, FontSystem* fonts) : target_(target), fonts_(fonts) {
    state_.clip = target.rect();
}

Canvas::~Canvas() {
    assert(stack_.empty() && "Canvas save/restore out of balance");
}

void Canvas::save() {
    stack_.push_back(state_);
}

void Canvas::restore() {
    if (stack_.empty()) throw Error("Canvas restore without save");
    state_ = stack_.back();
    stack_.pop_back();
}

void Canvas::translate(int dx, int dy) {
    state_.origin.x += dx;
    state_.origin.y += dy;
}

void Canvas::intersectClip(const Rect& local) {
    state_.clip = state_.clip.intersected(toTarget(local));
}

void Canvas::setPixel(int x, int y, Color c) {
    const Point p{x + state_.origin.x, y + state_.origin.y};
    if (state_.clip.contains(p)) target_.setColor(p.x, p.y, c);
}

Color Canvas::pixel(int x, int y) const {
    const Point p{x + state_.origin.x, y + state_.origin.y};
    return target_.rect().contains(p) ? target_.color(p.x, p.y) : colors::black;
}

void Canvas::fillRect(const Rect& r, Color c) {
    const Rect t = toTarget(r).intersected(state_.clip);
    const uint32_t p = c.pixel();
    for (int y = t.top; y < t.bottom; ++y) {
        uint32_t* row = target_.row(y);
        std::fill(row + t.left, row + t.right, p);
    }
}

void Canvas::frameRect(const Rect& r, Color c, int width) {
    if (r.empty()) return;
    const int w = std::min({width, r.width(), r.height()});
    fillRect({r.left, r.top, r.right, r.top + w}, c);
    fillRect({r.left, r.bottom - w, r.right, r.bottom}, c);
    fillRect({r.left, r.top + w, r.left + w, r.bottom - w}, c);
    fillRect({r.right - w, r.top + w, r.right, r.bottom - w}, c);
}

void Canvas::line(Point a, Point b, Color c) {
    if (a.y == b.y) {
        if (b.x > a.x)
            fillRect({a.x, a.y, b.x, a.y + 1}, c);
        else
            fillRect({b.x + 1, a.y, a.x + 1, a.y + 1}, c);
        return;
    }
    if (a.x == b.x) {
        if (b.y > a.y)
            fillRect({a.x, a.y, a.x + 1, b.y}, c);
        else
            fillRect({a.x, b.y + 1, a.x + 1, a.y + 1}, c);
        return;
    }
    // Bresenham, end point excluded.
    int x = a.x, y = a.y;
    const int dx = std::abs(b.x - a.x), sx = a.x < b.x ? 1 : -1;
    const int dy = -std::abs(b.y - a.y), sy = a.y < b.y ? 1 : -1;
    int err = dx + dy;
    while (x != b.x || y != b.y) {
        setPixel(x, y, c);
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

void Canvas::drawBitmap(const Bitmap& src, Point at) {
    drawBitmap(src, src.rect(), at);
}

void Canvas::drawBitmap(const Bitmap& src, const Rect& from, Point at) {
    const Rect f = from.intersected(src.rect());
    const Point shift{at.x + f.left - from.left, at.y + f.top - from.top};
    const Rect t =
        toTarget(Rect::xywh(shift.x, shift.y, f.width(), f.height())).intersected(state_.clip);
    const int sx0 = f.left + (t.left - (shift.x + state_.origin.x));
    const int sy0 = f.top + (t.top - (shift.y + state_.origin.y));
    for (int y = t.top; y < t.bottom; ++y) {
        const uint32_t* s = src.row(sy0 + (y - t.top)) + sx0;
        uint32_t* d = target_.row(y) + t.left;
        for (int x = 0; x < t.width(); ++x) d[x] = s[x] | 0xFF000000u;
    }
}

namespace {

// Source coordinate of destination offset d when n source pixels are stretched over m.
inline int mapStretch(int d, int n, int m) {
    return static_cast<int>((static_cast<long long>(d) * n) / m);
}

}  // namespace

void Canvas::stretch(const Bitmap& src, const Rect& from, const Rect& to, const Color* key) {
    if (from.empty() || to.empty()) return;
    const Rect t = toTarget(to).intersected(state_.clip);
    const Rect full = toTarget(to);
    for (int y = t.top; y < t.bottom; ++y) {
        const int sy = from.top + mapStretch(y - full.top, from.height(), full.height());
        if (sy < 0 || sy >= src.height()) continue;
        const uint32_t* s = src.row(sy);
        uint32_t* d = target_.row(y);
        for (int x = t.left; x < t.right; ++x) {
            const int sx = from.left + mapStretch(x - full.left, from.width(), full.width());
            if (sx < 0 || sx >= src.width()) continue;
            const uint32_t p = s[sx];
            if (!key || (p & 0xFFFFFFu) != key->hex()) d[x] = p | 0xFF000000u;
        }
    }
}

void Canvas::stretchBitmap(const Bitmap& src, const Rect& from, const Rect& to) {
    stretch(src, from, to, nullptr);
}

void Canvas::drawBitmapKeyed(const Bitmap& src, const Rect& from, Point at, Color key) {
    stretchBitmapKeyed(src, from, Rect::xywh(at.x, at.y, from.width(), from.height()), key);
}

void Canvas::stretchBitmapKeyed(const Bitmap& src, const Rect& from, const Rect& to, Color key) {
    stretch(src, from, to, &key);
}

void Canvas::drawBitmapAlpha(const Bitmap& src, Point at) {
    const Rect t =
        toTarget(Rect::xywh(at.x, at.y, src.width(), src.height())).intersected(state_.clip);
    const Point o = toTarget(Rect::xywh(at.x, at.y, 0, 0)).topLeft();
    for (int y = t.top; y < t.bottom; ++y) {
        const uint32_t* s = src.row(y - o.y);
        uint32_t* d = target_.row(y);
        for (int x = t.left; x < t.right; ++x) {
            const uint32_t p = s[x - o.x];
            const uint32_t a = p >> 24;
            if (a == 0) continue;
            const Color dc = Color::fromPixel(d[x]);
            auto ch = [a](uint32_t sv, uint32_t dv) {
                return static_cast<uint8_t>(
                    std::min<uint32_t>(255, sv + (dv * (255 - a) + 127) / 255));
            };
            d[x] = Color{ch((p >> 16) & 0xFF, dc.r), ch((p >> 8) & 0xFF, dc.g), ch(p & 0xFF, dc.b)}
                       .pixel();
        }
    }
}

void Canvas::fillPattern(const Rect& r, const Bitmap& pattern) {
    if (pattern.empty()) return;
    const Rect t = toTarget(r).intersected(state_.clip);
    const int pw = pattern.width(), ph = pattern.height();
    std::vector<uint32_t> line(static_cast<size_t>(t.width()));
    int py = ((t.top - state_.origin.y) % ph + ph) % ph;
    const int px0 = ((t.left - state_.origin.x) % pw + pw) % pw;
    for (int y = t.top; y < t.bottom; ++y) {
        // One row of the brush, laid out once and copied.
        const uint32_t* s = pattern.row(py);
        for (int x = 0, px = px0; x < t.width(); ++x) {
            line[static_cast<size_t>(x)] = s[px] | 0xFF000000u;
            if (++px == pw) px = 0;
        }
        std::copy(line.begin(), line.end(), target_.row(y) + t.left);
        if (++py == ph) py = 0;
    }
}

void Canvas::drawBitmapGreyed(const Bitmap& src, Point at, Color key) {
    auto dark = [&](int x, int y) {
        const Color c = src.color(x, y);
        if (c == key) return false;
        return (c.r * 30 + c.g * 59 + c.b * 11) / 100 < 160;
    };
    for (int pass = 0; pass < 2; ++pass) {
        const Color c = sysColor(pass == 0 ? SysColor::ButtonHighlight : SysColor::ButtonShadow);
        const int off = pass == 0 ? 1 : 0;
        for (int y = 0; y < src.height(); ++y)
            for (int x = 0; x < src.width(); ++x)
                if (dark(x, y)) setPixel(at.x + x + off, at.y + y + off, c);
    }
}

void Canvas::drawFocusRect(const Rect& r) {
    if (r.empty()) return;
    auto invert = [&](int x, int y) {
        const Point p{x + state_.origin.x, y + state_.origin.y};
        if (state_.clip.contains(p))
            target_.setPixel(p.x, p.y, target_.pixel(p.x, p.y) ^ 0x00FFFFFFu);
    };
    // Every other pixel along the outline, starting at the top-left corner.
    int i = 0;
    for (int x = r.left; x < r.right; ++x, ++i)
        if (i % 2 == 0) invert(x, r.top);
    for (int y = r.top + 1; y < r.bottom; ++y, ++i)
        if (i % 2 == 0) invert(r.right - 1, y);
    for (int x = r.right - 2; x >= r.left; --x, ++i)
        if (i % 2 == 0) invert(x, r.bottom - 1);
    for (int y = r.bottom - 2; y > r.top; --y, ++i)
        if (i % 2 == 0) invert(r.left, y);
}

FontMetrics Canvas::fontMetrics(const FontSpec& font) const {
    if (!fonts_) throw Error("Canvas has no fonts");
    return fonts_->metrics(font);
}

Size Canvas::measureText(const FontSpec& font, std::string_view text, unsigned flags) const {
    if (!fonts_) throw Error("Canvas has no fonts");
    const std::string shown =
        (flags & text::NoPrefix) ? std::string(text) : processPrefix(text).display;
    return {fonts_->textWidth(font, shown), fonts_->metrics(font).height()};
}

void Canvas::drawText(const FontSpec& font, Color color, const Rect& r, std::string_view text,
                      unsigned flags) {
    if (!fonts_) throw Error("Canvas has no fonts");
    PrefixedText p;
    if (flags & text::NoPrefix)
        p.display = std::string(text);
    else
        p = processPrefix(text);
    const int width = fonts_->textWidth(font, p.display);
    const FontMetrics m = fonts_->metrics(font);
    int x = r.left;
    if (flags & text::HCenter)
        x = r.left + (r.width() - width) / 2;
    else if (flags & text::Right)
        x = r.right - width;
    int y = r.top;
    if (flags & text::VCenter)
        y = r.top + (r.height() - m.height()) / 2;
    else if (flags & text::Bottom)
        y = r.bottom - m.height();
    CanvasSaver saver(*this);
    if (!(flags & text::NoClip)) intersectClip(r);
    fonts_->drawText(target_, state_.clip, x + state_.origin.x, y + state_.origin.y, font, color,
                     p.display);
    if (p.underline >= 0) {
        const auto chars = utf8Decode(p.display);
        const std::string before = utf8Encode(std::u32string_view(chars).substr(0, p.underline));
        const std::string mark = utf8Encode(std::u32string_view(chars).substr(p.underline, 1));
        const int ux = x + fonts_->textWidth(font, before);
        const int uy = y + m.ascent + 1;
        fillRect({ux, uy, ux + fonts_->textWidth(font, mark), uy + 1}, color);
    }
}

void Canvas::drawTextAt(const FontSpec& font, Color color, Point p, std::string_view text) {
    if (!fonts_) throw Error("Canvas has no fonts");
    fonts_->drawText(target_, state_.clip, p.x + state_.origin.x, p.y + state_.origin.y, font,
                     color, text);
}

}  // namespace lymn
