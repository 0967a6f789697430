// The saved builds: one save flushed to disk, and the list of 1,000 builds.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "store/BuildStore.h"

namespace {

namespace fs = std::filesystem;
using lymn::store::BuildStore;

// A folder of its own, removed with it.
struct Folder {
    explicit Folder(const std::string& name)
        : dir(fs::temp_directory_path() /
              ("lymn-bench-builds-" + std::to_string(::getpid()) + "-" + name)) {
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    ~Folder() { fs::remove_all(dir); }
    Folder(const Folder&) = delete;
    Folder& operator=(const Folder&) = delete;

    fs::path dir;
};

std::string name(int64_t i) {
    return "方案" + std::to_string(i);
}

std::string code(int64_t i) {
    return "K7Q2-MX4P-9ZR1-" + std::to_string(i);
}

// One save with its flush, a new name for the first 200 and then a name saved again.
void BM_SaveBuild(benchmark::State& state) {
    const Folder folder("save");
    BuildStore store(folder.dir);
    int64_t i = 0;
    for (auto _ : state) {
        store.save(name(i % 200), code(i));
        ++i;
    }
}
BENCHMARK(BM_SaveBuild)->Unit(benchmark::kMillisecond);

// The 1,000 builds, saved once for the process: each save waits for the disk.
struct ThousandBuilds : Folder {
    ThousandBuilds() : Folder("list") {
        BuildStore store(dir, [] { return int64_t{1'765'300'000}; });
        for (int64_t i = 0; i < 1000; ++i) store.save(name(i), code(i));
    }
};

const fs::path& thousandBuilds() {
    static const ThousandBuilds builds;
    return builds.dir;
}

// The list of 1,000 builds, newest first, as the window reads it.
void BM_List1000(benchmark::State& state) {
    const BuildStore store(thousandBuilds());
    for (auto _ : state) {
        auto builds = store.list();
        benchmark::DoNotOptimize(builds.data());
    }
    state.counters["builds"] = static_cast<double>(store.list().size());
}
BENCHMARK(BM_List1000)->Unit(benchmark::kMicrosecond);

}  // namespace
