#pragma once

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <vector>

namespace lymn::bench {

// Runs two pieces of work in turn at every iteration, so that a machine changing speed weighs on
// both alike, and reports the median microseconds of each and the ratio of the medians as the
// benchmark's counters (first and second name them).
inline void alternate(benchmark::State& state, const char* first, const std::function<void()>& a,
                      const char* second, const std::function<void()>& b) {
    using Clock = std::chrono::steady_clock;
    std::vector<double> ta, tb;
    auto time = [](const std::function<void()>& work) {
        const auto start = Clock::now();
        work();
        return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
    };
    for (auto _ : state) {
        ta.push_back(time(a));
        tb.push_back(time(b));
    }
    auto median = [](std::vector<double>& v) {
        std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(v.size() / 2), v.end());
        return v[v.size() / 2];
    };
    if (ta.empty()) return;
    const double ma = median(ta), mb = median(tb);
    state.counters[first] = ma;
    state.counters[second] = mb;
    state.counters["ratio"] = mb / ma;
}

}  // namespace lymn::bench
