#include "skin/TSkinButton.h"

#include <string>

#include "platform/Application.h"
#include "platform/Form.h"
#include "skin/SliceDraw.h"
#include "skin/ThemeTable.h"

namespace lymn {

TSkinButton::TSkinButton(Control* parent) : TSkinCustomButton(parent) {
    setUIStyle(GetSkinFormStyle(form()));
}

void TSkinButton::SetButtonPic(TSkinUIStyle s) {
    if (s == TSkinUIStyle::Custom) return;
    picNormal_ = GetThemeString(s, theme::ButtonNormal);
    picMouseOn_ = GetThemeString(s, theme::ButtonMouseOn);
    picMouseDown_ = GetThemeString(s, theme::ButtonMouseDown);
}

void TSkinButton::setUIStyle(TSkinUIStyle s) {
    style_ = s;
    SetButtonPic(s);
    if (s == TSkinUIStyle::Pinstripe) {
        // The height goes first; the bounds check then holds it at 23.
        const Rect b = bounds();
        style_ = TSkinUIStyle::Custom;
        setBounds(b.left, b.top, b.width(), 23);
        style_ = s;
    }
    transparent_ = s == TSkinUIStyle::Glass;
    invalidate();
}

void TSkinButton::setTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    invalidate();
}

void TSkinButton::setAutoSize(bool a) {
    autoSize_ = a;
    applyAutoSize();
}

void TSkinButton::setGlyph(const Bitmap& g) {
    glyph_ = g;
    invalidate();
}

void TSkinButton::setLayout(TButtonLayout l) {
    layout_ = l;
    invalidate();
}

void TSkinButton::setSpacing(int s) {
    spacing_ = s;
    invalidate();
}

void TSkinButton::setPicNormalResName(const std::string& n) {
    style_ = TSkinUIStyle::Custom;
    picNormal_ = n;
    applyAutoSize();
    invalidate();
}

void TSkinButton::setPicMouseOnResName(const std::string& n) {
    style_ = TSkinUIStyle::Custom;
    picMouseOn_ = n;
    invalidate();
}

void TSkinButton::setPicMouseDownResName(const std::string& n) {
    style_ = TSkinUIStyle::Custom;
    picMouseDown_ = n;
    invalidate();
}

void TSkinButton::applyAutoSize() {
    if (!autoSize_ || picNormal_.empty()) return;
    const Bitmap p = loadState(picNormal_);
    setBounds(left(), top(), p.width(), p.height());
}

Bitmap TSkinButton::loadState(const std::string& name) const {
    // A picture that cannot be loaded is a blank 74 x 21 one; nothing is reported.
    Bitmap b;
    if (!name.empty() && hasThemeBitmap(name))
        LoadThemeBitmap(b, name);
    else
        b = Bitmap(74, 21, colors::black);
    return b;
}

bool TSkinButton::canResize(Rect& b) {
    // The Pinstripe pictures are 23 pixels high: other heights are refused as a whole.
    return style_ != TSkinUIStyle::Pinstripe || b.height() == 23;
}

std::string TSkinButton::statePicture() const {
    if (!effectivelyEnabled()) return picNormal_;
    if (pressed()) return picMouseDown_;
    if (mouseOver()) return picMouseOn_;
    return picNormal_;
}

Size TSkinButton::glyphSize() const {
    Size g = glyph_.size();
    // A glyph twice as wide as high holds two frames: enabled and disabled.
    if (g.width == 2 * g.height) g.width = g.height;
    return g;
}

Size TSkinButton::captionSize() const {
    const Application* app = application();
    if (!app) return {};
    auto& fonts = const_cast<Application*>(app)->fonts();
    return {fonts.textWidth(font(), processPrefix(caption()).display),
            fonts.metrics(font()).height()};
}

Point TSkinButton::glyphPosition() const {
    const Size t = captionSize(), g = glyphSize();
    const int W = width(), H = height(), S = spacing_;
    switch (layout_) {
        case TButtonLayout::blGlyphLeft:
            return {(W - t.width - g.width - S) / 2, (H - g.height) / 2};
        case TButtonLayout::blGlyphRight:
            return {(W + t.width + S - g.width) / 2, (H - g.height) / 2};
        case TButtonLayout::blGlyphTop:
            return {(W - g.width) / 2, (H - t.height - g.height - S) / 2};
        case TButtonLayout::blGlyphBottom:
            return {(W - g.width) / 2, (H + t.height + S - g.height) / 2};
    }
    return {};
}

Point TSkinButton::captionPosition() const {
    const Size t = captionSize(), g = glyphSize();
    const Point p = glyphPosition();
    const int W = width(), H = height(), S = spacing_;
    switch (layout_) {
        case TButtonLayout::blGlyphLeft:
            return {p.x + g.width + S, (H - t.height) / 2};
        case TButtonLayout::blGlyphRight:
            return {p.x - t.width - S, (H - t.height) / 2};
        case TButtonLayout::blGlyphTop:
            return {(W - t.width) / 2, p.y + g.height + S};
        case TButtonLayout::blGlyphBottom:
            return {(W - t.width) / 2, p.y - t.height - S};
    }
    return {};
}

void TSkinButton::paint(Canvas& c) {
    const Bitmap picture = loadState(statePicture());
    const bool enabled = effectivelyEnabled();
    if (transparent_)
        paintParentBackground(c);
    else
        c.fillRect(clientRect(), parent() ? parent()->color() : color());
    if (style_ != TSkinUIStyle::Custom) {
        SliceDraw(picture, c, clientRect(), transparent_);
    } else if (!enabled) {
        c.drawBitmapGreyed(picture, {0, 0}, picture.color(0, 0));
    } else if (transparent_) {
        c.drawBitmapKeyed(picture, picture.rect(), {0, 0}, picture.color(0, 0));
    } else {
        c.drawBitmap(picture, {0, 0});
    }
    const int shift = pressed() ? 1 : 0;
    if (!glyph_.empty()) {
        const Size g = glyphSize();
        const Point p = glyphPosition() + Point{shift, shift};
        const bool twoFrames = glyph_.width() == 2 * glyph_.height();
        const Color key = glyph_.color(0, glyph_.height() - 1);
        if (!enabled && !twoFrames)
            c.drawBitmapGreyed(glyph_.copy({0, 0, g.width, g.height}), p, key);
        else
            c.drawBitmapKeyed(glyph_,
                              {!enabled && twoFrames ? g.width : 0, 0,
                               (!enabled && twoFrames ? 2 : 1) * g.width, g.height},
                              p, key);
    }
    if (focused() && tabStop()) {
        if (style_ == TSkinUIStyle::Pinstripe || style_ == TSkinUIStyle::Glass)
            c.line({10, height() - 5}, {width() - 10, height() - 5}, Color::rgb(0x0000FF));
        else
            c.drawFocusRect({2, 2, width() - 2, height() - 2});
    }
    if (caption().find_first_not_of(' ') == std::string::npos) return;
    const Color ink = font().color;
    if (glyph_.empty()) {
        const Rect r = clientRect().translated(shift, shift);
        const unsigned f = text::HCenter | text::VCenter;
        if (!enabled) {
            c.drawText(font(), colors::white, r.translated(1, 1), caption(), f);
            c.drawText(font(), Color::rgb(0x808080), r, caption(), f);
        } else {
            c.drawText(font(), ink, r, caption(), f);
        }
        return;
    }
    const Point at = captionPosition() + Point{shift, shift};
    const Rect r{at.x, at.y, width(), height()};
    if (!enabled) {
        c.drawText(font(), colors::white, r.translated(1, 1), caption());
        c.drawText(font(), Color::rgb(0x808080), r, caption());
    } else {
        c.drawText(font(), ink, r, caption());
    }
}

}  // namespace lymn
