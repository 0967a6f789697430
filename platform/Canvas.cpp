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

namespace {

int wrap(int v, int m) {
    return ((v % m) + m) % m;
}

// Source coordinate of destination offset d when n source pixels are stretched over m.
inline int mapStretch(int d, int n, int m) {
    return static_cast<int>((static_cast<long long>(d) * n) / m);
}

}  // namespace

Canvas::Canvas(Bitmap& target, FontSystem* fonts)
    : target_(target), fonts_(fonts), scale_(target.scale()) {
    state_.clip = target.deviceRect();
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
    state_.origin.x += dx * scale_;
    state_.origin.y += dy * scale_;
}

void Canvas::intersectClip(const Rect& local) {
    state_.clip = state_.clip.intersected(toTarget(local));
}

Rect Canvas::clip() const {
    const Rect c = state_.clip.translated(-state_.origin.x, -state_.origin.y);
    return {floorDiv(c.left, scale_), floorDiv(c.top, scale_), ceilDiv(c.right, scale_),
            ceilDiv(c.bottom, scale_)};
}

void Canvas::setPixel(int x, int y, Color c) {
    fillRect({x, y, x + 1, y + 1}, c);
}

Color Canvas::pixel(int x, int y) const {
    const Point p = toTarget(Point{x, y});
    return target_.deviceRect().contains(p) ? Color::fromPixel(target_.devicePixel(p.x, p.y))
                                            : colors::black;
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
    if (src.scale() != scale_) {
        stretch(src, from, Rect::xywh(at.x, at.y, from.width(), from.height()), nullptr);
        return;
    }
    const Rect f = from.intersected(src.rect());
    const Rect dest = toTarget(
        Rect::xywh(at.x + f.left - from.left, at.y + f.top - from.top, f.width(), f.height()));
    const Rect t = dest.intersected(state_.clip);
    const int sx0 = f.left * scale_ + (t.left - dest.left);
    const int sy0 = f.top * scale_ + (t.top - dest.top);
    for (int y = t.top; y < t.bottom; ++y) {
        const uint32_t* s = src.row(sy0 + (y - t.top)) + sx0;
        uint32_t* d = target_.row(y) + t.left;
        for (int x = 0; x < t.width(); ++x) d[x] = s[x] | 0xFF000000u;
    }
}

void Canvas::stretch(const Bitmap& src, const Rect& from, const Rect& to, const Color* key) {
    if (from.empty() || to.empty()) return;
    const int ss = src.scale();
    const Rect f{from.left * ss, from.top * ss, from.right * ss, from.bottom * ss};
    const Rect full = toTarget(to);
    const Rect t = full.intersected(state_.clip);
    if (t.empty()) return;
    // The source column of each target column, worked out once: -1 where there is none.
    std::vector<int> columns(static_cast<size_t>(t.width()));
    for (int x = t.left; x < t.right; ++x) {
        const int sx = f.left + mapStretch(x - full.left, f.width(), full.width());
        columns[static_cast<size_t>(x - t.left)] = sx >= 0 && sx < src.deviceWidth() ? sx : -1;
    }
    for (int y = t.top; y < t.bottom; ++y) {
        const int sy = f.top + mapStretch(y - full.top, f.height(), full.height());
        if (sy < 0 || sy >= src.deviceHeight()) continue;
        const uint32_t* s = src.row(sy);
        uint32_t* d = target_.row(y) + t.left;
        for (size_t i = 0; i < columns.size(); ++i) {
            if (columns[i] < 0) continue;
            const uint32_t p = s[columns[i]];
            if (!key || (p & 0xFFFFFFu) != key->hex()) d[i] = p | 0xFF000000u;
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
    const Rect full = toTarget(Rect::xywh(at.x, at.y, src.width(), src.height()));
    const Rect t = full.intersected(state_.clip);
    const int ss = src.scale();
    for (int y = t.top; y < t.bottom; ++y) {
        const uint32_t* s = src.row((y - full.top) * ss / scale_);
        uint32_t* d = target_.row(y);
        for (int x = t.left; x < t.right; ++x) {
            const uint32_t p = s[(x - full.left) * ss / scale_];
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
    const int pw = pattern.deviceWidth(), ph = pattern.deviceHeight(), ps = pattern.scale();
    // The brush's device pixel under a target pixel, the brush laid from the local origin.
    auto brushX = [&](int x) {
        return wrap(floorDiv(static_cast<long long>(x - state_.origin.x) * ps, scale_), pw);
    };
    auto brushY = [&](int y) {
        return wrap(floorDiv(static_cast<long long>(y - state_.origin.y) * ps, scale_), ph);
    };
    std::vector<uint32_t> line(static_cast<size_t>(t.width()));
    for (int y = t.top; y < t.bottom; ++y) {
        // One row of the brush, laid out once and copied.
        const uint32_t* s = pattern.row(brushY(y));
        if (ps == scale_) {
            for (int x = 0, px = brushX(t.left); x < t.width(); ++x) {
                line[static_cast<size_t>(x)] = s[px] | 0xFF000000u;
                if (++px == pw) px = 0;
            }
        } else {
            for (int x = 0; x < t.width(); ++x)
                line[static_cast<size_t>(x)] = s[brushX(t.left + x)] | 0xFF000000u;
        }
        std::copy(line.begin(), line.end(), target_.row(y) + t.left);
    }
}

void Canvas::drawBitmapGreyed(const Bitmap& src, Point at, Color key) {
    const int ss = src.scale();
    auto dark = [&](int x, int y) {
        const Color c = Color::fromPixel(src.devicePixel(x * ss / scale_, y * ss / scale_));
        if (c == key) return false;
        return (c.r * 30 + c.g * 59 + c.b * 11) / 100 < 160;
    };
    const Point o = toTarget(at);
    for (int pass = 0; pass < 2; ++pass) {
        const uint32_t c =
            sysColor(pass == 0 ? SysColor::ButtonHighlight : SysColor::ButtonShadow).pixel();
        const int off = pass == 0 ? scale_ : 0;
        for (int y = 0; y < src.height() * scale_; ++y)
            for (int x = 0; x < src.width() * scale_; ++x) {
                const Point p{o.x + x + off, o.y + y + off};
                if (state_.clip.contains(p) && dark(x, y)) target_.setDevicePixel(p.x, p.y, c);
            }
    }
}

void Canvas::invertUnit(int x, int y) {
    const Rect t = toTarget(Rect{x, y, x + 1, y + 1}).intersected(state_.clip);
    for (int py = t.top; py < t.bottom; ++py) {
        uint32_t* row = target_.row(py);
        for (int px = t.left; px < t.right; ++px) row[px] ^= 0x00FFFFFFu;
    }
}

void Canvas::drawFocusRect(const Rect& r) {
    if (r.empty()) return;
    // Every other pixel along the outline, starting at the top-left corner.
    int i = 0;
    for (int x = r.left; x < r.right; ++x, ++i)
        if (i % 2 == 0) invertUnit(x, r.top);
    for (int y = r.top + 1; y < r.bottom; ++y, ++i)
        if (i % 2 == 0) invertUnit(r.right - 1, y);
    for (int x = r.right - 2; x >= r.left; --x, ++i)
        if (i % 2 == 0) invertUnit(x, r.bottom - 1);
    for (int y = r.bottom - 2; y > r.top; --y, ++i)
        if (i % 2 == 0) invertUnit(r.left, y);
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
    const Point at = toTarget(Point{x, y});
    fonts_->drawText(target_, state_.clip, at.x, at.y, font, color, p.display, scale_);
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
    const Point at = toTarget(p);
    fonts_->drawText(target_, state_.clip, at.x, at.y, font, color, text, scale_);
}

}  // namespace lymn
