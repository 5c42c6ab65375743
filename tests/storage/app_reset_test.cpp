#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "storage/app_reset.h"
#include "storage/settings_store.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::TempFolder;

namespace {

const char* const kQuestion =
    "This function will reset the application program to original installation settings.  Are you sure you want "
    "to continue ?";

ViewSettings Changed() {
    ViewSettings view;
    view.columns.fill(230);
    view.widths.fill(40);
    view.shortDescriptions = true;
    return view;
}

TEST(ResetApplicationTest, NoChangesNothing) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    dialogs.No();
    ViewSettings view = Changed();
    EXPECT_FALSE(ResetApplication(dialogs, folder.file("Vorlane.ini"), view));
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{kQuestion}));
    EXPECT_EQ(view.widths[0], 40);
    EXPECT_TRUE(view.shortDescriptions);
    EXPECT_FALSE(std::filesystem::exists(folder.file("Vorlane.ini")));
}

TEST(ResetApplicationTest, YesRestoresColumnsAndWritesTheInstallationSizes) {
    TempFolder folder;
    std::string ini = folder.file("Vorlane.ini");
    {
        SettingsStore store(ini);
        store.WriteInteger("SETTINGS", "AddDescW:", 500);
        store.WriteText("SETTINGS", "LAST FILE", "/x.dat");
        store.WriteInteger("SETTINGS", "SearchW:", 900);
        ASSERT_TRUE(store.Save().ok);
    }
    ScriptedDialogs dialogs;
    dialogs.Yes();
    ViewSettings view = Changed();
    EXPECT_TRUE(ResetApplication(dialogs, ini, view));
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{kQuestion, "Original application settings have been restored."}));
    EXPECT_EQ(view.columns, ResetSpreadsheetColumns());
    for (int width : view.widths) EXPECT_EQ(width, 136);
    EXPECT_FALSE(view.shortDescriptions);

    SettingsStore store(ini);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "ViewW:", 0), 634);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "ViewH:", 0), 482);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "SpreadsheetW:", 0), 640);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "SpreadsheetH:", 0), 475);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "SpreadsheetS:", 0), 174);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "SearchW:", 0), 581);
    EXPECT_EQ(store.ReadInteger("SETTINGS", "ReportH:", 0), 481);
    // Left alone: the tree editor's size and the last file.
    EXPECT_EQ(store.ReadInteger("SETTINGS", "AddDescW:", 0), 500);
    EXPECT_EQ(store.ReadText("SETTINGS", "LAST FILE", ""), "/x.dat");
}

TEST(DeleteTemporaryPagesTest, RemovesTheThreePagesWhateverTheirCaseAndNothingElse) {
    TempFolder folder;
    for (const char* name : {"rphtml.htm", "Go.Htm", "SHTML.HTM", "go.html", "header.htm", "notes.txt"})
        std::ofstream(folder.file(name)) << "x";
    std::filesystem::create_directory(folder.file("GO.HTM.d"));
    DeleteTemporaryPages(folder.path().string());
    for (const char* gone : {"rphtml.htm", "Go.Htm", "SHTML.HTM"})
        EXPECT_FALSE(std::filesystem::exists(folder.file(gone))) << gone;
    for (const char* kept : {"go.html", "header.htm", "notes.txt", "GO.HTM.d"})
        EXPECT_TRUE(std::filesystem::exists(folder.file(kept))) << kept;
}

TEST(DeleteTemporaryPagesTest, AMissingFolderIsNoError) {
    EXPECT_NO_THROW(DeleteTemporaryPages("/nonexistent/vorlane/folder"));
}

}  // namespace
