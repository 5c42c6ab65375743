#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "storage/database_file.h"
#include "storage/database_session.h"
#include "storage/scramble.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "support/file_bytes.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::Shown;
using vorlane::testing::Slurp;
using vorlane::testing::TempFolder;

namespace {

const std::string kNoPermission = "Sorry, you do not have permission to save this file.";

// Stands in for the main window: counts write-backs and shows.
struct FakeScreen : RecordScreen {
    DatabaseSession* session = nullptr;
    std::string pendingName;  // an edit typed on screen
    int shows = 0;
    void WriteBack() override {
        if (!pendingName.empty()) session->records()[static_cast<std::size_t>(session->currentIndex)].Name = pendingName;
    }
    void ShowCurrent() override { ++shows; }
};

class SessionTest : public ::testing::Test {
protected:
    SessionTest() {
        std::ofstream(data.file("description1.def"), std::ios::binary) << "France\r\n\tBordeaux\r\n";
        for (int n = 2; n <= 10; ++n) std::ofstream(data.file("description" + std::to_string(n) + ".def"));
        session = std::make_unique<DatabaseSession>(dialogs, DataFolders{"", data.path().string()},
                                                    [] { return std::string("2026/12/08"); });
        screen.session = session.get();
        session->SetScreen(&screen);
    }

    std::string writeCellar(const std::string& name, const std::string& readPw, const std::string& savePw,
                            int records = 3) {
        Database db;
        db.readPassword = Scramble(readPw);
        db.savePassword = Scramble(savePw);
        for (int i = 0; i < records; ++i) {
            db.records.push_back(ItemRecord{});
            db.records.back().Name = name + " wine " + std::to_string(i);
        }
        std::string path = files.file(name + ".dat");
        EXPECT_TRUE(SaveDatabaseFile(db, path).ok);
        return path;
    }

    TempFolder data;
    TempFolder files;
    ScriptedDialogs dialogs;
    FakeScreen screen;
    std::unique_ptr<DatabaseSession> session;
};

}  // namespace

TEST_F(SessionTest, StartsWithDefaultsAndOneUntitledRecord) {
    EXPECT_EQ(session->db().valueTrees[0], "France\r\n\tBordeaux\r\n");
    session->RunStartup("");
    EXPECT_TRUE(dialogs.shown().empty());
    ASSERT_EQ(session->records().size(), 1u);
    EXPECT_EQ(session->records()[0].Name, "Untitled 1");
    EXPECT_EQ(session->records()[0].Details[2], "2026/12/08");
    EXPECT_EQ(session->currentIndex, 0);
    EXPECT_FALSE(session->saveEnabled());
    EXPECT_EQ(session->Caption(), "Untitled");
    EXPECT_TRUE(session->recordListChanged);
}

TEST_F(SessionTest, MissingDefaultTreeIsReportedAndLeftEmpty) {
    std::filesystem::remove(data.file("description4.def"));
    session->ResetToDefaults();
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Shown::Error);
    EXPECT_NE(dialogs.shown()[0].text.find("description4.def"), std::string::npos);
    EXPECT_EQ(session->db().valueTrees[3], "");
    EXPECT_EQ(session->db().valueTrees[0], "France\r\n\tBordeaux\r\n");
}

TEST_F(SessionTest, StartupOffersTheLastFile) {
    std::string path = writeCellar("last", "", "");
    dialogs.Yes();
    session->RunStartup(path);
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Would you like to open the file " + path + " ?",
                                                            path + " opened."}));
    EXPECT_EQ(session->records().size(), 3u);
    EXPECT_TRUE(session->saveEnabled());
    EXPECT_EQ(session->Caption(), path);
}

TEST_F(SessionTest, StartupWithAMissingLastFileEndsSilentlyWithANewDatabase) {
    dialogs.Yes();
    session->RunStartup(files.file("gone.dat"));
    EXPECT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(session->records().size(), 1u);
    EXPECT_EQ(session->fileName(), "");
    EXPECT_FALSE(session->saveEnabled());
}

TEST_F(SessionTest, RightPasswordsOpenWithSavePermission) {
    session->RunStartup("");
    std::string path = writeCellar("locked", "red", "save");
    dialogs.Yes();
    dialogs.Choose(path);
    dialogs.Type("red");
    dialogs.Type("save");
    session->OpenCommand();
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Changes made since last save will be lost. Open new file anyway ?", "Open File",
                                        "Enter Read Password|Please Enter Read Password",
                                        "Enter Save Password|Please Enter Save Password", path + " opened."}));
    EXPECT_EQ(dialogs.promptsHidden, (std::vector<bool>{true, true}));
    EXPECT_TRUE(session->savePermission());
    EXPECT_TRUE(session->mergeEnabled());
    EXPECT_EQ(session->records()[0].Name, "locked wine 0");
}

TEST_F(SessionTest, WrongReadPasswordStillAsksForTheSavePasswordThenStartsNew) {
    session->RunStartup("");
    std::string path = writeCellar("locked", "red", "save");
    dialogs.Yes();
    dialogs.Choose(path);
    dialogs.Type("RED");
    dialogs.Type("save");
    session->OpenCommand();
    auto shown = dialogs.messages();
    ASSERT_EQ(shown.size(), 5u);
    EXPECT_EQ(shown[3], "Enter Save Password|Please Enter Save Password");
    EXPECT_EQ(shown[4], "You have entered an incorrect password.  A new database will be created.");
    ASSERT_EQ(session->records().size(), 1u);
    EXPECT_EQ(session->records()[0].Name, "Untitled 1");
    EXPECT_EQ(session->db().readPassword, "");
    EXPECT_EQ(session->fileName(), "");
    EXPECT_TRUE(session->savePermission());
}

TEST_F(SessionTest, CancelledSavePromptOpensReadOnlyUntilNew) {
    session->RunStartup("");
    std::string path = writeCellar("guarded", "", "save");
    std::string before = Slurp(path);
    dialogs.Yes();
    dialogs.Choose(path);
    dialogs.CancelPrompt();
    session->OpenCommand();
    EXPECT_EQ(dialogs.shown()[3].text,
              "You have entered an incorrect save password.  You will be able to view the database, but you will "
              "not be able to save it.");
    EXPECT_EQ(session->records().size(), 3u);
    EXPECT_FALSE(session->savePermission());

    dialogs.clearShown();
    session->SaveCommand();
    session->SaveAsCommand();
    session->QuickSave();
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{kNoPermission, kNoPermission, kNoPermission}));
    EXPECT_EQ(Slurp(path), before);
    // Nothing may be saved, so exit does not ask.
    EXPECT_TRUE(session->ConfirmExit());

    dialogs.No();
    session->NewCommand();
    EXPECT_TRUE(session->savePermission());
}

TEST_F(SessionTest, AnInvalidFileFallsBackToANewDatabase) {
    session->RunStartup("");
    std::string path = files.file("junk.dat");
    std::ofstream(path, std::ios::binary) << "this is not a cellar";
    dialogs.Yes();
    dialogs.Choose(path);
    session->OpenCommand();
    EXPECT_EQ(dialogs.shown().back().text, path + " is not a valid Vorlane file.  A new database will be created.");
    EXPECT_EQ(dialogs.shown().back().kind, Shown::Error);
    EXPECT_EQ(session->records().size(), 1u);
    EXPECT_EQ(session->fileName(), "");
}

TEST_F(SessionTest, AnUnreadableFileKeepsTheOpenDatabase) {
    std::string path = writeCellar("kept", "", "");
    dialogs.Yes();
    session->RunStartup(path);
    dialogs.clearShown();
    dialogs.Yes();
    dialogs.Choose(files.file("missing.dat"));
    session->OpenCommand();
    EXPECT_EQ(dialogs.shown().back().kind, Shown::Error);
    EXPECT_EQ(session->fileName(), path);
    EXPECT_EQ(session->records().size(), 3u);
}

TEST_F(SessionTest, SaveWritesTheScreenEditsFirst) {
    std::string path = writeCellar("edit", "", "");
    dialogs.Yes();
    session->RunStartup(path);
    screen.pendingName = "Typed on screen";
    dialogs.clearShown();
    EXPECT_TRUE(session->SaveCommand());
    EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"File Saved"});
    Database back;
    ASSERT_EQ(DecodeDatabase(Slurp(path), path, back), ReadStatus::Loaded);
    EXPECT_EQ(back.records[0].Name, "Typed on screen");
}

TEST_F(SessionTest, SaveAsAppendsDatOnlyWhenTheFileNameHasNoPoint) {
    session->RunStartup("");
    std::string plain = files.file("cellar");
    dialogs.Choose(plain);
    EXPECT_TRUE(session->SaveAsCommand());
    EXPECT_TRUE(std::filesystem::exists(plain + ".dat"));
    EXPECT_EQ(dialogs.shown().back().text, "File Saved as " + plain + ".dat");
    EXPECT_EQ(session->fileName(), plain + ".dat");
    EXPECT_TRUE(session->saveEnabled());
    EXPECT_EQ(session->db().info[InfoDatabaseName], "cellar.dat");

    std::filesystem::create_directories(files.path() / "v1.2");
    std::string dotted = (files.path() / "v1.2" / "cellar").string();
    dialogs.Choose(dotted);
    EXPECT_TRUE(session->SaveAsCommand());
    EXPECT_TRUE(std::filesystem::exists(dotted + ".dat"));  // a point in a folder's name does not count
}

TEST_F(SessionTest, SaveAsAsksBeforeOverwriting) {
    session->RunStartup("");
    std::string path = writeCellar("existing", "", "");
    std::string before = Slurp(path);
    dialogs.Choose(path);
    dialogs.No();
    dialogs.ChooseNothing();
    EXPECT_FALSE(session->SaveAsCommand());
    EXPECT_EQ(dialogs.shown()[1].text, path + " already exists.  Do you want to overwrite it ?");
    EXPECT_EQ(Slurp(path), before);

    dialogs.Choose(path);
    dialogs.Yes();
    EXPECT_TRUE(session->SaveAsCommand());
    EXPECT_NE(Slurp(path), before);
}

TEST_F(SessionTest, AFailedSaveSaysWhyAndKeepsTheOldName) {
    session->RunStartup("");
    dialogs.Choose(files.file("no-such-folder/cellar.dat"));
    EXPECT_FALSE(session->SaveAsCommand());
    EXPECT_EQ(dialogs.shown().back().kind, Shown::Error);
    EXPECT_EQ(session->fileName(), "");
    EXPECT_FALSE(session->saveEnabled());
}

TEST_F(SessionTest, MergeAppendsCompatibleAndRefusesIncompatibleFiles) {
    std::string mine = writeCellar("mine", "", "", 2);
    dialogs.Yes();
    session->RunStartup(mine);
    std::string theirs = writeCellar("theirs", "", "", 3);
    dialogs.clearShown();
    dialogs.Choose(theirs);
    session->MergeCommand();
    EXPECT_EQ(dialogs.messages(), (std::vector<std::string>{"Merge with File", "Merge Sucessful !"}));
    ASSERT_EQ(session->records().size(), 5u);
    EXPECT_EQ(session->records()[4].Name, "theirs wine 2");
    EXPECT_EQ(session->fileName(), mine);

    std::string locked = writeCellar("locked", "pw", "");
    dialogs.clearShown();
    dialogs.Choose(locked);
    session->MergeCommand();
    EXPECT_EQ(dialogs.messages().back(),
              "Sorry, the files could not be merged because they are incompatible or they use different passowrds.");
    EXPECT_EQ(session->records().size(), 5u);

    dialogs.ChooseNothing();
    session->MergeCommand();
    EXPECT_EQ(session->records().size(), 5u);
    EXPECT_EQ(session->fileName(), mine);
}

TEST_F(SessionTest, ExitAsksUntilAnswered) {
    std::string path = writeCellar("exit", "", "");
    dialogs.Yes();
    session->RunStartup(path);
    dialogs.clearShown();
    dialogs.Cancel();
    EXPECT_FALSE(session->ConfirmExit());
    dialogs.No();
    EXPECT_TRUE(session->ConfirmExit());
    dialogs.Yes();
    EXPECT_TRUE(session->ConfirmExit());
    EXPECT_EQ(dialogs.messages().back(), "File Saved");
    EXPECT_EQ(dialogs.messages()[0],
              "Changes made since last save will be lost. Would you like to save before exiting ?");
}

TEST_F(SessionTest, ExitWithoutANameAsksAgainWhenSaveAsIsCancelled) {
    session->RunStartup("");
    dialogs.Yes();
    dialogs.ChooseNothing();
    dialogs.No();
    EXPECT_TRUE(session->ConfirmExit());
    EXPECT_EQ(dialogs.shown().size(), 3u);
    EXPECT_EQ(dialogs.shown()[2].kind, Shown::YesNoCancel);
}

TEST_F(SessionTest, NewAsksToSaveFirst) {
    std::string path = writeCellar("before-new", "", "");
    dialogs.Yes();
    session->RunStartup(path);
    dialogs.clearShown();
    dialogs.Cancel();
    session->NewCommand();
    EXPECT_EQ(session->records().size(), 3u);
    dialogs.Yes();
    session->NewCommand();
    EXPECT_EQ(dialogs.messages(),
              (std::vector<std::string>{"Would you like to save the current database before you create a new one ?",
                                        "Would you like to save the current database before you create a new one ?",
                                        "File Saved"}));
    EXPECT_EQ(session->records().size(), 1u);
    EXPECT_EQ(session->fileName(), "");
    EXPECT_FALSE(session->saveEnabled());
}

TEST_F(SessionTest, NewKeepsTheDatabaseWhenTheSaveItOfferedDidNotHappen) {
    struct Case {
        const char* what;
        bool named;  // opened from a file whose folder then disappears
    };
    for (const Case& c : {Case{"failed save", true}, Case{"cancelled save as", false}}) {
        SCOPED_TRACE(c.what);
        std::string path;
        if (c.named) {
            path = writeCellar("gone", "", "");
            dialogs.Yes();
            session->RunStartup(path);
            std::filesystem::remove_all(files.path());
        } else {
            session->RunStartup("");
            session->AppendNewRecord();
        }
        std::size_t count = session->records().size();
        dialogs.clearShown();
        dialogs.Yes();
        if (!c.named) dialogs.ChooseNothing();
        session->NewCommand();
        EXPECT_EQ(session->records().size(), count);
        EXPECT_EQ(session->fileName(), path);
        EXPECT_TRUE(dialogs.scriptUsedUp());
        if (c.named) {
            EXPECT_EQ(dialogs.shown().back().kind, Shown::Error);
        }
    }
}

TEST_F(SessionTest, ChoosersStartBesideTheDatabaseElseInTheLastFolderUsed) {
    session->RunStartup("");
    std::string path = writeCellar("here", "", "");
    dialogs.Yes();
    dialogs.Choose(path);
    session->OpenCommand();  // nothing chosen yet: the person's documents
    dialogs.ChooseNothing();
    session->SaveAsCommand();
    dialogs.No();
    session->NewCommand();
    dialogs.ChooseNothing();
    session->MergeCommand();  // no file name now: the folder last chosen
    EXPECT_EQ(dialogs.initialDirs, (std::vector<std::string>{"", files.path().string(), files.path().string()}));
}

TEST_F(SessionTest, AHugeFileThatIsNoDatabaseIsRefusedByItsStart) {
    // Reading it whole would have taken longer than the limit allows.
    const std::string path = files.file("zeros.dat");
    std::ofstream(path).close();
    std::filesystem::resize_file(path, kMaxDatabaseBytes + 4096);
    session->RunStartup("");
    dialogs.clearShown();
    session->OpenDatabaseFile(path);
    EXPECT_EQ(dialogs.messages(),
              std::vector<std::string>{path + " is not a valid Vorlane file.  A new database will be created."});
    EXPECT_EQ(session->records().size(), 1u);
}

TEST_F(SessionTest, SavingOverAFileChangedOnDiskAsksFirst) {
    const std::string question_suffix =
        " has been changed on disk since it was opened or last saved here.  Overwrite it with this database, save "
        "this database under another name, or cancel ?";
    struct Case {
        const char* what;
        std::size_t pick;
        std::size_t recordsOnDisk;
    };
    // 60 records opened here, 62 written there in the meantime.
    const Case cases[] = {{"overwrite", 0, 60}, {"save as", 1, 62}, {"cancel", 2, 62}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = writeCellar("cellar", "", "", 60);
        session->OpenDatabaseFile(path);
        writeCellar("cellar", "", "", 62);
        dialogs.clearShown();

        dialogs.Pick(c.pick);
        const std::string elsewhere = files.file(std::string("elsewhere-") + c.what + ".dat");
        if (c.pick == 1) dialogs.Choose(elsewhere);
        session->SaveCommand();
        EXPECT_TRUE(dialogs.scriptUsedUp());
        ASSERT_FALSE(dialogs.shown().empty());
        EXPECT_EQ(dialogs.shown()[0].kind, Shown::Choice);
        EXPECT_EQ(dialogs.shown()[0].text, path + question_suffix);
        Database onDisk;
        ASSERT_EQ(DecodeDatabase(Slurp(path), path, onDisk), ReadStatus::Loaded);
        EXPECT_EQ(onDisk.records.size(), c.recordsOnDisk);
        if (c.pick == 1) {
            EXPECT_EQ(session->fileName(), elsewhere);
        }

        // Once written (or looked at again after an overwrite), a save goes through without a question.
        if (c.pick != 2) {
            dialogs.clearShown();
            session->SaveCommand();
            EXPECT_EQ(dialogs.messages(), std::vector<std::string>{"File Saved"});
        }
    }
}
