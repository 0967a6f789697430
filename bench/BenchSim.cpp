// The simulation: a typed level change, a picker selection with its lookup, a point click.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <sstream>

#include "bench/Alternating.h"
#include "editors/TFlatImageComboBox.h"
#include "editors/TFlatTextEdit.h"
#include "sim/BuildCode.h"
#include "tools/lymn-drive/Driver.h"

namespace {

namespace fs = std::filesystem;

struct Running {
    explicit Running(int scale = 1) {
        dir = fs::temp_directory_path() /
              ("lymn-bench-sim-" + std::to_string(::getpid()) + "-" + std::to_string(scale));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", dir / "lymn.mdb");
        driver = std::make_unique<lymn::tools::Driver>(dir, out, out, scale);
        driver->run("pick zy 5");
        driver->run("pick js 11");
        driver->run("level 50");
    }
    ~Running() {
        driver.reset();
        fs::remove_all(dir);
    }
    fs::path dir;
    std::ostringstream out;
    std::unique_ptr<lymn::tools::Driver> driver;
};

// One change of the level text as typing makes it, with the recomputation it runs, and
// optionally the repaint of what changed.
void typeLevel(Running& r, bool repaint, int& i) {
    auto& inner = r.driver->form().controls().EdtRank->innerEdit();
    inner.selectAll();
    inner.replaceSelection((i++ & 1) ? "35" : "36");
    if (repaint) r.driver->form().present();
}

void typedLevelChanges(benchmark::State& state, bool repaint, int scale = 1) {
    Running r(scale);
    int i = 0;
    for (auto _ : state) typeLevel(r, repaint, i);
}

void BM_TypedLevelChange(benchmark::State& state) {
    typedLevelChanges(state, false);
}
BENCHMARK(BM_TypedLevelChange)->Unit(benchmark::kMicrosecond);

void BM_TypedLevelChangeWithRepaint(benchmark::State& state) {
    typedLevelChanges(state, true, static_cast<int>(state.range(0)));
}
BENCHMARK(BM_TypedLevelChangeWithRepaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// Typed level changes with their repaint at scale 1 and at scale 2 in turn: the two medians
// (microseconds) and their ratio.
void BM_TypedLevelChangeScale2AgainstScale1(benchmark::State& state) {
    Running one(1), two(2);
    int i = 0, j = 0;
    lymn::bench::alternate(
        state, "scale1_us", [&] { typeLevel(one, true, i); }, "scale2_us",
        [&] { typeLevel(two, true, j); });
}
BENCHMARK(BM_TypedLevelChangeScale2AgainstScale1)->Unit(benchmark::kMicrosecond);

// A picker selection: the handler, the query and the loading of the row.
void BM_PickerSelection(benchmark::State& state) {
    Running r;
    auto& box = *r.driver->form().controls().ImageBoxJs;
    int i = 0;
    for (auto _ : state) box.pick((i++ & 1) ? 3 : 4);
}
BENCHMARK(BM_PickerSelection)->Unit(benchmark::kMicrosecond);

// A point click's handler, up and down in turn.
void BM_PointClick(benchmark::State& state) {
    Running r;
    auto& form = r.driver->form();
    int i = 0;
    for (auto _ : state) {
        if (i++ & 1)
            form.ldClick(form);
        else
            form.laClick(form);
    }
}
BENCHMARK(BM_PointClick)->Unit(benchmark::kMicrosecond);

// A build's code written and read back.
void BM_BuildCodeRoundTrip(benchmark::State& state) {
    const lymn::sim::Build b{"bzh", "kh", 120, {20, 30, 10, 5}, {40, 30, 20, 10}};
    for (auto _ : state)
        benchmark::DoNotOptimize(lymn::sim::BuildCode::decode(lymn::sim::BuildCode::encode(b)));
}
BENCHMARK(BM_BuildCodeRoundTrip)->Unit(benchmark::kMicrosecond);

// A build shown through the handlers a player uses and painted, two builds in turn (other picks,
// level and points each time).
void BM_RestoreBuild(benchmark::State& state) {
    Running r;
    const lymn::sim::Build a{"bzh", "kh", 120, {20, 30, 10, 5}, {40, 30, 20, 10}};
    const lymn::sim::Build b{"ln", "yj", 180, {50, 50, 50, 20}, {10, 10, 10, 10}};
    int i = 0;
    for (auto _ : state) {
        r.driver->form().restoreBuild((i++ & 1) ? a : b);
        r.driver->form().present();
    }
}
BENCHMARK(BM_RestoreBuild)->Unit(benchmark::kMicrosecond);

}  // namespace
