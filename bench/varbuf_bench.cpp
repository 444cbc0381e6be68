// Write and find on a realistic design data text: about 400 items, 6 KB.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "varbuf/varbuf.h"

namespace {

constexpr int kBufferSize = 8192;

// Keys in the shape the codecs use: three-letter record fields and indexed
// fields with two-letter prefixes.
std::vector<std::string> design_keys()
{
    std::vector<std::string> keys;
    for (const char *field : {"RCD", "RNM", "RL", "RW", "RH", "RCS", "ICD", "INM", "BQ1", "BQ2", "PDA"})
        keys.emplace_back(field);
    for (const char *prefix : {"RA", "IR", "IC", "IT", "IV", "IW", "SA", "SB", "SC", "SD", "SE", "SF", "SG", "SH",
                               "UA", "UB", "UC", "UD", "UE"}) {
        for (int i = 0; i < 20; ++i)
            keys.push_back(prefix + std::to_string(i));
    }
    keys.resize(400);
    return keys;
}

// Values of the size that flows and outputs print with.
float value_of(std::size_t i)
{
    return 1000.0f + 1.37f * static_cast<float>(i);
}

std::string design_text(const std::vector<std::string> &keys)
{
    std::vector<char> buffer(kBufferSize, 0);
    for (std::size_t i = 0; i < keys.size(); ++i)
        kavo::varbuf_write_flo(buffer.data(), keys[i].c_str(), value_of(i), 4, kBufferSize);
    return buffer.data();
}

void BM_WriteDesign(benchmark::State &state)
{
    const auto keys = design_keys();
    std::vector<char> buffer(kBufferSize);
    for (auto _ : state) {
        buffer[0] = 0;
        for (std::size_t i = 0; i < keys.size(); ++i)
            kavo::varbuf_write_flo(buffer.data(), keys[i].c_str(), value_of(i), 4, kBufferSize);
        benchmark::DoNotOptimize(buffer.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(keys.size()));
    state.counters["text_bytes"] = static_cast<double>(std::string(buffer.data()).size());
}

void BM_FindEveryKey(benchmark::State &state)
{
    const auto keys = design_keys();
    const std::string text = design_text(keys);
    float value = 0;
    for (auto _ : state) {
        for (const std::string &key : keys)
            benchmark::DoNotOptimize(kavo::varbuf_find_flo(text.c_str(), key.c_str(), &value));
    }
    state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(keys.size()));
    state.counters["finds_per_s"] =
        benchmark::Counter(static_cast<double>(keys.size()), benchmark::Counter::kIsIterationInvariantRate);
}

void BM_FindMissingKey(benchmark::State &state)
{
    const std::string text = design_text(design_keys());
    char out[kavo::kItemArea];
    for (auto _ : state)
        benchmark::DoNotOptimize(kavo::varbuf_find_sz(text.c_str(), "ZZZ", out, sizeof out));
    state.SetItemsProcessed(state.iterations());
}

} // namespace

BENCHMARK(BM_WriteDesign);
BENCHMARK(BM_FindEveryKey);
BENCHMARK(BM_FindMissingKey);
