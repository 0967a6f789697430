#include "skin/TSkinButton.h"

#include <string>

#include "platform/Form.h"
#include "skin/SliceDraw.h"
#include "skin/ThemeTable.h"

namespace lymn {

namespace {

Bitmap decode(const std::string& name, int scale) {
    // A picture that cannot be loaded is a blank 74 x 21 one; nothing is reported.
    Bitmap b;
    if (!name.empty() && hasThemeBitmap(name))
        LoadThemeBitmap(b, name, scale);
    else
        b = Bitmap(74, 21, colors::black);
    return b;
}

}  // namespace

TSkinButton::TSkinButton(Control* parent) : TSkinCustomButton(parent) {
    for (Bitmap& p : pictures_) p = decode({}, 1);
    setUIStyle(GetSkinFormStyle(form()));
}

void TSkinButton::SetButtonPic(TSkinUIStyle s) {
    if (s == TSkinUIStyle::Custom) return;
    setPicture(kNormal, GetThemeString(s, theme::ButtonNormal));
    setPicture(kMouseOn, GetThemeString(s, theme::ButtonMouseOn));
    setPicture(kMouseDown, GetThemeString(s, theme::ButtonMouseDown));
}

void TSkinButton::setPicture(Picture which, const std::string& name) {
    // The decoded picture is kept as long as its name stays.
    if (name == names_[which]) return;
    names_[which] = name;
    pictures_[which] = decode(name, scale());
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

void TSkinButton::setPicNormalResName(const std::string& n) {
    style_ = TSkinUIStyle::Custom;
    setPicture(kNormal, n);
    applyAutoSize();
    invalidate();
}

void TSkinButton::setPicMouseOnResName(const std::string& n) {
    style_ = TSkinUIStyle::Custom;
    setPicture(kMouseOn, n);
    invalidate();
}

void TSkinButton::setPicMouseDownResName(const std::string& n) {
    style_ = TSkinUIStyle::Custom;
    setPicture(kMouseDown, n);
    invalidate();
}

void TSkinButton::applyAutoSize() {
    if (!autoSize_ || names_[kNormal].empty()) return;
    const Bitmap& p = pictures_[kNormal];
    setBounds(left(), top(), p.width(), p.height());
}

bool TSkinButton::canResize(Rect& b) {
    // The Pinstripe pictures are 23 pixels high: other heights are refused as a whole.
    return style_ != TSkinUIStyle::Pinstripe || b.height() == 23;
}

TSkinButton::Picture TSkinButton::statePictureIndex() const {
    if (!effectivelyEnabled()) return kNormal;
    if (pressed()) return kMouseDown;
    if (mouseOver()) return kMouseOn;
    return kNormal;
}

std::string TSkinButton::statePicture() const {
    return names_[statePictureIndex()];
}

void TSkinButton::paint(Canvas& c) {
    const Bitmap& picture = pictures_[statePictureIndex()];
    if (transparent_)
        paintParentBackground(c);
    else
        c.fillRect(clientRect(), parent() ? parent()->color() : color());
    if (style_ != TSkinUIStyle::Custom)
        SliceDraw(picture, c, clientRect(), transparent_);
    else if (!effectivelyEnabled())
        c.drawBitmapGreyed(picture, {0, 0}, picture.color(0, 0));
    else if (transparent_)
        c.drawBitmapKeyed(picture, picture.rect(), {0, 0}, picture.color(0, 0));
    else
        c.drawBitmap(picture, {0, 0});
    if (focused() && tabStop()) {
        if (style_ == TSkinUIStyle::Pinstripe || style_ == TSkinUIStyle::Glass)
            c.line({10, height() - 5}, {width() - 10, height() - 5}, Color::rgb(0x0000FF));
        else
            c.drawFocusRect({2, 2, width() - 2, height() - 2});
    }
    paintCaption(c);
}

void TSkinButton::paintCaption(Canvas& c) const {
    if (caption().find_first_not_of(' ') == std::string::npos) return;
    // Centred on one line, one pixel right and down while pressed; embossed when disabled.
    const int shift = pressed() ? 1 : 0;
    const Rect r = clientRect().translated(shift, shift);
    const unsigned f = text::HCenter | text::VCenter;
    if (effectivelyEnabled()) {
        c.drawText(font(), font().color, r, caption(), f);
        return;
    }
    c.drawText(font(), colors::white, r.translated(1, 1), caption(), f);
    c.drawText(font(), Color::rgb(0x808080), r, caption(), f);
}

}  // namespace lymn
