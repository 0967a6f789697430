#include "skin/SliceDraw.h"

#include <algorithm>

namespace lymn {

namespace {

void piece(Canvas& c, const Bitmap& pic, const Rect& from, const Rect& to, bool keyed) {
    if (from.empty() || to.empty()) return;
    if (keyed)
        c.stretchBitmapKeyed(pic, from, to, colors::key);
    else
        c.stretchBitmap(pic, from, to);
}

}  // namespace

void SliceDraw(const Bitmap& pic, Canvas& c, const Rect& r, bool transparent) {
    auto z = [](int v) { return std::max(v, 0); };
    const int SW = pic.width(), SH = pic.height();
    const int DW = r.width(), DH = r.height();
    const int hw = SW / 2, hh = SH / 2, dw = DW / 2, dh = DH / 2;

    const int w1 = z(std::min(hw, dw)), h1 = z(std::min(hh, dh));
    const Rect TL{0, 0, w1, h1};
    const int w2 = z(std::min(hw, dw)), h2 = z(std::min(hh - 1, dh - 1));
    const Rect BL{0, r.bottom - h2, w2, r.bottom};
    const int w3 = z(std::min(hw - 1, dw - 1)), h3 = z(std::min(hh, dh));
    const Rect TR{r.right - w3, 0, r.right, h3};
    const int w4 = z(std::min(hw - 1, dw - 1)), h4 = z(std::min(hh - 1, dh - 1));
    const Rect BR{r.right - w4, r.bottom - h4, r.right, r.bottom};

    // In the order of the table; a later piece covers an earlier one.
    if (w1 > 0 && h1 > 0) piece(c, pic, {0, 0, w1, h1}, TL, transparent);
    if (w2 > 0 && h2 > 0) piece(c, pic, {0, SH - h2, w2, SH}, BL, transparent);
    const Rect leftTarget{0, TL.bottom, TL.right, BL.top};
    piece(c, pic, {0, hh, leftTarget.width(), SH - hh}, leftTarget, true);
    if (w3 > 0 && h3 > 0) piece(c, pic, {SW - w3, 0, SW, h3}, TR, transparent);
    if (w4 > 0 && h4 > 0) piece(c, pic, {SW - w4, SH - h4, SW, SH}, BR, transparent);
    const Rect rightTarget{TR.left, TR.bottom, TR.right, BR.top};
    piece(c, pic, {SW - rightTarget.width(), SH - hh, SW, hh + 2}, rightTarget, true);
    const Rect topTarget{TL.right, 0, TR.left, TL.bottom};
    piece(c, pic, {hw, 0, SW - hw + 1, topTarget.height()}, topTarget, true);
    piece(c, pic, {hw, hh, SW - hw + 1, SH - hh}, {TL.right, TL.bottom, TR.left, BR.top - 1}, true);
    const Rect bottomTarget{TL.right - 1, BL.top - 1, BR.left, BR.bottom};
    piece(c, pic, {hw, SH - bottomTarget.height(), SW - hw + 1, SH}, bottomTarget, true);
}

void SliceDrawHorizontal(const Bitmap& pic, Canvas& c, const Rect& r, bool masked) {
    if (pic.empty()) return;
    const int sw = pic.width() / 3, h = pic.height();
    const Color key = pic.color(0, 0);
    auto draw = [&](const Rect& from, const Rect& to) {
        if (masked)
            c.stretchBitmapKeyed(pic, from, to, key);
        else
            c.stretchBitmap(pic, from, to);
    };
    draw({0, 0, sw, h}, Rect::xywh(r.left, r.top, sw, h));
    draw({2 * sw, 0, 3 * sw, h}, Rect::xywh(r.right - sw, r.top, sw, h));
    draw({sw, 0, 2 * sw, h}, {r.left + sw, r.top, r.right - sw, r.bottom});
}

}  // namespace lymn
