#pragma once

#include <cstddef>
#include <vector>

#include "platform/Geometry.h"

namespace lymn {

class Control;

// What a paint of a control may leave out without changing the picture: the parts of its area
// that opaque descendants cover, and the children that opaque siblings above them cover.
class Occlusion {
  public:
    // See-through controls are looked into this many levels deep; deeper cover is ignored.
    static constexpr int kMaxDepth = 4;

    explicit Occlusion(const Control& control) : control_(control) {}

    // The parts of the control's area inside limit (its coordinates) that opaque children, or
    // opaque descendants of see-through ones, cover; they may overlap.
    std::vector<Rect> coveredParts(const Rect& limit) const;
    // What the control's own paint must still draw inside clip: clip without the covered parts.
    std::vector<Rect> exposedParts(const Rect& clip) const;
    // Whether the child at index shows nothing inside clip (the control's coordinates): it lies
    // outside clip, or one opaque sibling above it covers all of its part of clip.
    bool childHidden(size_t index, const Rect& clip) const;

  private:
    // The cover of c's children inside limit, in a frame where c's origin is at offset.
    static void collect(const Control& c, Point offset, const Rect& limit, std::vector<Rect>& out,
                        int depth);

    const Control& control_;
};

}  // namespace lymn
