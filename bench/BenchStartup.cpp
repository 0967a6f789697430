// The program headless: start-up to the first composed frame, and a full composition.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "app/Program.h"
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

// From the program entry to the first frame composed and presented.
void BM_StartupToFirstFrame(benchmark::State& state) {
    for (auto _ : state) {
        lymn::HeadlessBackend backend;
        lymn::Program program(backend, folder(), quiet);
        program.show();
        benchmark::DoNotOptimize(program.form()->frame().pixel(0, 0));
    }
}
BENCHMARK(BM_StartupToFirstFrame)->Unit(benchmark::kMillisecond);

// Composing the whole 440 x 535 window.
void BM_ComposeWholeWindow(benchmark::State& state) {
    lymn::HeadlessBackend backend;
    lymn::Program program(backend, folder(), quiet);
    program.show();
    lymn::TFormLy& form = *program.form();
    for (auto _ : state) {
        form.invalidate();
        form.present();
    }
}
BENCHMARK(BM_ComposeWholeWindow)->Unit(benchmark::kMicrosecond);

}  // namespace
