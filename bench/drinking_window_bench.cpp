// The drinking window's refresh on a cellar of 100,000 records, offscreen:
// the report, the list's model, its columns and the chart, then a paint.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QSpinBox>
#include <filesystem>

#include "cellar/ui/drinking_window.h"
#include "cellar_generator.h"
#include "silent_dialogs.h"
#include "storage/database_session.h"

namespace {

using namespace vorlane;

using vorlane::bench::SilentDialogs;

class NoOpener : public WindowOpener {
public:
    bool canOpen(ProgramWindow) const override { return false; }
    void open(ProgramWindow) override {}
    void popUpReportMenu() override {}
};

void BM_DrinkingWindowRefresh(benchmark::State& state) {
    SilentDialogs dialogs;
    NoOpener opener;
    AppPaths paths{(std::filesystem::temp_directory_path() / "vorlane-drink-bench.ini").string(),
                   {"", GeneratorOptions::DefaultDataDir()}};
    DatabaseSession session{dialogs, paths.data};
    WindowContext context{session, dialogs, paths, opener};
    GeneratorOptions options;
    options.drinkYears = true;
    session.db() = GenerateCellar(static_cast<std::size_t>(state.range(0)), 2026, options);

    DrinkingWindow window(context);
    window.yearBox()->setValue(2026);
    window.show();
    QApplication::processEvents();
    for (auto _ : state) {
        window.refresh();
        benchmark::DoNotOptimize(window.grab());
    }
    state.SetItemsProcessed(state.iterations() * state.range(0));
}

}  // namespace

BENCHMARK(BM_DrinkingWindowRefresh)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
