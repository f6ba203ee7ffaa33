// Identifier allocation of large documents: every signal of a document takes one identifier.
#include "model/signals/WaveUniqueIDMaster.h"

#include <benchmark/benchmark.h>

#include <random>
#include <vector>

namespace {

constexpr int32_t Count = 1000000;

// 1,000,000 AllocateLow calls on a new allocator.
void BM_IdAllocatorAllocateLow(benchmark::State& state) {
    for (auto _ : state) {
        TUniqueIDMaster ids;
        int32_t last = 0;
        for (int32_t i = 0; i < Count; ++i)
            last = ids.AllocateLow();
        benchmark::DoNotOptimize(last);
    }
    state.SetItemsProcessed(state.iterations() * Count);
}
BENCHMARK(BM_IdAllocatorAllocateLow)->Unit(benchmark::kMillisecond);

// 1,000,000 AllocateHigh calls on a new allocator.
void BM_IdAllocatorAllocateHigh(benchmark::State& state) {
    for (auto _ : state) {
        TUniqueIDMaster ids;
        int32_t last = 0;
        for (int32_t i = 0; i < Count; ++i)
            last = ids.AllocateHigh();
        benchmark::DoNotOptimize(last);
    }
    state.SetItemsProcessed(state.iterations() * Count);
}
BENCHMARK(BM_IdAllocatorAllocateHigh)->Unit(benchmark::kMillisecond);

// 1,000,000 Reserve calls of random identifiers (as a file reader registers the identifiers it
// reads), then 1,000,000 AllocateLow calls. The range argument is the span the random
// identifiers are drawn from, above 100: a dense span makes AllocateLow step over many reserved
// identifiers.
void BM_IdAllocatorReserveRandomThenAllocateLow(benchmark::State& state) {
    const auto span = static_cast<int32_t>(state.range(0));
    std::mt19937 random(42);
    std::uniform_int_distribution<int32_t> pick(100, 100 + span - 1);
    std::vector<int32_t> reserved(Count);
    for (int32_t& id : reserved)
        id = pick(random);
    for (auto _ : state) {
        TUniqueIDMaster ids;
        for (int32_t id : reserved)
            benchmark::DoNotOptimize(ids.Reserve(id));
        int32_t last = 0;
        for (int32_t i = 0; i < Count; ++i)
            last = ids.AllocateLow();
        benchmark::DoNotOptimize(last);
    }
    state.SetItemsProcessed(state.iterations() * 2 * Count);
}
BENCHMARK(BM_IdAllocatorReserveRandomThenAllocateLow)
    ->Arg(2000000)
    ->Arg(1073741722)
    ->Unit(benchmark::kMillisecond);

} // namespace
