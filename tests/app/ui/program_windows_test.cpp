// Every window's toolbar comes from the one builder: the hints in their
// order, and a button enabled exactly when its window can be opened.

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <QToolBar>
#include <map>

#include "app/ui/program_windows.h"
#include "editor/ui/main_window.h"
#include "reports/ui/regular_report_window.h"
#include "search/ui/search_window.h"
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
