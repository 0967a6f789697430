#pragma once

#include <cstddef>
#include <vector>

#include "platform/Geometry.h"

namespace lymn {

// The parts of a window waiting to be painted again. A rectangle that touches or overlaps one
// already held is merged with it (and the result merged again, until nothing touches); past
// kMaxRects rectangles everything becomes the one rectangle around them, so a paint never works
// through a long list.
class DirtyRegion {
  public:
    static constexpr size_t kMaxRects = 16;

    void add(const Rect& r);
    void clear() { rects_.clear(); }
    bool empty() const { return rects_.empty(); }
    const std::vector<Rect>& rects() const { return rects_; }

  private:
    std::vector<Rect> rects_;
};

}  // namespace lymn
