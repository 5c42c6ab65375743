// Counting 100,000 records under the children of a value, as the graph
// window does on every double-click; the baseline only walks the records'
// description texts.
#include <benchmark/benchmark.h>

#include "cellar_generator.h"
#include "reports/graph_counts.h"

namespace {

const vorlane::Database& cellar() {
    static const vorlane::Database db = vorlane::GenerateCellar(100000, 2026);
    return db;
}

void BM_GraphBaselineWalk(benchmark::State& state) {
    cellar();  // made once, outside the timing
    for (auto _ : state) {
        std::size_t bytes = 0;
        for (const auto& r : cellar().records) bytes += r.Description(1).size() + r.Details[1].size();
        benchmark::DoNotOptimize(bytes);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cellar().records.size()));
}

void graphOf(benchmark::State& state, vorlane::NodeIndex node) {
    const vorlane::ValueTree tree = vorlane::GraphTree(cellar());
    for (auto _ : state) {
        auto counts = vorlane::CountGraph(cellar(), tree, node);
        benchmark::DoNotOptimize(counts);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cellar().records.size()));
}

void BM_GraphRegions(benchmark::State& state) { graphOf(state, {0}); }
void BM_GraphTypes(benchmark::State& state) { graphOf(state, {1}); }

}  // namespace

BENCHMARK(BM_GraphBaselineWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphRegions)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GraphTypes)->Unit(benchmark::kMillisecond);
