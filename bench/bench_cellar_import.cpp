// Importing a 100,000-row export of the web cellar service into a new
// database, beside just reading and splitting the same CSV in the same run.

#include <benchmark/benchmark.h>

#include <random>
#include <string>

#include "exchange/cellar_import.h"

namespace {

using namespace vorlane;

constexpr std::size_t kRows = 100'000;

// A synthetic list with the service's columns; names and places are made up.
const std::string& WebList() {
    static const std::string csv = [] {
        std::mt19937 rng(20261210);
        const char* countries[] = {"France", "Italy", "USA", "Spain", "Germany", "Chile"};
        const char* regions[] = {"North", "South", "East", "West", "Hills", "Valley", "Coast"};
        const char* varietals[] = {"Pinot Noir", "Riesling", "Syrah", "Chardonnay", "Tempranillo"};
        std::string out =
            "iWine,Type,Color,Size,Currency,Value,Price,Quantity,Vintage,Wine,Locale,Producer,Varietal,Country,"
            "BeginConsume,EndConsume,PScore,PurchaseDate\r\n";
        for (std::size_t i = 0; i < kRows; ++i) {
            const std::string country = countries[rng() % 6];
            const std::string producer = "Estate " + std::to_string(rng() % 5000);
            const std::string vintage = std::to_string(1990 + rng() % 34);
            out += std::to_string(i + 1) + ",Red,Red,750ml,USD," + std::to_string(rng() % 300) + "." +
                   std::to_string(rng() % 90 + 10) + "," + std::to_string(rng() % 200) + ",3," + vintage + ",\"" +
                   producer + " Cuvee " + std::to_string(i) + " " + vintage + "\",\"" + country + ", " +
                   regions[rng() % 7] + ", " + regions[rng() % 7] + " " + std::to_string(rng() % 40) + "\"," +
                   producer + "," + varietals[rng() % 5] + "," + country + ",2025,2035," +
                   std::to_string(80 + rng() % 20) + ",4/" + std::to_string(1 + rng() % 28) + "/2020\r\n";
        }
        return out;
    }();
    return csv;
}

void BM_ReadAndSplitCsv(benchmark::State& state) {
    const std::string& csv = WebList();
    for (auto _ : state) {
        DelimitedText text = ReadDelimitedText(csv, "list.csv");
        benchmark::DoNotOptimize(text.rows.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
}
BENCHMARK(BM_ReadAndSplitCsv)->Unit(benchmark::kMillisecond);

void BM_ImportIntoNewDatabase(benchmark::State& state) {
    const std::string& csv = WebList();
    const auto layouts = KnownLayouts();
    for (auto _ : state) {
        Database db;
        db.valueTrees[3] = "Points\r\n\t90-94 - Outstanding\r\n\t85-89 - Very Good\r\n\t80-84 - Good\r\n"
                           "\t95-99 - Classic\r\n";
        DelimitedText text = ReadDelimitedText(csv, "list.csv");
        const ImportPlan plan = PlanImport(text, db.labels, layouts);
        const CellarImportReport report = ImportCellar(db, text, plan, true);
        if (report.imported != kRows) state.SkipWithError("not every row came in");
        benchmark::DoNotOptimize(db.records.data());
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * csv.size()));
}
BENCHMARK(BM_ImportIntoNewDatabase)->Unit(benchmark::kMillisecond);

}  // namespace
