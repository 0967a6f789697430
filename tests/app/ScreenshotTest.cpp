// The screenshot button: the file in the screen folder beside the executable, its name, its
// picture, and the failure path.
#include "capture/JpegCodec.h"
#include "platform/Files.h"
#include "tests/support/WindowFixture.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

class Screenshot : public test::WindowFixture {
  protected:
    void SetUp() override {
        WindowFixture::SetUp();
        form().localTime = [] { return clock::LocalTime{2008, 3, 5, 14, 7, 9}; };
        form().separators = [] { return clock::Separators{'/', ':'}; };
        fs::remove_all(dir / "screen");
    }
    fs::path expectedFile() { return dir / "screen" / "080305140709.jpg"; }
    int filesInScreen() {
        int n = 0;
        for ([[maybe_unused]] auto& e : fs::directory_iterator(dir / "screen")) ++n;
        return n;
    }
};

TEST_F(Screenshot, SavesTheWindowAsAJpegBesideTheExecutableAndSaysWhere) {
    const fs::path before = fs::current_path();
    fs::current_path(fs::temp_directory_path());  // a working directory that is not the folder
    click(centreOf("skinButton1"));
    fs::current_path(before);
    ASSERT_EQ(boxes.size(), 1u) << (boxes.empty() ? "" : boxes[0]);
    EXPECT_EQ(boxes[0], "截图成功，图片保存在：" + expectedFile().string());
    ASSERT_TRUE(fs::exists(expectedFile()));
    EXPECT_FALSE(fs::exists(fs::temp_directory_path() / "screen" / "080305140709.jpg"));
    const auto bytes = *files::readAll(expectedFile());
    const jpeg::Info info = jpeg::inspect(bytes);
    EXPECT_EQ(info.width, 440);
    EXPECT_EQ(info.height, 535);
    EXPECT_EQ(info.components, 3);
    EXPECT_TRUE(info.baseline);
    EXPECT_TRUE(info.sof0);
    EXPECT_EQ(info.quantTable0, 3);
    // The picture has the logo panel showing and the button pressed; afterwards the panel is
    // hidden again.
    const Bitmap picture = jpeg::decode(bytes);
    const Rect pan = form().control("Pan").formRect();
    const Color logoPixel = picture.color(pan.left + 1 + 120, pan.top + 1 + 5);
    EXPECT_GT(logoPixel.r, logoPixel.b + 40);  // the logo's red
    const Rect button = form().control("skinButton1").formRect();
    const Color face = picture.color(button.left + 15, button.top + 12);
    EXPECT_GT(face.b, face.r + 30);  // the pressed picture's blue
    EXPECT_FALSE(form().control("Pan").visible());
    const Color after = frame().color(pan.left + 1 + 120, pan.top + 1 + 5);
    EXPECT_FALSE(after.r > after.b + 40);
}

TEST_F(Screenshot, TwoCapturesInOneSecondGiveOneFile) {
    click(centreOf("skinButton1"));
    click(centreOf("skinButton1"));
    EXPECT_EQ(boxes.size(), 2u);
    EXPECT_EQ(filesInScreen(), 1);
    // Other separators, the same name.
    form().separators = [] { return clock::Separators{'-', '.'}; };
    click(centreOf("skinButton1"));
    EXPECT_EQ(filesInScreen(), 1);
    form().localTime = [] { return clock::LocalTime{2026, 12, 9, 10, 11, 12}; };
    click(centreOf("skinButton1"));
    EXPECT_EQ(filesInScreen(), 2);
    EXPECT_TRUE(fs::exists(dir / "screen" / "261209101112.jpg"));
}

TEST_F(Screenshot, AFolderThatCannotBeMadeReportsCannotCreateFileAndHidesTheLogo) {
    files::writeAll(dir / "screen", std::vector<uint8_t>{'x'});  // a file where the folder goes
    click(centreOf("skinButton1"));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Cannot create file " + expectedFile().string() + ".");
    EXPECT_FALSE(form().control("Pan").visible());
    fs::remove(dir / "screen");
}

}  // namespace
}  // namespace lymn
