// Every window's toolbar comes from the one builder: the hints in their
// order, and a button enabled exactly when its window can be opened.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <fstream>
#include <filesystem>
#include <map>
#include <vector>

#include "app/ui/program_windows.h"
#include "editor/ui/main_window.h"
#include "reports/ui/regular_report_window.h"
#include "search/ui/search_window.h"
#include "views/ui/spreadsheet_window.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

namespace vorlane {
namespace {

QStringList Hints(QWidget& window) {
    QStringList hints;
    for (QAction* action : window.findChild<QToolBar*>(QStringLiteral("ToolBar"))->actions())
        if (!action->isSeparator()) hints << action->toolTip();
    return hints;
}

QAction* Tool(QWidget& window, const QString& hint) {
    for (QAction* action : window.findChild<QToolBar*>(QStringLiteral("ToolBar"))->actions())
        if (action->toolTip() == hint) return action;
    return nullptr;
}

const std::map<QString, ProgramWindow> kOpeners = {
    {"Perform Search", ProgramWindow::Search},         {"Generate Album View", ProgramWindow::Album},
    {"Generate Graph", ProgramWindow::Graph},          {"Generate Spreadsheet", ProgramWindow::Spreadsheet},
    {"Display Main Window", ProgramWindow::Main},      {"Display Calculator", ProgramWindow::Calculator},
    {"Display Calendar", ProgramWindow::Calendar},     {"Display CD Player", ProgramWindow::CdPlayer},
};

TEST(ProgramWindowsTest, FileMenuExportsEveryRecordThroughTheCoordinator) {
    testing::TempFolder folder;
    AppPaths paths{folder.file("Vorlane.ini"), {folder.file("user"), VORLANE_SOURCE_DIR "/data"}};
    testing::ScriptedDialogs dialogs;
    DatabaseSession session(dialogs, paths.data);
    session.records().resize(2);
    session.records()[1].Name = "Ch\xE2teau";
    ProgramWindows windows(session, dialogs, paths);
    QAction* import = windows.main().action(QStringLiteral("Import from Another Program\u2026"));
    QAction* exportAll = windows.main().action(QStringLiteral("Export All Records\u2026"));
    ASSERT_TRUE(import && exportAll);
    EXPECT_TRUE(import->isEnabled());
    EXPECT_TRUE(exportAll->isEnabled());
    const std::string csv = folder.file("all.csv");
    dialogs.Choose(csv);
    exportAll->trigger();
    std::ifstream in(csv, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), {});
    EXPECT_TRUE(bytes.starts_with("\xEF\xBB\xBFName,Winery,"));
    EXPECT_NE(bytes.find("\r\nCh\xC3\xA2teau,"), std::string::npos);
}

TEST(ProgramWindowsTest, ToolbarsListTheirButtonsInOrderAndEnableWhatCanOpen) {
    testing::TempFolder folder;
    AppPaths paths{folder.file("Vorlane.ini"), {folder.file("user"), VORLANE_SOURCE_DIR "/data"}};
    testing::ScriptedDialogs dialogs;
    DatabaseSession session(dialogs, paths.data);
    ProgramWindows windows(session, dialogs, paths);

    const QStringList shared = {"Perform Search", "Generate Album View", "Generate Graph", "Generate Spreadsheet",
                                "Generate Report"};
    const QStringList utilities = {"Display Calculator", "Display Calendar", "Display CD Player", "Save Database",
                                   "Display Help"};
    EXPECT_EQ(Hints(windows.main()),
              QStringList({"Previous Record in Database", "Next Record in Database", "Previous Record On Search List",
                           "Next Record on Search List", "Add New Record", "Copy Record", "Delete Record",
                           "Insert Record", "Sort Records", "Display Related Records", "Print a screenshot"}) +
                  shared + utilities + QStringList{"Exit the Program"});
    EXPECT_EQ(Hints(windows.search()),
              QStringList({"Load Search From Disk", "Save Search To Disk", "Save search list records to new file.",
                           "Print a screenshot"}) +
                  shared + QStringList{"Display Main Window"} + utilities + QStringList{"Close Search Window"});

    const std::pair<QWidget*, ProgramWindow> owners[] = {{&windows.main(), ProgramWindow::Main},
                                                         {&windows.search(), ProgramWindow::Search}};
    for (const auto& [window, self] : owners) {
        for (const auto& [hint, target] : kOpeners) {
            QAction* tool = Tool(*window, hint);
            if (!tool) continue;  // the main window has no button for itself
            EXPECT_EQ(tool->isEnabled(), target != self && windows.canOpen(target)) << hint.toStdString();
        }
        EXPECT_EQ(Tool(*window, "Generate Report")->isEnabled(), windows.canOpenAnyReport());
    }
    for (QAction* entry : windows.reportMenu()->actions()) {
        const ProgramWindow target = entry->text() == "Generate HTML Report"      ? ProgramWindow::HtmlReport
                                     : entry->text() == "Generate Regular Report" ? ProgramWindow::RegularReport
                                                                                  : ProgramWindow::ShoppingList;
        EXPECT_EQ(entry->isEnabled(), windows.canOpen(target)) << entry->text().toStdString();
    }
}

TEST(ProgramWindowsTest, OpeningAMinimisedWindowBringsItBack) {
    testing::TempFolder folder;
    AppPaths paths{folder.file("Vorlane.ini"), {folder.file("user"), VORLANE_SOURCE_DIR "/data"}};
    testing::ScriptedDialogs dialogs;
    DatabaseSession session(dialogs, paths.data);
    ProgramWindows windows(session, dialogs, paths);
    for (ProgramWindow target : {ProgramWindow::Main, ProgramWindow::Graph, ProgramWindow::Album,
                                 ProgramWindow::HtmlReport, ProgramWindow::ShoppingList, ProgramWindow::CdPlayer,
                                 ProgramWindow::Search, ProgramWindow::Spreadsheet}) {
        windows.open(target);
        QWidget* window = target == ProgramWindow::Main          ? &windows.main()
                          : target == ProgramWindow::Search      ? static_cast<QWidget*>(&windows.search())
                          : target == ProgramWindow::Spreadsheet ? static_cast<QWidget*>(&windows.spreadsheet())
                                                                 : windows.openWindow(target);
        ASSERT_NE(window, nullptr) << static_cast<int>(target);
        window->showMinimized();
        ASSERT_TRUE(window->isMinimized());
        windows.open(target);
        EXPECT_FALSE(window->isMinimized()) << static_cast<int>(target);
        EXPECT_TRUE(window->isVisible());
    }
}

TEST(ProgramWindowsTest, SaveButtonsFollowTheMainWindowWhileOpen) {
    testing::TempFolder folder;
    AppPaths paths{folder.file("Vorlane.ini"), {folder.file("user"), VORLANE_SOURCE_DIR "/data"}};
    testing::ScriptedDialogs dialogs;
    DatabaseSession session(dialogs, paths.data);
    ProgramWindows windows(session, dialogs, paths);
    session.RunStartup("");
    ASSERT_FALSE(session.saveEnabled());  // an untitled database
    for (ProgramWindow target : {ProgramWindow::Graph, ProgramWindow::Album, ProgramWindow::ShoppingList})
        windows.open(target);

    auto saveStates = [&] {
        std::vector<bool> states;
        for (ProgramWindow target : {ProgramWindow::Graph, ProgramWindow::Album, ProgramWindow::ShoppingList})
            states.push_back(Tool(*windows.openWindow(target), "Save Database")->isEnabled());
        return states;
    };
    EXPECT_EQ(saveStates(), (std::vector<bool>{false, false, false}));
    const std::string copy = folder.file("cellar.dat");
    std::filesystem::copy_file(VORLANE_SOURCE_DIR "/data/sample/cellar.dat", copy);
    session.OpenDatabaseFile(copy);
    ASSERT_TRUE(session.saveEnabled());
    EXPECT_EQ(saveStates(), (std::vector<bool>{true, true, true}));

    // Saving an untitled database asks for a name rather than doing nothing.
    dialogs.No();
    session.NewCommand();
    EXPECT_EQ(saveStates(), (std::vector<bool>{false, false, false}));
    dialogs.clearShown();
    dialogs.ChooseNothing();
    session.QuickSave();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, testing::Shown::SaveFile);
}

// A window beyond the shared toolbar: reached from the main window's menu,
// made on first use and kept while open.
TEST(ProgramWindowsTest, TheDrinkingWindowOpensFromTheMenuOnceAndIsKept) {
    testing::TempFolder folder;
    AppPaths paths{folder.file("Vorlane.ini"), {folder.file("user"), VORLANE_SOURCE_DIR "/data"}};
    testing::ScriptedDialogs dialogs;
    DatabaseSession session(dialogs, paths.data);
    ProgramWindows windows(session, dialogs, paths);
    EXPECT_EQ(windows.openWindow(ProgramWindow::DrinkingWindow), nullptr);
    QAction* entry = nullptr;
    for (QAction* action : windows.main().findChildren<QAction*>())
        if (action->text() == "Drinking Window") entry = action;
    ASSERT_NE(entry, nullptr);
    entry->trigger();
    QWidget* made = windows.openWindow(ProgramWindow::DrinkingWindow);
    ASSERT_NE(made, nullptr);
    EXPECT_EQ(made->windowTitle(), "Drinking Window");
    windows.open(ProgramWindow::DrinkingWindow);
    EXPECT_EQ(windows.openWindow(ProgramWindow::DrinkingWindow), made);
}

TEST(ProgramWindowsTest, TheHtmlReportsRegularReportEntryReportsAllRecordsInAnOpenWindowToo) {
    testing::TempFolder folder;
    AppPaths paths{folder.file("Vorlane.ini"), {folder.file("user"), VORLANE_SOURCE_DIR "/data"}};
    testing::ScriptedDialogs dialogs;
    DatabaseSession session(dialogs, paths.data);
    ProgramWindows windows(session, dialogs, paths);
    windows.open(ProgramWindow::RegularReport);
    auto* box = qobject_cast<RegularReportWindow*>(windows.openWindow(ProgramWindow::RegularReport));
    ASSERT_NE(box, nullptr);
    box->toggleMode();
    ASSERT_EQ(box->windowTitle(), QStringLiteral("Report (Searched Records)"));
    windows.open(ProgramWindow::HtmlReport);
    QWidget* html = windows.openWindow(ProgramWindow::HtmlReport);
    ASSERT_NE(html, nullptr);
    html->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(html));
    windows.popUpReportMenu();
    for (QAction* entry : windows.reportMenu()->actions())
        if (entry->text() == QStringLiteral("Generate Regular Report")) entry->trigger();
    windows.reportMenu()->hide();
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Report (All Records)"));
    EXPECT_FALSE(box->box().settings.searchedRecordsOnly);
}

}  // namespace
}  // namespace vorlane
