// The program headless: start-up to the first composed frame, a full composition, and the
// screenshot.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/Program.h"
#include "bench/Alternating.h"
#include "capture/JpegCodec.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

namespace fs = std::filesystem;

fs::path folder() {
    static const fs::path dir = [] {
        const fs::path d =
            fs::temp_directory_path() / ("lymn-bench-start-" + std::to_string(::getpid()));
        fs::remove_all(d);
        fs::create_directories(d);
        fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", d / "lymn.mdb");
        return d;
    }();
    return dir;
}

void quiet(lymn::Application& app) {
    app.setBoxHandler([](lymn::BoxKind, const std::string&, const std::string&) {});
}

const lymn::Rect kScreen = lymn::Rect::xywh(0, 0, 1024, 768);

// From the program entry to the first frame composed and presented, at the scale of the
// argument.
void BM_StartupToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        lymn::HeadlessBackend backend(kScreen, static_cast<int>(state.range(0)));
        lymn::Program program(backend, folder(), quiet);
        program.show();
        benchmark::DoNotOptimize(program.form()->frame().pixel(0, 0));
    }
}
BENCHMARK(BM_StartupToFirstFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// Composing the whole 440 x 535 window, at the scale of the argument.
void BM_ComposeWholeWindow(benchmark::State& state) {
    lymn::HeadlessBackend backend(kScreen, static_cast<int>(state.range(0)));
    lymn::Program program(backend, folder(), quiet);
    program.show();
    lymn::TFormLy& form = *program.form();
    for (auto _ : state) {
        form.invalidate();
        form.present();
    }
}
BENCHMARK(BM_ComposeWholeWindow)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMicrosecond);

// The whole window composed at scale 1 and at scale 2 in turn: the two medians (microseconds)
// and their ratio.
void BM_ComposeScale2AgainstScale1(benchmark::State& state) {
    lymn::HeadlessBackend backend1(kScreen, 1), backend2(kScreen, 2);
    lymn::Program program1(backend1, folder(), quiet), program2(backend2, folder(), quiet);
    program1.show();
    program2.show();
    auto compose = [](lymn::TFormLy& form) {
        return [&form] {
            form.invalidate();
            form.present();
        };
    };
    lymn::bench::alternate(state, "scale1_us", compose(*program1.form()), "scale2_us",
                           compose(*program2.form()));
}
BENCHMARK(BM_ComposeScale2AgainstScale1)->Unit(benchmark::kMicrosecond);

// One click of the screenshot button's handler: the logo shown, the window composed, the
// JPEG written beside the executable, the logo hidden again.
void BM_Screenshot(benchmark::State& state) {
    lymn::HeadlessBackend backend;
    lymn::Program program(backend, folder(), quiet);
    program.show();
    lymn::TFormLy& form = *program.form();
    lymn::Control& button = form.control("skinButton1");
    for (auto _ : state) form.skinButton1Click(button);
}
BENCHMARK(BM_Screenshot)->Unit(benchmark::kMillisecond);

void BM_JpegEncodeWindow(benchmark::State& state) {
    lymn::HeadlessBackend backend;
    lymn::Program program(backend, folder(), quiet);
    program.show();
    const lymn::Bitmap picture = program.form()->frame();
    for (auto _ : state) benchmark::DoNotOptimize(lymn::jpeg::encode(picture).size());
}
BENCHMARK(BM_JpegEncodeWindow)->Unit(benchmark::kMillisecond);

}  // namespace
