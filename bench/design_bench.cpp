// Reading and writing a full design (every sub-record, a beam with both
// cases): the reader on one index of the text side by side with the same
// reader asking the find primitive once per key.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>
#include <vector>

#include "design_fixture.h"
#include "varbuf/designdata.h"

namespace {

constexpr int kTextSize = 16384;

std::string full_design_text()
{
    auto design = std::make_unique<designdata>();
    kavo_test::plant_design(*design, kavo_test::Product::beam);
    std::vector<char> text(kTextSize, 0);
    kavo::write_designdata(*design, text.data(), kTextSize);
    return text.data();
}

template <typename Finder>
void read_design(benchmark::State &state)
{
    const std::string text = full_design_text();
    auto design = std::make_unique<designdata>();
    for (auto _ : state) {
        const int result = kavo::read_designdata(*design, Finder(text.c_str()));
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
    state.counters["text_bytes"] = static_cast<double>(text.size());
    state.counters["us_per_read"] = benchmark::Counter(1e-6, benchmark::Counter::kIsIterationInvariantRate |
                                                                 benchmark::Counter::kInvert);
}

void BM_ReadDesign_OneIndex(benchmark::State &state) { read_design<kavo::IndexedFinder>(state); }
void BM_ReadDesign_FindPerKey(benchmark::State &state) { read_design<kavo::LinearFinder>(state); }

void BM_WriteDesign(benchmark::State &state)
{
    auto design = std::make_unique<designdata>();
    kavo_test::plant_design(*design, kavo_test::Product::beam);
    std::vector<char> text(kTextSize, 0);
    for (auto _ : state) {
        const int result = kavo::write_designdata(*design, text.data(), kTextSize);
        benchmark::DoNotOptimize(result);
        benchmark::ClobberMemory();
    }
    state.counters["text_bytes"] = static_cast<double>(std::strlen(text.data()));
    state.counters["us_per_write"] = benchmark::Counter(1e-6, benchmark::Counter::kIsIterationInvariantRate |
                                                                  benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_ReadDesign_OneIndex)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_ReadDesign_FindPerKey)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WriteDesign)->Unit(benchmark::kMicrosecond);

namespace {

void BM_IndexDesignText(benchmark::State &state)
{
    const std::string text = full_design_text();
    for (auto _ : state) {
        kavo::IndexedFinder finder(text.c_str());
        benchmark::DoNotOptimize(&finder);
    }
}

} // namespace

BENCHMARK(BM_IndexDesignText)->Unit(benchmark::kMicrosecond);
