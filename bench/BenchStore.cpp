// The data store: the start-up preparation and one lookup.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>

#include "store/DataFileStartup.h"
#include "store/TADOQuery.h"

namespace {

namespace fs = std::filesystem;

fs::path freshFolder(const char* name) {
    const fs::path dir =
        fs::temp_directory_path() / ("lymn-bench-" + std::to_string(::getpid()) + "-" + name);
    fs::remove_all(dir);
    fs::create_directories(dir);
    fs::copy_file(fs::path(LYMN_BINARY_DIR) / "lymn.mdb", dir / "lymn.mdb");
    return dir;
}

// FormCreate's preparation on the shipped file (a start after the first).
void BM_FormCreate(benchmark::State& state) {
    const fs::path dir = freshFolder("create");
    for (auto _ : state) {
        lymn::store::TADOConnection con;
        lymn::store::PrepareDataFile(con, dir);
        benchmark::DoNotOptimize(con.Connected());
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_FormCreate)->Unit(benchmark::kMillisecond);

// RunQuery and the four field reads of one lookup.
void BM_RunQueryAndRead(benchmark::State& state) {
    const fs::path dir = freshFolder("query");
    lymn::store::TADOConnection con;
    lymn::store::PrepareDataFile(con, dir);
    lymn::store::TADOQuery q("ADOTemp", con);
    for (auto _ : state) {
        lymn::store::RunQuery(q, " select * from t_js where zy = 'zd' and js = 'ss'");
        int sum = 0;
        for (const char* c : {"ll", "tp", "ys", "jg"}) sum += q.fieldAsInteger(c);
        benchmark::DoNotOptimize(sum);
    }
    fs::remove_all(dir);
}
BENCHMARK(BM_RunQueryAndRead)->Unit(benchmark::kMicrosecond);

}  // namespace
