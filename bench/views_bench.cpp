// The record views on big cellars, offscreen: the spreadsheet's first paint
// and its scroll to the end at 100,000 and 1,000,000 records, sorting the
// shown records, and the album turning a 9 x 9 page of pictures.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>
#include <filesystem>

#include "cellar_generator.h"
#include "silent_dialogs.h"
#include "editor/record_sort.h"
#include "storage/database_session.h"
#include "views/ui/album_grid.h"
#include "views/ui/spreadsheet_model.h"
#include "views/ui/album_window.h"
#include "views/ui/spreadsheet_window.h"
#include "widgets/picture_loader.h"

namespace {

using namespace vorlane;

using vorlane::bench::SilentDialogs;

class NoOpener : public WindowOpener {
public:
    bool canOpen(ProgramWindow) const override { return false; }
    void open(ProgramWindow) override {}
    void popUpReportMenu() override {}
};

struct Views {
    SilentDialogs dialogs;
    NoOpener opener;
    AppPaths paths{(std::filesystem::temp_directory_path() / "vorlane-views-bench.ini").string(),
                   {"", GeneratorOptions::DefaultDataDir()}};
    DatabaseSession session{dialogs, paths.data};
    WindowContext context{session, dialogs, paths, opener};

    explicit Views(std::size_t count) {
        // Large lists are copies of a generated block: generating a million wines would dwarf the work measured.
        RecordList block = GenerateCellar(std::min<std::size_t>(count, 100000), 2026).records;
        session.records().reserve(count);
        while (session.records().size() < count)
            session.records().insert(session.records().end(), block.begin(),
                                     block.begin() + static_cast<std::ptrdiff_t>(
                                                         std::min(block.size(), count - session.records().size())));
        session.currentIndex = 0;
    }
};

Views& cellar(std::size_t count) {
    static std::map<std::size_t, std::unique_ptr<Views>> made;
    auto& slot = made[count];
    if (!slot) {
        made.clear();  // one big cellar in memory at a time
        made[count] = std::make_unique<Views>(count);
        return *made[count];
    }
    return *slot;
}

void BM_SpreadsheetFirstPaint(benchmark::State& state) {
    Views& views = cellar(static_cast<std::size_t>(state.range(0)));
    for (auto _ : state) {
        SpreadsheetWindow sheet(views.context, {});
        sheet.resize(1000, 700);
        sheet.show();
        sheet.activate();
        benchmark::DoNotOptimize(sheet.grab());
    }
}

void BM_SpreadsheetScrollToEnd(benchmark::State& state) {
    Views& views = cellar(static_cast<std::size_t>(state.range(0)));
    SpreadsheetWindow sheet(views.context, {});
    sheet.resize(1000, 700);
    sheet.show();
    sheet.activate();
    for (auto _ : state) {
        sheet.grid()->scrollToTop();
        benchmark::DoNotOptimize(sheet.grid()->viewport()->grab());
        sheet.grid()->scrollToBottom();
        benchmark::DoNotOptimize(sheet.grid()->viewport()->grab());
    }
}

void BM_SpreadsheetSortByName(benchmark::State& state) {
    Views& views = cellar(static_cast<std::size_t>(state.range(0)));
    SpreadsheetWindow sheet(views.context, {});
    sheet.resize(1000, 700);
    sheet.show();
    sheet.activate();
    const RecordList original = views.session.records();
    for (auto _ : state) {
        state.PauseTiming();
        views.session.records() = original;
        state.ResumeTiming();
        SortRecords(views.session.records(), kSortKeyName);
        sheet.activate();
        benchmark::DoNotOptimize(sheet.grid()->viewport()->grab());
    }
}

// cold: every picture decoded again on each turn, nothing from the cache.
void albumPageTurn(benchmark::State& state, bool cold) {
    Views views(162);
    // Every record shows a different picture: the sample's labels, then copies of them.
    const std::filesystem::path labels = std::filesystem::path(GeneratorOptions::DefaultDataDir()) / "sample/labels";
    const std::filesystem::path copies = std::filesystem::temp_directory_path() / "vorlane-album-bench";
    std::filesystem::create_directories(copies);
    std::vector<std::filesystem::path> pictures;
    for (const auto& entry : std::filesystem::directory_iterator(labels)) pictures.push_back(entry.path());
    std::sort(pictures.begin(), pictures.end());
    for (std::size_t i = 0; i < views.session.records().size(); ++i) {
        const auto& from = pictures[i % pictures.size()];
        const auto to = copies / (std::to_string(i) + from.extension().string());
        std::filesystem::copy_file(from, to, std::filesystem::copy_options::overwrite_existing);
        views.session.records()[i].Images[0].FileName = to.string();
    }
    AlbumWindow album(views.context);
    album.resize(1200, 900);
    album.show();
    for (int i = 0; i < 8; ++i) album.pages().MoreRows(), album.pages().MoreCols();
    album.activate();
    album.grid()->decodeAll();
    bool forward = true;
    for (auto _ : state) {
        if (cold) {
            state.PauseTiming();
            PictureLoader::shared().clearCache();
            album.grid()->clearDecoded();
            state.ResumeTiming();
        }
        forward ? album.pages().Next() : album.pages().Previous();
        forward = !forward;
        album.buildSheet();
        album.grid()->decodeAll();
        benchmark::DoNotOptimize(album.grid()->grab());
    }
    std::filesystem::remove_all(copies);
}

void BM_AlbumPageTurn81(benchmark::State& state) { albumPageTurn(state, false); }
void BM_AlbumPageTurn81Cold(benchmark::State& state) { albumPageTurn(state, true); }

}  // namespace

BENCHMARK(BM_SpreadsheetFirstPaint)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpreadsheetScrollToEnd)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SpreadsheetSortByName)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlbumPageTurn81)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AlbumPageTurn81Cold)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
