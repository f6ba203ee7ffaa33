// The row tree of a large document: 1,000 buses of 100 bits, that is 101,000 rows when all are
// expanded. The editor rebuilds the visible list after every expand, collapse and row change.
#include "model/signals/SignalDocument.h"
#include "model/signals/WaveSignal.h"
#include "model/types/Wavetype.h"
#include "rows/RowLayoutSnapshot.h"
#include "rows/RowTree.h"

#include <benchmark/benchmark.h>

namespace {

constexpr int32_t BusCount = 1000;
constexpr int32_t BusWidth = 100;

struct TLargeRowTree {
    TLargeRowTree() {
        TWaveDataType& vector = *Types.FindByName("std_logic_vector");
        for (int32_t i = 0; i < BusCount; ++i) {
            auto signal = CreateSignalForType(vector, &Document, nullptr, BusWidth - 1, 0);
            signal->SetName("bus" + std::to_string(i));
            auto row = std::make_unique<TWaveRowCompound>();
            row->AttachSignal(Document.SignalStore().Add(std::move(signal)));
            row->SetExpanded(true);
            Tree.Add(std::move(row));
        }
        Tree.AddEndOfDisplayRow(Document, &Types);
    }
    TWaveDataTypeStore Types;
    TSignalDocument Document;
    TRowTree Tree;
};

// Rebuilding the visible list of 101,001 rows.
void BM_RowTreeRebuildVisibleRows(benchmark::State& state) {
    TLargeRowTree large;
    for (auto _ : state) {
        large.Tree.RebuildVisibleRows();
        benchmark::DoNotOptimize(large.Tree.VisibleCount());
    }
    state.SetItemsProcessed(state.iterations() * large.Tree.VisibleCount());
}
BENCHMARK(BM_RowTreeRebuildVisibleRows)->Unit(benchmark::kMillisecond);

// Collapsing and expanding a bus in the middle, each with its rebuild.
void BM_RowTreeExpandCollapse(benchmark::State& state) {
    TLargeRowTree large;
    large.Tree.RebuildVisibleRows();
    TWaveRow& middle = *large.Tree.Item(BusCount / 2);
    for (auto _ : state) {
        large.Tree.SetExpanded(middle, false);
        large.Tree.SetExpanded(middle, true);
    }
    state.SetItemsProcessed(state.iterations() * 2);
}
BENCHMARK(BM_RowTreeExpandCollapse)->Unit(benchmark::kMillisecond);

// Looking up the visible position of every row.
void BM_RowTreeVisibleIndexOf(benchmark::State& state) {
    TLargeRowTree large;
    large.Tree.RebuildVisibleRows();
    for (auto _ : state) {
        int64_t sum = 0;
        for (const TWaveRow* row : large.Tree.VisibleRows())
            sum += large.Tree.VisibleIndexOf(row);
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * large.Tree.VisibleCount());
}
BENCHMARK(BM_RowTreeVisibleIndexOf)->Unit(benchmark::kMillisecond);

// Taking the layout of every row by name and putting it back.
void BM_RowTreeLayoutSnapshot(benchmark::State& state) {
    TLargeRowTree large;
    large.Tree.RebuildVisibleRows();
    for (auto _ : state)
        RestoreRowLayout(large.Tree, TakeRowLayout(large.Tree, TRowLayoutKey::Name));
    state.SetItemsProcessed(state.iterations() * large.Tree.VisibleCount());
}
BENCHMARK(BM_RowTreeLayoutSnapshot)->Unit(benchmark::kMillisecond);

} // namespace
