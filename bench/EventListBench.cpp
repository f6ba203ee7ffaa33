// Event lists of large simulations: appending, memory per event, many signals, and an edit in
// the middle of a long list.
#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/Wavetype.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <unistd.h>

namespace {

const TSimpleValue Zero = TSimpleValue::OfOrdinal(2); // std_logic 0
const TSimpleValue One = TSimpleValue::OfOrdinal(3);  // std_logic 1
const TSimpleValue Unknown = TSimpleValue::OfOrdinal(1);

struct TBenchDocument {
    TWaveDataTypeStore Types;
    TSignalDocument Document;

    std::unique_ptr<TSignalSimple> LogicSignal() {
        auto signal = std::make_unique<TSignalSimple>(&Document);
        signal->SetDataType(Types.FindByName("std_logic"));
        return signal;
    }
};

// Appends a clock of `count` events, 10 fs apart.
void AppendClock(TSignalSimple& signal, int64_t count) {
    for (int64_t i = 0; i < count; ++i)
        signal.AppendEvent(0, i % 2 ? One : Zero, i * 10);
}

// Resident memory of the process in bytes.
int64_t ResidentBytes() {
    std::ifstream statm("/proc/self/statm");
    int64_t size = 0, resident = 0;
    statm >> size >> resident;
    return resident * sysconf(_SC_PAGESIZE);
}

constexpr int64_t TenMillion = 10000000;

// Resident memory growth per std_logic event over 10,000,000 appended events.
void BM_EventMemory(benchmark::State& state) {
    TBenchDocument bench;
    double perEvent = 0;
    for (auto _ : state) {
        const int64_t before = ResidentBytes();
        auto signal = bench.LogicSignal();
        AppendClock(*signal, TenMillion);
        perEvent = static_cast<double>(ResidentBytes() - before) / TenMillion;
        benchmark::DoNotOptimize(signal->EventCount());
    }
    state.counters["bytes_per_event"] = perEvent;
}
BENCHMARK(BM_EventMemory)->Unit(benchmark::kMillisecond)->Iterations(1);

// 10,000,000 events appended to one signal.
void BM_AppendTenMillionEvents(benchmark::State& state) {
    TBenchDocument bench;
    for (auto _ : state) {
        auto signal = bench.LogicSignal();
        AppendClock(*signal, TenMillion);
        benchmark::DoNotOptimize(signal->EndTime());
    }
    state.SetItemsProcessed(state.iterations() * TenMillion);
}
BENCHMARK(BM_AppendTenMillionEvents)->Unit(benchmark::kMillisecond);

// 1,000 std_logic signals built for their type, placed in the store, 10,000 events each.
void BM_ThousandSignalsOfTenThousandEvents(benchmark::State& state) {
    for (auto _ : state) {
        TBenchDocument bench;
        TWaveDataType& logic = *bench.Types.FindByName("std_logic");
        for (int i = 0; i < 1000; ++i) {
            std::unique_ptr<TSignalNode> node =
                CreateSignalForType(logic, &bench.Document, nullptr, 0, 0);
            node->SetName(std::to_string(i));
            auto& signal = static_cast<TSignalSimple&>(*node);
            AppendClock(signal, 10000);
            bench.Document.SignalStore().Add(std::move(node));
        }
        benchmark::DoNotOptimize(bench.Document.SignalStore().FindByPath("999"));
    }
    state.SetItemsProcessed(state.iterations() * 1000 * 10000);
}
BENCHMARK(BM_ThousandSignalsOfTenThousandEvents)->Unit(benchmark::kMillisecond);

// SetValueAt between two events in the middle of 1,000,000 events: one insertion; the second
// call takes it out again, so every iteration sees the same list.
void BM_SetValueAtMiddleOfMillion(benchmark::State& state) {
    TBenchDocument bench;
    auto signal = bench.LogicSignal();
    AppendClock(*signal, 1000000);
    const TSimTime middle = 500000 * 10 + 5;
    const TSimpleValue before = signal->EventInForce(middle)->Value;
    for (auto _ : state) {
        signal->SetValueAt(0, Unknown, middle);
        signal->SetValueAt(0, before, middle);
    }
    if (signal->EventCount() != 1000000)
        state.SkipWithError("the list changed");
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_SetValueAtMiddleOfMillion)->Unit(benchmark::kMicrosecond);

// Walking a compound signal of 32 bits through all its changes with one cursor.
void BM_CursorWalkOverBus(benchmark::State& state) {
    TBenchDocument bench;
    std::unique_ptr<TSignalNode> bus = CreateSignalForType(
        *bench.Types.FindByName("std_logic_vector"), &bench.Document, nullptr, 31, 0);
    for (int32_t bit = 0; bit < bus->ChildCount(); ++bit) {
        auto& child = static_cast<TSignalSimple&>(*bus->Child(bit));
        child.ClearEvents();
        for (int64_t i = 0; i < 10000; ++i)
            child.AppendEvent(0, i % 2 ? One : Zero, i * 64 + bit);
    }
    for (auto _ : state) {
        auto cursor = bus->CursorAt(0);
        TValue value;
        int64_t steps = 0;
        for (TSimTime t = bus->NextChange(*cursor); t != NoFurtherChange;
             t = bus->NextChange(*cursor), ++steps)
            bus->AdvanceAndValue(*cursor, value, t);
        benchmark::DoNotOptimize(steps);
    }
    state.SetItemsProcessed(state.iterations() * 32 * 10000);
}
BENCHMARK(BM_CursorWalkOverBus)->Unit(benchmark::kMillisecond);

} // namespace
