// The growth page: the table of 200 levels, the whole page painted, and a hover move with the
// repaint of what it changed; the page's figures at scale 1 and scale 2 in turn.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <sstream>

#include "app/GrowthChart.h"
#include "app/GrowthPage.h"
#include "bench/Alternating.h"
#include "platform/headless/SimulatedUser.h"
#include "sim/GrowthTable.h"
#include "skin/TSkinPageControl.h"
#include "tools/lymn-drive/Driver.h"

namespace {

namespace fs = std::filesystem;

// The program with a build picked, at level 50 with points spent, and its growth page in front.
struct GrowthWindow {
    explicit GrowthWindow(int scale) {
        dir = fs::temp_directory_path() /
              ("lymn-bench-growth-" + std::to_string(::getpid()) + "-" + std::to_string(scale));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", dir / "lymn.mdb");
        driver = std::make_unique<lymn::tools::Driver>(dir, out, out, scale);
        for (const char* line : {"pick zy 5", "pick js 11", "level 50", "click la", "click ta"})
            driver->run(line);
        auto& strip = driver->form().control<lymn::TSkinPageControl>("skinPageControl1").strip();
        const lymn::Point tab =
            lymn::SimulatedUser::centre(strip.tabRect(2).translated(strip.formRect().topLeft()));
        driver->run("press " + std::to_string(tab.x) + " " + std::to_string(tab.y));
        driver->run("release " + std::to_string(tab.x) + " " + std::to_string(tab.y));
        if (!page().active()) throw std::runtime_error("the growth page did not open");
    }
    ~GrowthWindow() {
        driver.reset();
        fs::remove_all(dir);
    }
    lymn::GrowthPage& page() { return driver->form().growthPage(); }
    // The whole page painted again, as a window exposed.
    void paintPage() {
        page().invalidate();
        driver->form().present();
    }
    // The build pinned or the pin taken away: the chart's lines and the table drawn anew.
    void pinAndPaint() {
        if (page().pinnedTable())
            page().unpin();
        else
            page().pin();
        driver->form().present();
    }
    // The pointer moved over the chart to the next of two levels, and what it changed repainted.
    void hover() {
        lymn::GrowthChart& chart = page().chart();
        const int level = (moves++ & 1) ? 120 : 121;
        const lymn::Rect plot = chart.plotArea();
        const lymn::Point p = chart.toForm(
            {static_cast<int>(std::floor(chart.xOf(level))), plot.top + plot.height() / 2});
        driver->run("move " + std::to_string(p.x) + " " + std::to_string(p.y));
    }
    fs::path dir;
    std::ostringstream out;
    std::unique_ptr<lymn::tools::Driver> driver;
    int moves = 0;
};

// The 200 levels of a build computed.
void BM_GrowthTable(benchmark::State& state) {
    const lymn::sim::DataRow row{14, 10, 7, 11};
    int i = 0;
    for (auto _ : state) {
        lymn::sim::GrowthTable t(lymn::sim::groupOfIndex(1 + (i++ % 8)), row);
        benchmark::DoNotOptimize(t);
    }
}
BENCHMARK(BM_GrowthTable)->Unit(benchmark::kMicrosecond);

// The table as the driver prints it.
void BM_GrowthTableCsv(benchmark::State& state) {
    const lymn::sim::GrowthTable t(lymn::sim::ProfessionGroup::Ranger, {14, 10, 7, 11});
    for (auto _ : state) benchmark::DoNotOptimize(lymn::sim::GrowthTable::csv(&t, nullptr));
}
BENCHMARK(BM_GrowthTableCsv)->Unit(benchmark::kMicrosecond);

void BM_GrowthPagePaint(benchmark::State& state) {
    GrowthWindow one(1), two(2);
    lymn::bench::alternate(
        state, "scale1_us", [&] { one.paintPage(); }, "scale2_us", [&] { two.paintPage(); });
}
BENCHMARK(BM_GrowthPagePaint)->Unit(benchmark::kMicrosecond);

void BM_GrowthPagePinAndPaint(benchmark::State& state) {
    GrowthWindow one(1), two(2);
    lymn::bench::alternate(
        state, "scale1_us", [&] { one.pinAndPaint(); }, "scale2_us", [&] { two.pinAndPaint(); });
}
BENCHMARK(BM_GrowthPagePinAndPaint)->Unit(benchmark::kMicrosecond);

void BM_GrowthHoverMove(benchmark::State& state) {
    GrowthWindow one(1), two(2);
    lymn::bench::alternate(
        state, "scale1_us", [&] { one.hover(); }, "scale2_us", [&] { two.hover(); });
}
BENCHMARK(BM_GrowthHoverMove)->Unit(benchmark::kMicrosecond);

}  // namespace
