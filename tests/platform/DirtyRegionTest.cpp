#include "platform/DirtyRegion.h"

#include <gtest/gtest.h>

namespace lymn {
namespace {

TEST(DirtyRegion, TouchingRectanglesMergeAndSeparateOnesStayApart) {
    DirtyRegion d;
    EXPECT_TRUE(d.empty());
    d.add({});
    d.add({5, 5, 5, 9});  // no area
    EXPECT_TRUE(d.empty());
    d.add({0, 0, 10, 10});
    d.add({11, 0, 20, 10});  // one free column between: apart
    EXPECT_EQ(d.rects(), (std::vector<Rect>{{0, 0, 10, 10}, {11, 0, 20, 10}}));
    d.clear();
    d.add({0, 0, 10, 10});
    d.add({10, 0, 20, 5});  // shares the edge
    EXPECT_EQ(d.rects(), (std::vector<Rect>{{0, 0, 20, 10}}));
    d.clear();
    d.add({0, 0, 10, 10});
    d.add({10, 10, 15, 15});  // meets at a corner
    EXPECT_EQ(d.rects(), (std::vector<Rect>{{0, 0, 15, 15}}));
    d.clear();
    d.add({0, 0, 10, 10});
    d.add({5, 5, 8, 8});   // inside
    d.add({2, 2, 30, 4});  // overlapping
    EXPECT_EQ(d.rects(), (std::vector<Rect>{{0, 0, 30, 10}}));
}

TEST(DirtyRegion, AMergedRectangleMergesAgainWithWhatItNowTouches) {
    DirtyRegion d;
    d.add({0, 0, 10, 10});
    d.add({40, 0, 50, 10});
    d.add({20, 30, 30, 40});  // touched only by the union of the next two
    EXPECT_EQ(d.rects().size(), 3u);
    // Bridges the first two; their union then reaches down to the third.
    d.add({9, 0, 41, 31});
    EXPECT_EQ(d.rects(), (std::vector<Rect>{{0, 0, 50, 40}}));
}

TEST(DirtyRegion, PastSixteenRectanglesEverythingBecomesOne) {
    DirtyRegion d;
    for (int i = 0; i < static_cast<int>(DirtyRegion::kMaxRects); ++i)
        d.add(Rect::xywh(i * 10, 0, 5, 5));
    EXPECT_EQ(d.rects().size(), DirtyRegion::kMaxRects);
    d.add({0, 100, 5, 105});
    EXPECT_EQ(d.rects(), (std::vector<Rect>{{0, 0, 155, 105}}));
    // Later rectangles merge with that one as with any other.
    d.add({300, 300, 301, 301});
    EXPECT_EQ(d.rects().size(), 2u);
    d.clear();
    EXPECT_TRUE(d.empty());
}

}  // namespace
}  // namespace lymn
