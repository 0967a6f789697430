#pragma once

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "app/Program.h"
#include "platform/headless/HeadlessBackend.h"
#include "tests/support/Pixels.h"

namespace lymn::test {

// The real window, shown on the headless backend, with input helpers in window coordinates.
class WindowFixture : public ::testing::Test {
  protected:
    void SetUp() override {
        dir =
            std::filesystem::temp_directory_path() / ("lymn-window-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        std::filesystem::copy_file(std::filesystem::path(LYMN_BINARY_DIR) / "lymn.mdb",
                                   dir / "lymn.mdb",
                                   std::filesystem::copy_options::overwrite_existing);
        std::filesystem::remove(dir / "lymn.db");
        program = std::make_unique<Program>(backend, dir, [this](Application& app) {
            app.setBoxHandler([this](BoxKind, const std::string&, const std::string& text) {
                boxes.push_back(text);
            });
        });
        program->show();
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
    void move(Point p) {
        backend.mouseMove(form().window().id(), p);
        app().processMessages();
    }
    void press(Point p, int clicks = 1) {
        move(p);
        backend.mouseDown(form().window().id(), p, MouseButton::Left, clicks);
        app().processMessages();
    }
    void release(Point p) {
        move(p);
        backend.mouseUp(form().window().id(), p);
        app().processMessages();
    }
    void click(Point p) {
        press(p);
        release(p);
    }
    Point centreOf(const std::string& name) {
        const Rect r = form().control(name).formRect();
        return {r.left + r.width() / 2, r.top + r.height() / 2};
    }

    std::filesystem::path dir;
    HeadlessBackend backend;
    std::unique_ptr<Program> program;
    std::vector<std::string> boxes;
};

}  // namespace lymn::test
