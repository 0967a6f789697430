// The screenshot: the whole click (compose, encode, write) and the encoding alone.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/Program.h"
#include "capture/JpegCodec.h"
#include "platform/headless/HeadlessBackend.h"

namespace {

namespace fs = std::filesystem;

fs::path captureFolder() {
    static const fs::path dir = [] {
        const fs::path d =
            fs::temp_directory_path() / ("lymn-bench-capture-" + std::to_string(::getpid()));
        fs::remove_all(d);
        fs::create_directories(d);
        fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", d / "lymn.mdb");
        return d;
    }();
    return dir;
}

void answerBoxes(lymn::Application& app) {
    app.setBoxHandler([](lymn::BoxKind, const std::string&, const std::string&) {});
}

// One click of the screenshot button's handler: the logo shown, the window composed, the
// JPEG written beside the executable, the logo hidden again.
void BM_Screenshot(benchmark::State& state) {
    lymn::HeadlessBackend backend;
    lymn::Program program(backend, captureFolder(), answerBoxes);
    program.show();
    lymn::TFormLy& form = *program.form();
    lymn::Control& button = form.control("skinButton1");
    for (auto _ : state) form.skinButton1Click(button);
}
BENCHMARK(BM_Screenshot)->Unit(benchmark::kMillisecond);

void BM_JpegEncodeWindow(benchmark::State& state) {
    lymn::HeadlessBackend backend;
    lymn::Program program(backend, captureFolder(), answerBoxes);
    program.show();
    const lymn::Bitmap picture = program.form()->frame();
    for (auto _ : state) benchmark::DoNotOptimize(lymn::jpeg::encode(picture).size());
}
BENCHMARK(BM_JpegEncodeWindow)->Unit(benchmark::kMillisecond);

}  // namespace
