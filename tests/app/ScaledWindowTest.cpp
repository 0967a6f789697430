// The window on a display of scale 2: its skinned and layout controls hold the pictures drawn for
// that scale, and draw them pixel for pixel.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/Program.h"
#include "editors/TFlatButton.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TImage.h"
#include "platform/headless/HeadlessBackend.h"
#include "skin/TSkinButton.h"
#include "skin/TSkinForm.h"
#include "skin/TSkinImagePanel.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTitleBar.h"

namespace lymn {
namespace {

class ScaledWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = std::filesystem::temp_directory_path() /
              ("lymn-scaled-window-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(std::filesystem::path(LYMN_BINARY_DIR) / "lymn.mdb",
                                   dir / "lymn.mdb",
                                   std::filesystem::copy_options::overwrite_existing);
        program = std::make_unique<Program>(backend, dir, [](Application& app) {
            app.setBoxHandler([](BoxKind, const std::string&, const std::string&) {});
        });
        program->show();
    }
    void TearDown() override {
        program.reset();
        std::filesystem::remove_all(dir);
    }
    TFormLy& form() { return *program->form(); }

    std::filesystem::path dir;
    HeadlessBackend backend{Rect::xywh(0, 0, 1024, 768), 2};
    std::unique_ptr<Program> program;
};

TEST_F(ScaledWindow, TheSkinnedControlsHoldPicturesOfTheWindowsScale) {
    ASSERT_EQ(form().scale(), 2);
    auto& frame = form().control<TSkinForm>("skinForm1");
    EXPECT_EQ(frame.pattern().scale(), 2);
    TSkinTitleBar& bar = frame.TitleBar();
    ASSERT_GT(bar.Sections().count(), 0);
    for (int i = 0; i < bar.Sections().count(); ++i)
        EXPECT_EQ(bar.Sections()[i].Picture().scale(), 2) << i;
    ASSERT_GT(bar.Buttons().count(), 0);
    for (int i = 0; i < bar.Buttons().count(); ++i) {
        const TSkinTitleBarButton& b = bar.Buttons()[i];
        EXPECT_EQ(b.PicNormal().scale(), 2) << i;
        EXPECT_EQ(b.PicMouseOn().scale(), 2) << i;
        EXPECT_EQ(b.PicMouseDown().scale(), 2) << i;
    }
    auto& pages = form().control<TSkinPageControl>("skinPageControl1");
    EXPECT_EQ(pages.strip().tabPicture(true).scale(), 2);
    EXPECT_EQ(pages.strip().tabPicture(false).scale(), 2);
    EXPECT_EQ(pages.strip().linePicture().scale(), 2);
    for (const char* name : {"skinButton1", "BtnClose"}) {
        const Bitmap& p = form().control<TSkinButton>(name).statePictureBitmap();
        EXPECT_EQ(p.scale(), 2) << name;
        EXPECT_EQ(p.size(), (Size{84, 23})) << name;
    }
}

TEST_F(ScaledWindow, TheLayoutsPicturesComeAtTheWindowsScale) {
    EXPECT_EQ(form().control<TSkinImagePanel>("skinImagePanel1").picture().scale(), 2);
    EXPECT_EQ(form().control<TFlatButton>("la").glyph().scale(), 2);
    EXPECT_EQ(form().control<TFlatButton>("ld").glyph().scale(), 2);
    EXPECT_EQ(form().control<TImage>("Image1").picture().scale(), 2);
    EXPECT_EQ(form().flatImageList1().picture(0).scale(), 2);
    EXPECT_EQ(form().flatImageList2().picture(0).scale(), 2);
    // The picker shows the lantern's device pixels one for one.
    auto& js = form().control<TFlatImageComboBox>("ImageBoxJs");
    const Bitmap& lantern = form().flatImageList1().picture(20);
    form().present();
    const Bitmap& f = form().frame();
    ASSERT_EQ(f.scale(), 2);
    const Rect p = js.pictureRect().translated(js.formRect().topLeft());
    EXPECT_EQ(p.size(), (Size{32, 32}));
    for (int y = 0; y < lantern.deviceHeight(); ++y)
        for (int x = 0; x < lantern.deviceWidth(); ++x)
            ASSERT_EQ(f.devicePixel(2 * p.left + x, 2 * p.top + y), lantern.devicePixel(x, y))
                << x << ", " << y;
}

}  // namespace
}  // namespace lymn
