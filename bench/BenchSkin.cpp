// Painting the skinned parts: the title bar on a mouse move, the tab strip, one skinned button.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/Program.h"
#include "platform/headless/HeadlessBackend.h"
#include "skin/TSkinForm.h"
#include "skin/TSkinPageControl.h"

namespace {

namespace fs = std::filesystem;

struct Window {
    Window() {
        dir = fs::temp_directory_path() / ("lymn-bench-skin-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", dir / "lymn.mdb");
        program = std::make_unique<lymn::Program>(backend, dir, [](lymn::Application& app) {
            app.setBoxHandler([](lymn::BoxKind, const std::string&, const std::string&) {});
        });
        program->show();
    }
    ~Window() {
        program.reset();
        fs::remove_all(dir);
    }
    // Paints one control with its children into the window's frame, as a repaint does.
    void paint(lymn::Control& c) {
        lymn::Canvas canvas(frame, &program->application().fonts());
        canvas.translate(c.formRect().topLeft());
        c.paintTree(canvas);
    }
    fs::path dir;
    lymn::HeadlessBackend backend;
    std::unique_ptr<lymn::Program> program;
    lymn::Bitmap frame{440, 535};
};

void BM_TitleBarPaintOnMouseMove(benchmark::State& state) {
    Window w;
    auto& bar = w.program->form()->control<lymn::TSkinForm>("skinForm1").TitleBar();
    int x = 0;
    for (auto _ : state) {
        bar.mouseMove({{100 + (x++ % 300), 10}});
        w.paint(bar);
    }
}
BENCHMARK(BM_TitleBarPaintOnMouseMove)->Unit(benchmark::kMicrosecond);

void BM_TabStripPaint(benchmark::State& state) {
    Window w;
    auto& strip = w.program->form()->control<lymn::TSkinPageControl>("skinPageControl1").strip();
    for (auto _ : state) w.paint(strip);
}
BENCHMARK(BM_TabStripPaint)->Unit(benchmark::kMicrosecond);

void BM_SkinButtonPaint(benchmark::State& state) {
    Window w;
    auto& button = w.program->form()->control("skinButton1");
    for (auto _ : state) w.paint(button);
}
BENCHMARK(BM_SkinButtonPaint)->Unit(benchmark::kMicrosecond);

}  // namespace
