// Reports over a 100,000-record cellar, against a baseline that only walks
// the same fields of every record in the same run.
#include <benchmark/benchmark.h>

#include "cellar_generator.h"
#include "reports/html_report.h"
#include "reports/regular_report.h"
#include "reports/report_export.h"
#include "reports/shopping_list.h"

namespace {

using namespace vorlane;

Database& cellar() {
    static Database db = [] {
        Database d = GenerateCellar(100000, 20240611);
        // One record in a hundred on the search list, spread over the list.
        for (std::size_t i = 0; i < d.records.size(); i += 100) d.records[i].OnSearchList = true;
        return d;
    }();
    return db;
}

class Measurer : public TextMeasurer {
public:
    int TextWidth(const ReportFont& font, std::string_view text) const override {
        return static_cast<int>(text.size()) * font.size * 10;
    }
};

void BM_HtmlReportSearchList(benchmark::State& state) {
    cellar();  // made outside the timing
    HtmlReport report;
    for (int e : {kRecordNumberIndex, kNameIndex, 0, 1, 10, 13, 18, kStatusIndex}) report.Add(e, "");
    report.searchListOnly = true;
    std::size_t bytes = 0;
    for (auto _ : state) {
        HtmlReportTable table = report.Generate(cellar().records, cellar().labels, {}, false);
        bytes = report.Html(table.rows).size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["htmlBytes"] = static_cast<double>(bytes);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cellar().records.size()));
}

void BM_RegularReportSearchedRecords(benchmark::State& state) {
    cellar();  // made outside the timing
    RegularReportSettings s;
    s.items = {{22, 0, ""}, {0, 0, ""}, {10, 0, ""}, {18, 0, ""}, {20, 0, ""}};
    s.searchedRecordsOnly = true;
    DoColumns(s, 3, 8640);
    Measurer measurer;
    int pagesMade = 0;
    for (auto _ : state) {
        ReportPages pages(8, 11, measurer);
        LayoutResult result = LayOutReport(s, LayoutInput{cellar().records, cellar().labels, {}, false, "2026/12/09"}, pages);
        benchmark::DoNotOptimize(ExportCsv(result.exportTable));
        pagesMade = pages.PageCount();
    }
    state.counters["pages"] = pagesMade;
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cellar().records.size()));
}

void BM_ShoppingListAllRecords(benchmark::State& state) {
    cellar();  // made outside the timing
    std::size_t lines = 0;
    for (auto _ : state) {
        lines = TallyShoppingList(cellar().records, false).size();
        benchmark::DoNotOptimize(lines);
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cellar().records.size()));
}

// The layout's cost against what it draws, for an item list of state.range(0)
// entries (23 is the most a format file may hold; longer lists come only from
// code) on a cellar that fills the pages: time per drawn operation stays flat
// when the layout is linear in its output.
void BM_RegularReportLayoutPerDrawnOperation(benchmark::State& state) {
    cellar();  // made outside the timing
    RegularReportSettings s;
    for (int i = 0; i < state.range(0); ++i) s.items.push_back({i % kReportFieldCount, 0, ""});
    DoColumns(s, 3, 8640);
    Measurer measurer;
    std::size_t operations = 0;
    int pagesMade = 0;
    for (auto _ : state) {
        ReportPages pages(8, 11, measurer);
        LayoutResult result = LayOutReport(s, LayoutInput{cellar().records, cellar().labels, {}, false, "2026/12/09"}, pages);
        benchmark::DoNotOptimize(result.exportTable.data());
        pagesMade = pages.PageCount();
        operations = 0;
        for (int p = 1; p <= pagesMade; ++p) operations += pages.Page(p)->ops.size();
    }
    state.counters["pages"] = pagesMade;
    state.counters["drawn"] = static_cast<double>(operations);
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(operations));
}

// The least a report over the list must do: look at each record's flag and fields once.
void BM_ReportBaselineWalk(benchmark::State& state) {
    cellar();  // made outside the timing
    for (auto _ : state) {
        std::size_t sum = 0;
        for (const auto& r : cellar().records)
            if (r.OnSearchList) sum += r.Name.size() + r.Details[0].size() + r.Ingredients.size();
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(cellar().records.size()));
}

BENCHMARK(BM_HtmlReportSearchList)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegularReportLayoutPerDrawnOperation)->Arg(5)->Arg(23)->Arg(230)->Arg(2300)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RegularReportSearchedRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ShoppingListAllRecords)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReportBaselineWalk)->Unit(benchmark::kMillisecond);

}  // namespace
