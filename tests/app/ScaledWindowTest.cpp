// The window on a display of scale 2 and 3: its skinned and layout controls hold the pictures drawn
// for that scale, and draw them pixel for pixel.
#include "editors/TFlatButton.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TImage.h"
#include "skin/TSkinButton.h"
#include "skin/TSkinForm.h"
#include "skin/TSkinImagePanel.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTitleBar.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

class ScaledWindow : public test::ScaledWindowFixture {};

TEST_P(ScaledWindow, TheSkinnedControlsHoldPicturesOfTheWindowsScale) {
    const int n = scale();
    ASSERT_EQ(form().scale(), n);
    auto& frame = form().control<TSkinForm>("skinForm1");
    EXPECT_EQ(frame.pattern().scale(), n);
    TSkinTitleBar& bar = frame.TitleBar();
    ASSERT_GT(bar.Sections().count(), 0);
    for (int i = 0; i < bar.Sections().count(); ++i)
        EXPECT_EQ(bar.Sections()[i].Picture().scale(), n) << i;
    ASSERT_GT(bar.Buttons().count(), 0);
    for (int i = 0; i < bar.Buttons().count(); ++i) {
        const TSkinTitleBarButton& b = bar.Buttons()[i];
        EXPECT_EQ(b.PicNormal().scale(), n) << i;
        EXPECT_EQ(b.PicMouseOn().scale(), n) << i;
        EXPECT_EQ(b.PicMouseDown().scale(), n) << i;
    }
    auto& pages = form().control<TSkinPageControl>("skinPageControl1");
    EXPECT_EQ(pages.strip().tabPicture(true).scale(), n);
    EXPECT_EQ(pages.strip().tabPicture(false).scale(), n);
    EXPECT_EQ(pages.strip().linePicture().scale(), n);
    for (const char* name : {"skinButton1", "BtnClose"}) {
        const Bitmap& p = form().control<TSkinButton>(name).statePictureBitmap();
        EXPECT_EQ(p.scale(), n) << name;
        EXPECT_EQ(p.size(), (Size{84, 23})) << name;
    }
}

TEST_P(ScaledWindow, TheLayoutsPicturesComeAtTheWindowsScale) {
    const int n = scale();
    EXPECT_EQ(form().control<TSkinImagePanel>("skinImagePanel1").picture().scale(), n);
    EXPECT_EQ(form().control<TFlatButton>("la").glyph().scale(), n);
    EXPECT_EQ(form().control<TFlatButton>("ld").glyph().scale(), n);
    EXPECT_EQ(form().control<TImage>("Image1").picture().scale(), n);
    EXPECT_EQ(form().flatImageList1().picture(0).scale(), n);
    EXPECT_EQ(form().flatImageList2().picture(0).scale(), n);
    // The picker shows the lantern's device pixels one for one.
    auto& js = form().control<TFlatImageComboBox>("ImageBoxJs");
    const Bitmap& lantern = form().flatImageList1().picture(20);
    form().present();
    const Bitmap& f = form().frame();
    ASSERT_EQ(f.scale(), n);
    const Rect p = js.pictureRect().translated(js.formRect().topLeft());
    EXPECT_EQ(p.size(), (Size{32, 32}));
    for (int y = 0; y < lantern.deviceHeight(); ++y)
        for (int x = 0; x < lantern.deviceWidth(); ++x)
            ASSERT_EQ(f.devicePixel(n * p.left + x, n * p.top + y), lantern.devicePixel(x, y))
                << x << ", " << y;
}

INSTANTIATE_TEST_SUITE_P(Scales, ScaledWindow, ::testing::Values(2, 3));

}  // namespace
}  // namespace lymn
