// The value-tree menus with a 100,000-value tree, offscreen: coming back to
// the main window (which once rebuilt all ten description menus each time),
// coming back to the search window after the record list changed (which
// rebuilt its ten value menus), and opening a description menu after its
// tree changed (its top level is made then; submenus when they open).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QMenu>
#include <QTest>
#include <cstdio>
#include <filesystem>
#include <string>

#include "app/ui/program_windows.h"
#include "editor/description_menu.h"
#include "editor/ui/description_menu_builder.h"
#include "editor/ui/main_window.h"
#include "search/ui/search_window.h"
#include "storage/database_session.h"
#include "silent_dialogs.h"

namespace {

using namespace vorlane;

// Closing a window with unsaved edits goes on without saving.
class SilentDialogs : public vorlane::bench::SilentDialogs {
public:
    Answer AskYesNoCancel(const std::string&) override { return Answer::No; }
};

// 100,000 values: `top` top-level values sharing the rest as children.
std::string TreeOf(int top) {
    const int children = 100000 / top - 1;
    std::string text;
    for (int t = 0; t < top; ++t) {
        text += "Region " + std::to_string(t) + "\r\n";
        for (int c = 0; c < children; ++c) text += "\tAppellation " + std::to_string(t) + "-" + std::to_string(c) + "\r\n";
    }
    return text;
}

struct Program {
    SilentDialogs dialogs;
    AppPaths paths{(std::filesystem::temp_directory_path() / "vorlane-menus-bench.ini").string(),
                   {(std::filesystem::temp_directory_path() / "vorlane-menus-bench").string(), ""}};
    DatabaseSession session{dialogs, paths.data};
    ProgramWindows windows{session, dialogs, paths};
    QWidget other;

    explicit Program(int top) {
        activate(&windows.main());
        session.db().valueTrees[0] = TreeOf(top);
        other.resize(100, 100);
        other.show();
    }
    ~Program() { windows.main().hide(); }
    static void activate(QWidget* w) {
        w->show();
        w->activateWindow();
        if (!QTest::qWaitForWindowActive(w, 2000)) std::fputs("a window did not become active\n", stderr);
        QApplication::processEvents();
    }
};

void BM_ReturnToMainWindow(benchmark::State& state) {
    Program program(static_cast<int>(state.range(0)));
    Program::activate(&program.other);
    Program::activate(&program.windows.main());  // the tree's menu is due once after it changed
    for (auto _ : state) {
        state.PauseTiming();
        Program::activate(&program.other);
        state.ResumeTiming();
        Program::activate(&program.windows.main());
    }
}

void BM_OpenMenuAfterTreeChange(benchmark::State& state) {
    Program program(static_cast<int>(state.range(0)));
    DescriptionMenuBuilder& menus = program.windows.main().descriptionMenus();
    std::string tree = program.session.db().valueTrees[0];
    int changes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        tree[0] = (++changes % 2) ? 'r' : 'R';
        state.ResumeTiming();
        menus.setSource(1, "Region", tree);
        benchmark::DoNotOptimize(menus.menu(1));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

// What every return to the main window cost before menus were kept: the
// field's whole menu, every level made at once.
void BM_MakeEveryLevelOfTheMenu(benchmark::State& state) {
    Program program(static_cast<int>(state.range(0)));
    DescriptionMenuBuilder& menus = program.windows.main().descriptionMenus();
    const DescriptionMenu content = MakeMenu(program.session.db(), 1);
    for (auto _ : state) {
        QMenu* menu = menus.build(content);
        for (QAction* entry : menu->actions()) benchmark::DoNotOptimize(DescriptionMenuBuilder::submenu(entry));
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

void BM_ReturnToSearchWindowAfterListChange(benchmark::State& state) {
    Program program(static_cast<int>(state.range(0)));
    SearchWindow& search = program.windows.search();
    Program::activate(&search);  // the tree changed once after the window was made
    for (auto _ : state) {
        state.PauseTiming();
        Program::activate(&program.other);
        program.session.recordListChanged = true;
        state.ResumeTiming();
        Program::activate(&search);
    }
    search.hide();
}

}  // namespace

// 100 regions of 999 appellations each, and 100,000 regions in one level.
BENCHMARK(BM_ReturnToMainWindow)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_OpenMenuAfterTreeChange)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MakeEveryLevelOfTheMenu)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReturnToSearchWindowAfterListChange)->Arg(100)->Arg(100000)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
