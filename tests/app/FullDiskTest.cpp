// The program on a small file system of its own that fills up or turns read-only under it: a
// screenshot fails with its usual message and leaves no file, the start-up leaves the data file
// as it was and the window usable, and saved builds stay whole.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/Program.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatTextEdit.h"
#include "platform/Files.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/SimulatedUser.h"
#include "store/DataFileMessages.h"
#include "tests/support/SmallDisk.h"

namespace lymn {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> out;
    std::error_code ec;
    for (const auto& e : fs::directory_iterator(folder, ec))
        if (e.path().filename() != ".filler") out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
}

class FullDisk : public ::testing::Test {
  protected:
    void SetUp() override {
        if (!disk.mounted()) GTEST_SKIP() << disk.why();
        folder = disk.path() / "portable";
        fs::create_directories(folder);
        fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", folder / "lymn.mdb");
    }
    void TearDown() override {
        program.reset();
        disk.setReadOnly(false);
    }

    // The program shown, its boxes recorded; its screenshots at a fixed time.
    void start(const FileLocations& l) {
        program.reset();
        boxes.clear();
        program = std::make_unique<Program>(backend, l, [this](Application& app) {
            app.setBoxHandler([this](BoxKind, const std::string&, const std::string& text) {
                boxes.push_back(text);
            });
        });
        program->show();
        ASSERT_TRUE(program->form());
        form().localTime = [] { return clock::LocalTime{2026, 12, 9, 18, 30, 5}; };
    }
    void start() { start(FileLocations::portable(folder)); }
    TFormLy& form() { return *program->form(); }
    void click(const std::string& control) {
        user.click(form(), SimulatedUser::centre(form().control(control)));
    }
    // As the user picks: what goes wrong is a box.
    void pick(const char* box, int index) {
        auto& b = form().control<TFlatImageComboBox>(box);
        program->application().guarded([&b, index] { b.pick(index); });
    }
    fs::path shot() const { return folder / "screen" / "261209183005.jpg"; }

    test::SmallDisk disk;
    fs::path folder;
    HeadlessBackend backend;
    SimulatedUser user{backend};
    std::unique_ptr<Program> program;
    std::vector<std::string> boxes;
};

TEST_F(FullDisk, AScreenshotThatDoesNotFitSaysSoAndLeavesNoFileNorAPartOfOne) {
    start();
    ASSERT_TRUE(boxes.empty()) << boxes.front();
    // A first picture makes the folder and tells its size.
    click("skinButton1");
    ASSERT_TRUE(fs::exists(shot()));
    const auto whole = fs::file_size(shot());
    fs::remove(shot());
    // Room for a part of it: the write begins and runs out.
    disk.fill(whole / 2);
    boxes.clear();
    click("skinButton1");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "Cannot create file " + shot().string() + ".");
    EXPECT_EQ(namesIn(folder / "screen"), std::vector<std::string>{});
    EXPECT_FALSE(form().control("Pan").visible());
    // With room again the same button works.
    disk.free();
    boxes.clear();
    click("skinButton1");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], "截图成功，图片保存在：" + shot().string());
    EXPECT_EQ(fs::file_size(shot()), whole);
}

TEST_F(FullDisk, AReadOnlyDiskGivesTheScreenshotsMessageWithAndWithoutItsFolder) {
    start();
    click("skinButton1");
    ASSERT_TRUE(fs::exists(shot()));
    fs::remove(shot());
    ASSERT_TRUE(disk.setReadOnly(true));
    for (bool folderThere : {true, false}) {
        SCOPED_TRACE(folderThere ? "the folder there" : "no folder");
        if (!folderThere) {
            ASSERT_TRUE(disk.setReadOnly(false));
            fs::remove_all(folder / "screen");
            ASSERT_TRUE(disk.setReadOnly(true));
        }
        boxes.clear();
        click("skinButton1");
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], "Cannot create file " + shot().string() + ".");
        EXPECT_EQ(namesIn(folder / "screen"), std::vector<std::string>{});
    }
}

TEST_F(FullDisk, TheStartOnAFullDiskLeavesTheDataFileAsItWasAndTheWindowUsable) {
    // The first start on a full disk (the shipped file to take), then a later one.
    for (const bool first : {true, false}) {
        SCOPED_TRACE(first ? "first start" : "later start");
        if (!first) {
            program.reset();
            disk.free();
            start();  // a start with room prepares the working copy
            ASSERT_TRUE(boxes.empty()) << boxes.front();
            program.reset();
        }
        const fs::path data = folder / (first ? "lymn.mdb" : "lymn.db");
        const auto before = files::readAll(data);
        ASSERT_TRUE(before);
        disk.fill();
        start();
        const fs::path used = folder / "lymn.db";
        ASSERT_EQ(boxes.size(), 1u);
        EXPECT_EQ(boxes[0], store::messages::notPrepared(used.string()));
        EXPECT_EQ(files::readAll(used), before);
        EXPECT_EQ(namesIn(folder), (std::vector<std::string>{"lymn.db", "lymn.lock"}));
        // The window answers: a pick says the data is missing, the level edit and the close
        // button work.
        EXPECT_TRUE(form().windowShown());
        boxes.clear();
        pick("ImageBoxJs", 3);
        pick("ImageBoxZy", 2);
        EXPECT_FALSE(boxes.empty());
        boxes.clear();
        program->application().guarded([this] { form().controls().EdtRank->setText("abc"); });
        EXPECT_EQ(boxes, std::vector<std::string>{"'abc' is not a valid integer value."});
        click("BtnClose");
        EXPECT_TRUE(form().closed());
    }
    // With room again the next start reads the data.
    program.reset();
    disk.free();
    start();
    EXPECT_TRUE(boxes.empty()) << boxes.front();
    EXPECT_TRUE(form().ADOCon().Connected());
}

TEST_F(FullDisk, AReadOnlyFolderSaysThePermissionIsMissingAndChangesNothing) {
    start();
    ASSERT_TRUE(boxes.empty()) << boxes.front();
    program.reset();
    const auto before = files::readAll(folder / "lymn.db");
    ASSERT_TRUE(disk.setReadOnly(true));
    start();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], store::messages::noPermission((folder / "lymn.db").string()));
    EXPECT_EQ(files::readAll(folder / "lymn.db"), before);
    EXPECT_TRUE(form().windowShown());
}

TEST_F(FullDisk, AnInstalledProgramsFolderOnAFullOrReadOnlyDiskGetsNoHalfCopy) {
    const fs::path shipped = fs::path(LYMN_BINARY_DIR) / "lymn.mdb";
    FileLocations l;
    l.kind = FileLocations::Kind::Installed;
    l.shippedData = shipped;
    l.workFolder = disk.path() / "data" / "lymn-sim";
    l.screenFolder = disk.path() / "pictures";
    fs::create_directories(l.workFolder);
    disk.fill();
    start(l);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], store::messages::copyFailed(l.workFolder.string()));
    EXPECT_EQ(namesIn(l.workFolder), std::vector<std::string>{"lymn.lock"});
    program.reset();
    disk.free();
    fs::remove_all(disk.path() / "data");
    ASSERT_TRUE(disk.setReadOnly(true));
    start(l);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0], store::messages::noFolder(l.workFolder.string()));
}

TEST_F(FullDisk, ASaveThatDoesNotFitKeepsTheSavedBuildsWhole) {
    start();
    pick("ImageBoxJs", 3);
    pick("ImageBoxZy", 2);
    form().controls().EdtRank->setText("50");
    program->application().guarded([this] { form().saveBuild("first"); });
    ASSERT_TRUE(boxes.empty()) << boxes.front();
    const std::string firstCode = *form().shownBuildCode();
    disk.fill();
    form().controls().EdtRank->setText("60");
    // Names long enough to need new pages of the file.
    for (int i = 0; i < 20 && boxes.empty(); ++i)
        program->application().guarded(
            [this, i] { form().saveBuild(std::string(2000, 'x') + std::to_string(i)); });
    ASSERT_FALSE(boxes.empty()) << "the full disk took every save";
    // The builds that were saved are there, whole, in this run and the next.
    program.reset();
    disk.free();
    start();
    ASSERT_EQ(form().savedBuilds().find("first")->code, firstCode);
    for (const auto& b : form().savedBuilds().list())
        EXPECT_TRUE(b.name == "first" || b.name.size() > 2000) << b.name;
}

}  // namespace
}  // namespace lymn
