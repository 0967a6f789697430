#include "editors/TImage.h"

namespace lymn {

TImage::TImage(Control* parent) : Control(parent) {
    setBounds(0, 0, 105, 105);
}

void TImage::setPicture(const Bitmap& p) {
    picture_ = p;
    invalidate();
}

void TImage::setCenter(bool c) {
    if (c == center_) return;
    center_ = c;
    invalidate();
}

Rect TImage::pictureRect() const {
    if (!center_) return Rect::ofSize(picture_.size());
    return Rect::xywh((width() - picture_.width()) / 2, (height() - picture_.height()) / 2,
                      picture_.width(), picture_.height());
}

void TImage::paint(Canvas& c) {
    if (!picture_.empty()) c.drawBitmap(picture_, pictureRect().topLeft());
}

void TImage::mouseUp(const MouseEvent& e) {
    if (e.button == MouseButton::Left && clientRect().contains(e.pos) && onClick) onClick(*this);
}

TPanel::TPanel(Control* parent) : Control(parent) {
    setBounds(0, 0, 185, 41);
}

void TPanel::paint(Canvas& c) {
    const Rect r = clientRect();
    c.fillRect(r, color());
    c.fillRect({0, 0, r.right - 1, 1}, sysColor(SysColor::ButtonHighlight));
    c.fillRect({0, 0, 1, r.bottom - 1}, sysColor(SysColor::ButtonHighlight));
    c.fillRect({0, r.bottom - 1, r.right, r.bottom}, sysColor(SysColor::ButtonShadow));
    c.fillRect({r.right - 1, 0, r.right, r.bottom}, sysColor(SysColor::ButtonShadow));
}

}  // namespace lymn
