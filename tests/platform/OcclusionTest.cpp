#include "platform/Occlusion.h"

#include <gtest/gtest.h>

#include "platform/Control.h"

namespace lymn {
namespace {

// A box that says whether its paint covers its whole area.
class Box : public Control {
  public:
    Box(Control* parent, bool opaque, Rect bounds) : Control(parent), opaque_(opaque) {
        setBounds(bounds);
    }
    bool opaque() const override { return opaque_; }

  private:
    bool opaque_;
};

int area(const std::vector<Rect>& parts) {
    int a = 0;
    for (const Rect& r : parts) a += r.width() * r.height();
    return a;
}

// Whether a point lies in one of the parts.
bool inAny(const std::vector<Rect>& parts, Point p) {
    for (const Rect& r : parts)
        if (r.contains(p)) return true;
    return false;
}

TEST(Occlusion, OpaqueChildrenAndOpaqueDescendantsOfSeeThroughOnesCover) {
    Control root(nullptr);
    root.setBounds(0, 0, 100, 100);
    root.add<Box>(true, Rect::xywh(0, 0, 10, 10));
    auto& clear = root.add<Box>(false, Rect::xywh(20, 20, 40, 40));
    clear.add<Box>(true, Rect::xywh(5, 5, 10, 10));  // at (25, 25) of the root
    auto& inner = clear.add<Box>(false, Rect::xywh(20, 0, 20, 20));
    inner.add<Box>(true, Rect::xywh(0, 0, 4, 4));     // at (40, 20)
    inner.add<Box>(false, Rect::xywh(10, 10, 5, 5));  // see-through, no cover of its own
    auto& hidden = root.add<Box>(true, Rect::xywh(70, 70, 10, 10));
    hidden.setVisible(false);
    // The opaque child of an opaque child adds nothing beyond its parent.
    auto& solid = root.add<Box>(true, Rect::xywh(80, 0, 20, 20));
    solid.add<Box>(true, Rect::xywh(0, 0, 5, 5));

    const Occlusion occlusion(root);
    const auto covered = occlusion.coveredParts(root.clientRect());
    EXPECT_EQ(covered, (std::vector<Rect>{Rect::xywh(0, 0, 10, 10), Rect::xywh(25, 25, 10, 10),
                                          Rect::xywh(40, 20, 4, 4), Rect::xywh(80, 0, 20, 20)}));
    // Cut to the limit; what lies outside it is left out.
    EXPECT_EQ(occlusion.coveredParts({5, 5, 30, 30}),
              (std::vector<Rect>{{5, 5, 10, 10}, {25, 25, 30, 30}}));
    EXPECT_TRUE(occlusion.coveredParts({60, 60, 100, 100}).empty());
    // A child cuts what its own children cover to its bounds.
    const Occlusion ofClear(clear);
    EXPECT_EQ(ofClear.coveredParts({0, 0, 8, 8}), (std::vector<Rect>{{5, 5, 8, 8}}));
}

TEST(Occlusion, SeeThroughControlsAreLookedIntoOnlySoDeep) {
    Control root(nullptr);
    root.setBounds(0, 0, 100, 100);
    Control* parent = &root;
    for (int depth = 0; depth <= Occlusion::kMaxDepth; ++depth)
        parent = &parent->add<Box>(false, Rect::xywh(1, 1, 90, 90));
    // Five see-through levels down: deeper than the occlusion looks.
    parent->add<Box>(true, Rect::xywh(0, 0, 10, 10));
    EXPECT_TRUE(Occlusion(root).coveredParts(root.clientRect()).empty());
    // One level up it is seen.
    parent->parent()->add<Box>(true, Rect::xywh(0, 0, 10, 10));
    EXPECT_EQ(Occlusion(root).coveredParts(root.clientRect()),
              (std::vector<Rect>{Rect::xywh(4, 4, 10, 10)}));
}

TEST(Occlusion, TheOwnPaintIsLeftOnlyWhatNothingCovers) {
    Control root(nullptr);
    root.setBounds(0, 0, 40, 30);
    root.add<Box>(true, Rect::xywh(10, 10, 10, 10));
    root.add<Box>(true, Rect::xywh(15, 5, 10, 10));  // overlaps the first
    const Occlusion occlusion(root);
    const auto exposed = occlusion.exposedParts(root.clientRect());
    EXPECT_EQ(area(exposed), 40 * 30 - 100 - 100 + 25);
    for (size_t i = 0; i < exposed.size(); ++i)
        for (size_t j = i + 1; j < exposed.size(); ++j)
            EXPECT_TRUE(exposed[i].intersected(exposed[j]).empty());
    EXPECT_FALSE(inAny(exposed, {12, 12}));
    EXPECT_FALSE(inAny(exposed, {22, 6}));
    EXPECT_TRUE(inAny(exposed, {12, 6}));
    EXPECT_TRUE(inAny(exposed, {0, 0}));
    EXPECT_TRUE(inAny(exposed, {39, 29}));
    // Inside a clip: only that clip, less its covered part.
    EXPECT_EQ(occlusion.exposedParts({0, 0, 12, 12}),
              (std::vector<Rect>{{0, 0, 12, 10}, {0, 10, 10, 12}}));
    EXPECT_TRUE(occlusion.exposedParts({11, 11, 19, 19}).empty());
}

TEST(Occlusion, AChildIsHiddenOnlyWhenOneSiblingAboveItCoversItsPartOfTheClip) {
    Control root(nullptr);
    root.setBounds(0, 0, 100, 100);
    root.add<Box>(true, Rect::xywh(10, 10, 20, 20));                // index 0: low
    root.add<Box>(true, Rect::xywh(20, 10, 20, 20));                // 1: half over low
    root.add<Box>(true, Rect::xywh(0, 0, 15, 40));                  // 2: left third of low
    auto& shell = root.add<Box>(false, Rect::xywh(50, 0, 50, 50));  // 3: see-through
    shell.add<Box>(true, Rect::xywh(0, 0, 30, 30));                 // covers (50..80, 0..30)
    root.add<Box>(true, Rect::xywh(55, 5, 10, 10));                 // 4: above shell
    auto& ghost = root.add<Box>(true, Rect::xywh(0, 0, 100, 100));  // 5: invisible
    ghost.setVisible(false);
    const Occlusion occlusion(root);
    const Rect all = root.clientRect();
    // Two siblings together cover low, but neither alone: it is painted.
    EXPECT_FALSE(occlusion.childHidden(0, all));
    // Where the clip is only the part one of them covers, it is not.
    EXPECT_TRUE(occlusion.childHidden(0, {22, 12, 28, 28}));
    EXPECT_TRUE(occlusion.childHidden(0, {10, 10, 15, 30}));
    // A child outside the clip shows nothing there.
    EXPECT_TRUE(occlusion.childHidden(0, {60, 60, 70, 70}));
    EXPECT_TRUE(occlusion.childHidden(4, {0, 90, 10, 100}));
    // Siblings below never hide a child; the invisible one above does not either.
    EXPECT_FALSE(occlusion.childHidden(1, all));
    EXPECT_FALSE(occlusion.childHidden(4, all));
    // A see-through sibling hides what one of its opaque descendants covers.
    auto& behind = root.add<Box>(true, Rect::xywh(52, 2, 10, 10));  // index 6, above all
    behind.sendToBack();                                            // now index 0
    const Occlusion after(root);
    EXPECT_TRUE(after.childHidden(0, all));
    behind.setBounds(Rect::xywh(75, 2, 10, 10));  // sticks out of the cover
    EXPECT_FALSE(Occlusion(root).childHidden(0, all));
}

}  // namespace
}  // namespace lymn
