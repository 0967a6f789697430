#include "platform/DirtyRegion.h"

namespace lymn {

namespace {

// Neighbours with no gap between them count as touching: one paint covers both.
bool touches(const Rect& a, const Rect& b) {
    return a.inflated(1, 1).intersects(b);
}

}  // namespace

void DirtyRegion::add(const Rect& r) {
    if (r.empty()) return;
    Rect add = r;
    bool merged = true;
    while (merged) {
        merged = false;
        for (auto it = rects_.begin(); it != rects_.end(); ++it) {
            if (touches(*it, add)) {
                add = add.united(*it);
                rects_.erase(it);
                merged = true;
                break;
            }
        }
    }
    rects_.push_back(add);
    if (rects_.size() > kMaxRects) {
        Rect all;
        for (const Rect& d : rects_) all = all.united(d);
        rects_ = {all};
    }
}

}  // namespace lymn
