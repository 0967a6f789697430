// The page of saved builds with 1,000 of them: opening it (the list read and shown) and
// painting it.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <random>

#include "app/Program.h"
#include "editors/TFlatListView.h"
#include "platform/headless/HeadlessBackend.h"
#include "sim/BuildCode.h"
#include "sim/CodeTables.h"
#include "skin/TSkinPageControl.h"
#include "skin/TSkinTabSheet.h"
#include "store/BuildStore.h"

namespace {

namespace fs = std::filesystem;

// The window in a folder of 1,000 saved builds of random picks and levels.
struct PageWindow {
    explicit PageWindow(int scale) : backend(lymn::Rect::xywh(0, 0, 1600, 1600), scale) {
        dir = fs::temp_directory_path() / ("lymn-bench-page-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", dir / "lymn.mdb");
        saveBuilds();
        program = std::make_unique<lymn::Program>(backend, dir, [](lymn::Application& app) {
            app.setBoxHandler([](lymn::BoxKind, const std::string&, const std::string&) {});
        });
        program->show();
    }
    ~PageWindow() {
        program.reset();
        fs::remove_all(dir);
    }
    PageWindow(const PageWindow&) = delete;
    PageWindow& operator=(const PageWindow&) = delete;

    void saveBuilds() const {
        lymn::store::BuildStore store(dir);
        std::mt19937 random(7);
        auto pick = [&](auto& table) {
            return std::string(table[1 + random() % (table.size() - 1)].code);
        };
        for (int i = 0; i < 1000; ++i) {
            lymn::sim::Build b;
            b.appearance = pick(lymn::sim::AppearanceTable);
            b.profession = pick(lymn::sim::ProfessionTable);
            b.level = 1 + static_cast<int>(random() % 200);
            store.save("方案" + std::to_string(i), lymn::sim::BuildCode::encode(b));
        }
    }
    lymn::TSkinPageControl& pages() {
        return program->form()->control<lymn::TSkinPageControl>("skinPageControl1");
    }
    lymn::TSkinTabSheet& buildsPage() {
        return program->form()->control<lymn::TSkinTabSheet>("BuildsSheet");
    }
    void show(lymn::TSkinTabSheet* page) {
        pages().setActivePage(page);
        program->form()->present();
    }

    fs::path dir;
    lymn::HeadlessBackend backend;
    std::unique_ptr<lymn::Program> program;
};

// From the character page to the builds page: the 1,000 builds read, listed and presented.
void BM_BuildsPageOpen(benchmark::State& state) {
    PageWindow w(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        w.show(w.pages().GetPage(0));
        state.ResumeTiming();
        w.show(&w.buildsPage());
    }
    state.counters["rows"] = w.program->form()->control<lymn::TFlatListView>("ListBuilds").count();
}
BENCHMARK(BM_BuildsPageOpen)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// The whole page painted (panel, list rows in view, edit, buttons, status), scrolled somewhere
// else each time.
void BM_BuildsPagePaint(benchmark::State& state) {
    PageWindow w(static_cast<int>(state.range(0)));
    w.show(&w.buildsPage());
    auto& list = w.program->form()->control<lymn::TFlatListView>("ListBuilds");
    lymn::Control& page = w.buildsPage();
    lymn::Bitmap frame(440, 535, lymn::colors::black, static_cast<int>(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        list.setTopIndex((i += 37) % 993);
        lymn::Canvas canvas(frame, &w.program->application().fonts());
        canvas.translate(page.formRect().topLeft());
        page.paintTree(canvas);
    }
}
BENCHMARK(BM_BuildsPagePaint)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
