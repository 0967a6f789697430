#include "skin/TSkinButton.h"

namespace lymn {

TSkinButton::TSkinButton(Control* parent) : TSkinCustomButton(parent) {}

void TSkinButton::setUIStyle(TSkinUIStyle s) {
    style_ = s;
    if (s == TSkinUIStyle::Pinstripe) setHeight(23);
    transparent_ = s == TSkinUIStyle::Glass;
    invalidate();
}

void TSkinButton::setTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    invalidate();
}

void TSkinButton::setGlyph(const Bitmap& g) {
    glyph_ = g;
    invalidate();
}

bool TSkinButton::canResize(Rect& b) {
    // The Pinstripe pictures are 23 pixels high: other heights are refused as a whole.
    return style_ != TSkinUIStyle::Pinstripe || b.height() == 23;
}

void TSkinButton::paint(Canvas& c) {
    c.fillRect(clientRect(), pressed() ? sysColor(SysColor::ButtonShadow) : mouseOver() ? Color::rgb(0x92CCFF) : sysColor(SysColor::ButtonFace));
    c.frameRect(clientRect(), sysColor(SysColor::ButtonShadow));
    const Rect r = pressed() ? clientRect().translated(1, 1) : clientRect();
    c.drawText(font(), font().color, r, caption(), text::HCenter | text::VCenter);
}

}  // namespace lymn
