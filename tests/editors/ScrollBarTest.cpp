// The scroll bar lying horizontally: arrows at its ends, the thumb moving along its width, the
// arrows and the track stepping it, the thumb dragged; the vertical bar unchanged beside it.
#include "editors/TFlatScrollBar.h"
#include "tests/editors/EditorFixture.h"
#include "tests/support/Pixels.h"

namespace lymn {
namespace {

class ScrollBar : public test::EditorFixture {
  protected:
    ScrollBar() {
        across = &form.add<TFlatScrollBar>();
        across->setHorizontal(true);
        across->setBounds(20, 200, 200, TFlatScrollBar::kWidth);
        across->setRange(10, 2);
        across->onScroll = [this](int p) { log("across " + std::to_string(p)); };
        down = &form.add<TFlatScrollBar>();
        down->setBounds(300, 20, TFlatScrollBar::kWidth, 200);
        down->setRange(10, 2);
        show();
    }
    Point at(const TFlatScrollBar& bar, Point local) { return bar.toForm(local); }

    TFlatScrollBar* across = nullptr;
    TFlatScrollBar* down = nullptr;
};

TEST_F(ScrollBar, AHorizontalBarWorksAlongItsWidth) {
    // The arrows are squares at the two ends; the thumb is as tall as the bar.
    EXPECT_EQ(across->upArrow(), (Rect{0, 0, 17, 17}));
    EXPECT_EQ(across->downArrow(), (Rect{183, 0, 200, 17}));
    EXPECT_EQ(down->upArrow(), (Rect{0, 0, 17, 17}));
    EXPECT_EQ(down->downArrow(), (Rect{0, 183, 17, 200}));
    Rect thumb = across->thumb();
    EXPECT_EQ(thumb.top, 0);
    EXPECT_EQ(thumb.bottom, 17);
    EXPECT_EQ(thumb.left, 17);
    EXPECT_EQ(thumb.width(), 166 * 2 / 12);
    // The right arrow, then a click on the track past the thumb.
    h.click(form, at(*across, {190, 8}));
    EXPECT_EQ(across->position(), 1);
    h.click(form, at(*across, {150, 8}));
    EXPECT_EQ(across->position(), 3);
    h.click(form, at(*across, {5, 8}));
    EXPECT_EQ(across->position(), 2);
    // The thumb dragged to the right end.
    thumb = across->thumb();
    h.press(form, at(*across, {thumb.left + 3, 8}));
    h.move(form, at(*across, {199, 30}));
    h.release(form, at(*across, {199, 30}));
    EXPECT_EQ(across->position(), 10);
    EXPECT_EQ(across->thumb().right, 183);
    EXPECT_EQ(events, (std::vector<std::string>{"across 1", "across 3", "across 2", "across 10"}));
    EXPECT_EQ(down->position(), 0);
    // The arrows point left and right: the left arrow's ink is taller than it is wide.
    form.present();
    const Rect box = test::inkBox(
        form.frame(), across->upArrow().inflated(-3, -3).translated(across->bounds().topLeft()),
        sysColor(SysColor::ButtonFace));
    EXPECT_GT(box.height(), box.width());
}

}  // namespace
}  // namespace lymn
