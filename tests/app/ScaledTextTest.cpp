// Text at 2 and 3 times the density: drawn from the outlines where the layout puts it, each
// label's ink N times its ink at scale 1.
#include "editors/TFlatLabel.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

// The box, in device pixels, of what a control draws over what lies under it.
Rect deviceInk(TFormLy& form, Control& c) {
    form.present();
    const Bitmap with = form.frame();
    c.setVisible(false);
    form.present();
    const Bitmap& without = form.frame();
    const int s = with.scale();
    const Rect r = c.formRect();
    Rect box;
    for (int y = r.top * s; y < r.bottom * s; ++y)
        for (int x = r.left * s; x < r.right * s; ++x)
            if (with.devicePixel(x, y) != without.devicePixel(x, y))
                box = box.united(Rect::xywh(x, y, 1, 1));
    c.setVisible(true);
    return box;
}

std::vector<TFlatLabel*> labels(Control& root) {
    std::vector<TFlatLabel*> out;
    for (const auto& child : root.children()) {
        if (auto* l = dynamic_cast<TFlatLabel*>(child.get())) out.push_back(l);
        for (TFlatLabel* l : labels(*child)) out.push_back(l);
    }
    return out;
}

class ScaledText : public test::ScaledWindowFixture {
  protected:
    void SetUp() override {
        ScaledWindowFixture::SetUp();
        plain = startProgram(plainBackend, dir / "scale-1", plainBoxes);
    }
    void TearDown() override {
        plain.reset();
        ScaledWindowFixture::TearDown();
    }
    // Every label of the page shown: its ink at this scale against N times its ink at scale 1.
    void compareLabels() {
        const int n = scale();
        int compared = 0;
        for (TFlatLabel* label : labels(form())) {
            if (label->caption().empty()) continue;
            SCOPED_TRACE(label->name() + " \"" + label->caption() + "\"");
            const Rect one = deviceInk(*plain->form(), plain->form()->control(label->name()));
            const Rect big = deviceInk(form(), *label);
            // Labels of the page behind draw nothing at either scale.
            EXPECT_EQ(one.empty(), big.empty());
            if (one.empty() || big.empty()) continue;
            // Within one pixel of the window's layout, which is n device pixels.
            EXPECT_LE(std::abs(big.left - one.left * n), n);
            EXPECT_LE(std::abs(big.top - one.top * n), n);
            EXPECT_LE(std::abs(big.right - one.right * n), n);
            EXPECT_LE(std::abs(big.bottom - one.bottom * n), n);
            ++compared;
        }
        EXPECT_GE(compared, 10);
    }

    HeadlessBackend plainBackend;
    std::unique_ptr<Program> plain;
    std::vector<std::string> plainBoxes;
};

TEST_P(ScaledText, EachLabelsInkIsNTimesItsInkAtScale1) {
    compareLabels();
    // The notice page's lines too.
    const Point noticeTab{1 + 90, 23 + 8};
    click(noticeTab);
    SimulatedUser(plainBackend).click(*plain->form(), noticeTab);
    compareLabels();
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledText, ::testing::Values(2, 3));

}  // namespace
}  // namespace lymn
