// Statuses, counts, the "what to open" list and sixteen years ahead over
// 100,000 records, as the drinking window computes them on every refresh;
// the baseline only walks the records' year and quantity texts.
#include <benchmark/benchmark.h>

#include "cellar/drinking_window.h"
#include "cellar_generator.h"

namespace {

const vorlane::Database& cellar() {
    static const vorlane::Database db = [] {
        vorlane::GeneratorOptions options;
        options.drinkYears = true;
        return vorlane::GenerateCellar(100000, 2026, options);
    }();
    return db;
}

void BM_DrinkBaselineWalk(benchmark::State& state) {
    cellar();  // made once, outside the timing
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const auto& r : cellar().records) bytes += r.Details[6].size() + r.Details[7].size() + r.Details[9].size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cellar().records.size()));
}

void BM_DrinkReport(benchmark::State& state) {
    cellar();
    for (auto _ : state) {
        vorlane::DrinkReport report = vorlane::MakeDrinkReport(cellar(), 2026);
        benchmark::DoNotOptimize(report);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cellar().records.size()));
}

}  // namespace

BENCHMARK(BM_DrinkBaselineWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_DrinkReport)->Unit(benchmark::kMillisecond);
