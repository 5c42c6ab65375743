// The File menu through the main window: open with passwords, save, save
// as, merge, and the question at exit.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QTimer>
#include <filesystem>
#include <fstream>

#include "editor/ui/main_window_fixture.h"
#include "search/ui/search_window.h"
#include "storage/scramble.h"
#include "editor/ui/password_dialog.h"
#include "storage/settings_store.h"
#include "support/test_cellars.h"

namespace vorlane::testing {
namespace {

const std::string kOpenQuestion = "Changes made since last save will be lost. Open new file anyway ?";
const std::string kReadPrompt = "Enter Read Password|Please Enter Read Password";
const std::string kSavePrompt = "Enter Save Password|Please Enter Save Password";
const std::string kWrongRead = "You have entered an incorrect password.  A new database will be created.";
const std::string kWrongSave =
    "You have entered an incorrect save password.  You will be able to view the database, but you will not be "
    "able to save it.";
const std::string kNoPermission = "Sorry, you do not have permission to save this file.";
const std::string kExitQuestion = "Changes made since last save will be lost. Would you like to save before exiting ?";

class DatabaseCommandsTest : public ViewTest {
protected:
    std::string lockedCellar() {
        std::string path = folder.file("locked.dat");
        WriteCellar(path, CellarOf({"Margaux", "Pomerol"}), "r3d", "s4v");
        return path;
    }
    // The answers to "Open" up to the chosen file; the password answers follow.
    void scriptOpen(const std::string& path) {
        dialogs.Yes();
        dialogs.Choose(path);
    }
};

TEST_F(DatabaseCommandsTest, OpenWithBothRightPasswordsShowsTheFirstRecordAndAllowsSaving) {
    std::string path = lockedCellar();
    StartEmpty();
    scriptOpen(path);
    dialogs.Type("r3d");
    dialogs.Type("s4v");
    trigger("Open");
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{kOpenQuestion, "Open File", kReadPrompt, kSavePrompt, path + " opened."}));
    EXPECT_EQ(dialogs.promptsHidden, (std::vector<bool>{true, true}));
    EXPECT_EQ(text("RecordName"), "Margaux");
    EXPECT_EQ(view().windowTitle().toStdString(), path);
    EXPECT_TRUE(view().action("Save")->isEnabled());
    EXPECT_TRUE(view().action("Save Database")->isEnabled());
    EXPECT_TRUE(view().action("Merge")->isEnabled());
    EXPECT_TRUE(dialogs.scriptUsedUp());
}

TEST_F(DatabaseCommandsTest, WrongReadPasswordStillAsksForTheSavePasswordThenFallsBackToANewDatabase) {
    std::string path = lockedCellar();
    StartEmpty();
    scriptOpen(path);
    dialogs.Type("R3D");
    dialogs.Type("s4v");
    trigger("Open");
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{kOpenQuestion, "Open File", kReadPrompt, kSavePrompt, kWrongRead}));
    EXPECT_EQ(dialogs.shown().back().kind, Shown::Error);
    ASSERT_EQ(session->records().size(), 1u);
    EXPECT_EQ(text("RecordName"), "Untitled 1");
    EXPECT_EQ(view().windowTitle(), "Untitled");
    EXPECT_FALSE(view().action("Save")->isEnabled());
    EXPECT_TRUE(session->db().readPassword.empty());
}

TEST_F(DatabaseCommandsTest, CancelledSavePromptOpensReadOnlyForSavingUntilTheNextNew) {
    std::string path = lockedCellar();
    StartEmpty();
    scriptOpen(path);
    dialogs.Type("r3d");
    dialogs.CancelPrompt();
    trigger("Open");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{kOpenQuestion, "Open File", kReadPrompt, kSavePrompt,
                                                             kWrongSave, path + " opened."}));
    EXPECT_EQ(text("RecordName"), "Margaux");

    dialogs.clearShown();
    trigger("Save");
    trigger("Save As");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{kNoPermission, kNoPermission}));

    dialogs.clearShown();
    dialogs.No();
    trigger("New");
    std::string copy = folder.file("copy.dat");
    dialogs.Choose(copy);
    trigger("Save As");
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Would you like to save the current database before you create a new one ?",
                                        "Save As", "File Saved as " + copy}));
    EXPECT_TRUE(std::filesystem::exists(copy));
}

TEST_F(DatabaseCommandsTest, SaveAsAddsTheExtensionWhenTheFileNameHasNoPoint) {
    StartEmpty();
    std::filesystem::create_directories(folder.file("plain"));
    std::filesystem::create_directories(folder.file("with.point"));
    std::string plain = folder.file("plain") + "/cellar";
    std::string dotted = folder.file("with.point") + "/cellar";
    // The temporary folder's own name must not carry a point for this test.
    ASSERT_EQ(plain.find('.'), std::string::npos) << plain;

    dialogs.Choose(plain);
    trigger("Save As");
    EXPECT_EQ(dialogs.messages().back(), "File Saved as " + plain + ".dat");
    EXPECT_TRUE(std::filesystem::exists(plain + ".dat"));
    EXPECT_EQ(view().windowTitle().toStdString(), plain + ".dat");
    EXPECT_TRUE(view().action("Save")->isEnabled());

    dialogs.Choose(dotted);  // a point in a folder's name does not count
    trigger("Save As");
    EXPECT_EQ(dialogs.messages().back(), "File Saved as " + dotted + ".dat");
    EXPECT_EQ(ReadCellar(dotted + ".dat").records[0].Name, "Untitled 1");
}

TEST_F(DatabaseCommandsTest, OverwriteIsRefusedThenAccepted) {
    std::string path = folder.file("taken.dat");
    WriteCellar(path, CellarOf({"Old contents"}));
    StartEmpty();
    type("RecordName", "!");
    dialogs.Choose(path);
    dialogs.No();
    dialogs.Choose(path);
    dialogs.Yes();
    trigger("Save As");
    std::string question = path + " already exists.  Do you want to overwrite it ?";
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Save As", question, "Save As", question, "File Saved as " + path}));
    EXPECT_EQ(ReadCellar(path).records[0].Name, "Untitled 1!");
}

TEST_F(DatabaseCommandsTest, SaveWritesTheEditsOnScreen) {
    std::string path = folder.file("cellar.dat");
    WriteCellar(path, CellarOf({"Barolo", "Chablis"}));
    StartWith(path);
    type("RecordName", " Riserva");
    type("Detail0", "Conterno");
    dialogs.clearShown();
    trigger("Save");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"File Saved"}));
    Database saved = ReadCellar(path);
    EXPECT_EQ(saved.records[0].Name, "Barolo Riserva");
    EXPECT_EQ(saved.records[0].Details[0], "Conterno");
    EXPECT_EQ(text("RecordName"), "Barolo Riserva");
}

TEST_F(DatabaseCommandsTest, MergeAppendsACompatibleFileAndRefusesAnIncompatibleOne) {
    std::string mine = folder.file("mine.dat");
    std::string theirs = folder.file("theirs.dat");
    std::string other = folder.file("other.dat");
    WriteCellar(mine, CellarOf({"A1", "A2"}));
    WriteCellar(theirs, CellarOf({"B1"}));
    Database relabelled = CellarOf({"C1"});
    relabelled.labels[0] = "Estate";
    WriteCellar(other, relabelled);
    StartWith(mine);
    trigger("Next Record in Database");
    dialogs.clearShown();

    dialogs.Choose(theirs);
    trigger("Merge");
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Merge with File", "Merge Sucessful !"}));
    EXPECT_EQ(names(), (std::vector<std::string>{"A1", "A2", "B1"}));
    EXPECT_EQ(session->fileName(), mine);
    EXPECT_EQ(text("RecordName"), "A2");

    dialogs.clearShown();
    dialogs.Choose(other);
    trigger("Merge");
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Merge with File", "Sorry, the files could not be merged because they are "
                                                           "incompatible or they use different passowrds."}));
    EXPECT_EQ(names(), (std::vector<std::string>{"A1", "A2", "B1"}));

    dialogs.clearShown();
    dialogs.ChooseNothing();
    trigger("Merge");
    EXPECT_EQ(names().size(), 3u);
    EXPECT_EQ(session->fileName(), mine);
}

TEST_F(DatabaseCommandsTest, ExitCancelKeepsTheWindowThenNoExitsWithoutSavingAndWritesTheSettings) {
    std::string path = folder.file("cellar.dat");
    WriteCellar(path, CellarOf({"Barolo"}));
    for (const char* page : {"RPHTML.HTM", "go.htm", "Shtml.htm", "keep.htm"})
        std::ofstream(paths.data.user + "/" + page) << "x";
    StartWith(path);
    view().resize(800, 600);
    type("RecordName", " changed");
    dialogs.clearShown();

    dialogs.Cancel();
    EXPECT_FALSE(view().close());
    EXPECT_TRUE(view().isVisible());
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{kExitQuestion}));

    dialogs.No();
    EXPECT_TRUE(view().close());
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{kExitQuestion, kExitQuestion}));
    EXPECT_EQ(ReadCellar(path).records[0].Name, "Barolo");

    SettingsStore settings(paths.settingsFile);
    EXPECT_EQ(settings.ReadText("SETTINGS", "LAST FILE", ""), path);
    EXPECT_EQ(settings.ReadInteger("SETTINGS", "ViewW:", 0), 800);
    EXPECT_EQ(settings.ReadInteger("SETTINGS", "ViewH:", 0), 600);
    EXPECT_EQ(settings.ReadInteger("SETTINGS", "SPREADSHEET:0", 0), 220);
    EXPECT_EQ(settings.ReadInteger("SETTINGS", "SPREADSHEET SIZE:50", 0), 136);
    EXPECT_FALSE(settings.ReadBool("SETTINGS", "DESCSTATE", true));
    for (const char* gone : {"RPHTML.HTM", "go.htm", "Shtml.htm"})
        EXPECT_FALSE(std::filesystem::exists(paths.data.user + "/" + gone)) << gone;
    EXPECT_TRUE(std::filesystem::exists(paths.data.user + "/keep.htm"));
}

TEST_F(DatabaseCommandsTest, ExitWithYesOnANewDatabaseSavesAsAndStoresItsName) {
    StartEmpty();
    std::string path = folder.file("fresh.dat");
    dialogs.Yes();
    dialogs.Choose(path);
    EXPECT_TRUE(view().close());
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{kExitQuestion, "Save As", "File Saved as " + path}));
    EXPECT_EQ(ReadCellar(path).records.size(), 1u);
    EXPECT_EQ(SettingsStore(paths.settingsFile).ReadText("SETTINGS", "LAST FILE", "?"), path);
}

TEST_F(DatabaseCommandsTest, ExitOfANeverSavedDatabaseStoresAnEmptyLastFile) {
    WriteSettings("[SETTINGS]\nLAST FILE=\n");
    StartEmpty();
    dialogs.No();
    EXPECT_TRUE(view().close());
    EXPECT_EQ(SettingsStore(paths.settingsFile).ReadText("SETTINGS", "LAST FILE", "?"), "");
}

TEST_F(DatabaseCommandsTest, ExitWithoutSavePermissionAsksNothing) {
    std::string path = lockedCellar();
    StartEmpty();
    scriptOpen(path);
    dialogs.Type("r3d");
    dialogs.Type("wrong");
    trigger("Open");
    dialogs.clearShown();
    EXPECT_TRUE(view().close());
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST_F(DatabaseCommandsTest, ASaveFromAnotherWindowSeesTheEditsOnceTheMainWindowLostTheFocus) {
    std::string path = folder.file("cellar.dat");
    WriteCellar(path, CellarOf({"Barolo", "Chablis"}));
    StartWith(path);
    type("RecordName", " 2016");
    type("Detail8", "55");
    EXPECT_EQ(record(0).Name, "Barolo");
    Deactivate();
    EXPECT_EQ(record(0).Name, "Barolo 2016");
    dialogs.clearShown();
    session->QuickSave();
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"File Saved"}));
    Database saved = ReadCellar(path);
    EXPECT_EQ(saved.records[0].Name, "Barolo 2016");
    EXPECT_EQ(saved.records[0].Details[8], "055");
}

TEST_F(DatabaseCommandsTest, PasswordsSetInTheDialogGuardTheSavedFile) {
    StartEmpty();
    std::string path = folder.file("guarded.dat");
    auto* timer = new QTimer(&view());
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer] {
        if (auto* dialog = qobject_cast<PasswordDialog*>(QApplication::activeModalWidget())) {
            timer->stop();
            for (int i = 0; i < 4; ++i) dialog->field(i)->setText(i < 2 ? QStringLiteral("Ros\u00e9") : QStringLiteral("vin"));
            dialog->accept();
        }
    });
    timer->start();
    trigger("Set Database Password");
    EXPECT_EQ(session->db().savePassword, Scramble("vin"));
    dialogs.Choose(path);
    trigger("Save As");
    Database saved = ReadCellar(path);
    EXPECT_EQ(Unscramble(saved.readPassword), "Ros\xE9");

    dialogs.clearShown();
    scriptOpen(path);
    dialogs.Type("Ros\xE9");
    dialogs.Type("vin");
    trigger("Open");
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{kOpenQuestion, "Open File", kReadPrompt, kSavePrompt, path + " opened."}));
}

TEST_F(DatabaseCommandsTest, ResetApplicationRestoresTheWindowSize) {
    StartEmpty();
    view().resize(1000, 760);
    windows().search().resize(900, 700);
    view().viewSettings().widths.fill(50);
    dialogs.Yes();
    trigger("Reset Application");
    EXPECT_EQ(dialogs.messages().back(), "Original application settings have been restored.");
    EXPECT_EQ(view().size(), QSize(634, 482));
    EXPECT_EQ(windows().search().size(), QSize(581, 454));
    EXPECT_EQ(view().viewSettings().widths[7], 136);
    EXPECT_EQ(SettingsStore(paths.settingsFile).ReadInteger("SETTINGS", "GraphW:", 0), 611);
}

}  // namespace
}  // namespace vorlane::testing
