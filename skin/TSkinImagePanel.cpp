#include "skin/TSkinImagePanel.h"

namespace lymn {

TSkinImagePanel::TSkinImagePanel(Control* parent) : Control(parent) {
    setColor(sysColor(SysColor::ButtonFace));
    setBounds(0, 0, 185, 41);
}

void TSkinImagePanel::setPicture(const Bitmap& p) {
    setPicture(std::make_shared<const Bitmap>(p));
}

void TSkinImagePanel::setPicture(std::shared_ptr<const Bitmap> p) {
    picture_ = p ? std::move(p) : std::make_shared<const Bitmap>();
    applyAutoSize();
    invalidate();
}

void TSkinImagePanel::setDrawStyle(TSkinDrawStyle s) {
    if (s == drawStyle_) return;
    drawStyle_ = s;
    invalidate();
}

void TSkinImagePanel::setTransparent(bool t) {
    if (t == transparent_) return;
    transparent_ = t;
    invalidate();
}

void TSkinImagePanel::setAutoSize(bool a) {
    if (a == autoSize_) return;
    autoSize_ = a;
    applyAutoSize();
}

void TSkinImagePanel::setCaption(const std::string& c) {
    if (c == caption_) return;
    caption_ = c;
    invalidate();
}

void TSkinImagePanel::setAlignment(CaptionAlignment a) {
    if (a == alignment_) return;
    alignment_ = a;
    invalidate();
}

void TSkinImagePanel::applyAutoSize() {
    if (!autoSize_ || picture().empty()) return;
    const Align a = align();
    const int w =
        (a == Align::Top || a == Align::Bottom || a == Align::Client) ? width() : picture().width();
    const int h = (a == Align::Left || a == Align::Right || a == Align::Client)
                      ? height()
                      : picture().height();
    setBounds(left(), top(), w, h);
}

void TSkinImagePanel::paint(Canvas& c) {
    const Rect r = clientRect();
    if (transparent_) paintParentBackground(c);
    // A picture of zero width or height counts as empty, so that tiling always ends.
    if (!picture().empty()) {
        switch (drawStyle_) {
            case TSkinDrawStyle::skinNormal:
                // The colour shows only where a smaller picture leaves the panel uncovered.
                if (!transparent_)
                    for (const Rect& part : subtract(r, picture().rect()))
                        c.fillRect(part, color());
                c.drawBitmap(picture(), {0, 0});
                break;
            case TSkinDrawStyle::skinStretch:
                c.stretchBitmap(picture(), picture().rect(), r);
                break;
            case TSkinDrawStyle::skinTile:
                for (int y = 0; y < r.height(); y += picture().height())
                    for (int x = 0; x < r.width(); x += picture().width())
                        c.drawBitmap(picture(), {x, y});
                break;
        }
    } else if (!transparent_) {
        c.fillRect(r, color());
    }
    if (caption_.find_first_not_of(' ') == std::string::npos) return;
    const unsigned h = alignment_ == CaptionAlignment::Left    ? text::Left
                       : alignment_ == CaptionAlignment::Right ? text::Right
                                                               : text::HCenter;
    c.drawText(font(), font().color, r, caption_, h | text::VCenter);
}

}  // namespace lymn
