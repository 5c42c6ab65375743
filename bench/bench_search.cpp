// Three search terms over a 100,000-record cellar, against a baseline that
// only walks the same fields of every record in the same run.
#include <benchmark/benchmark.h>

#include "cellar_generator.h"
#include "search/search_evaluation.h"
#include "search/search_terms.h"
#include "storage/fields.h"

namespace {

using namespace vorlane;

const Database& cellar() {
    static const Database db = GenerateCellar(100000, 20240611);
    return db;
}

// Name contains "ch", vintage 1990 ... 2005, paid 20 ... 200 (numeric value).
SearchTerms threeTerms() {
    SearchTerms terms;
    terms.ChooseField(0, kSearchName, "Name");
    terms.SetTypedValue(0, "ch");
    terms.AddTerm();
    terms.ChooseField(1, SearchFieldOfDetail(3), "Vintage");
    terms.ApplyRange(1, AcceptRange("1990", "2005"));
    terms.AddTerm();
    terms.ChooseField(2, SearchFieldOfDetail(1), "Paid");
    terms.ApplyRange(2, AcceptRange("20", "200"));
    return terms;
}

void BM_SearchThreeTerms(benchmark::State& state) {
    RecordList records = cellar().records;
    const SearchTerms terms = threeTerms();
    const SearchCaptions captions;
    std::size_t progressCalls = 0;
    int found = 0;
    for (auto _ : state) {
        state.PauseTiming();
        for (auto& r : records) r.OnSearchList = r.PreviouslyListed = false;
        state.ResumeTiming();
        SearchOutcome outcome =
            RunSearch(records, terms, captions, [&](std::size_t, std::size_t) { ++progressCalls; });
        found = outcome.newRecords;
        benchmark::DoNotOptimize(found);
    }
    state.counters["found"] = found;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(records.size()));
}

// The least any search of these fields must do: look at each of them once.
void BM_SearchBaselineWalk(benchmark::State& state) {
    const RecordList& records = cellar().records;
    for (auto _ : state) {
        std::size_t sum = 0;
        for (const auto& r : records) sum += r.Name.size() + r.Details[3].size() + r.Details[1].size();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(records.size()));
}

}  // namespace

BENCHMARK(BM_SearchBaselineWalk)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SearchThreeTerms)->Unit(benchmark::kMillisecond);
