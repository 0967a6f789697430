#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/Program.h"
#include "platform/headless/HeadlessBackend.h"
#include "platform/headless/SimulatedUser.h"
#include "tests/support/Pixels.h"

namespace lymn::test {

// The real window, shown on the headless backend, with its user acting in window coordinates.
class WindowFixture : public ::testing::Test {
  protected:
    explicit WindowFixture(int scale = 1) : backend(Rect::xywh(0, 0, 1024, 768), scale) {}

    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() / ("lymn-window-" + std::to_string(::getpid()));
        program = startProgram(backend, dir, boxes);
    }
    // The program shown in a new folder dir with the shipped data file; its boxes are kept.
    static std::unique_ptr<Program> startProgram(HeadlessBackend& backend,
                                                 const std::filesystem::path& dir,
                                                 std::vector<std::string>& boxes) {
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(std::filesystem::path(LYMN_BINARY_DIR) / "lymn.mdb",
                                   dir / "lymn.mdb",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::remove(dir / "lymn.db");
        auto program = std::make_unique<Program>(backend, dir, [&boxes](Application& app) {
            app.setBoxHandler([&boxes](BoxKind, const std::string&, const std::string& text) {
                boxes.push_back(text);
            });
        });
        program->show();
        return program;
    }
    void TearDown() override {
        program.reset();
        std::filesystem::remove_all(dir);
    }
    TFormLy& form() { return *program->form(); }
    Application& app() { return program->application(); }
    const Bitmap& frame() {
        form().present();
        return form().frame();
    }
    void move(Point p) { user.move(form(), p); }
    void press(Point p, int clicks = 1) { user.press(form(), p, clicks); }
    void release(Point p) { user.release(form(), p); }
    void click(Point p) { user.click(form(), p); }
    Point centreOf(const std::string& name) { return SimulatedUser::centre(form().control(name)); }

    std::filesystem::path dir;
    HeadlessBackend backend;
    SimulatedUser user{backend};
    std::unique_ptr<Program> program;
    std::vector<std::string> boxes;
};

// The same window drawn at the scale of the test's parameter: the layout's facts hold at every
// scale, its pixel facts at the multiplied coordinates (what Bitmap::color reads).
class ScaledWindowFixture : public WindowFixture, public ::testing::WithParamInterface<int> {
  protected:
    ScaledWindowFixture() : WindowFixture(GetParam()) {}
    int scale() const { return GetParam(); }
};

}  // namespace lymn::test
