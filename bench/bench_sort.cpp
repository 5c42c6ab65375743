// Sorting 100,000 records by a text key and by a money key.
#include <benchmark/benchmark.h>

#include "cellar_generator.h"
#include "editor/record_sort.h"
#include "storage/fields.h"

namespace {

const vorlane::Database& cellar() {
    static const vorlane::Database db = vorlane::GenerateCellar(100000, 2026);
    return db;
}

void sortBy(benchmark::State& state, int key) {
    vorlane::RecordList records;
    for (auto _ : state) {
        // Copying in a fresh list and freeing the old one stay out of the timing.
        state.PauseTiming();
        records = cellar().records;
        state.ResumeTiming();
        auto order = vorlane::SortRecords(records, key);
        benchmark::DoNotOptimize(order.data());
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cellar().records.size()));
}

void BM_SortByName(benchmark::State& state) { sortBy(state, vorlane::kSortKeyName); }
void BM_SortByPaid(benchmark::State& state) { sortBy(state, vorlane::SortKeyOfDetail(1)); }
void BM_SortByRegion(benchmark::State& state) { sortBy(state, vorlane::SortKeyOfDescription(1)); }

}  // namespace

BENCHMARK(BM_SortByName)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByPaid)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SortByRegion)->Unit(benchmark::kMillisecond);
