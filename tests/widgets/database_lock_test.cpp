#include <gtest/gtest.h>

#include <QString>
#include <QSysInfo>

#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

#include "storage/database_file.h"
#include "storage/database_session.h"
#include "support/file_bytes.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"
#include "widgets/qt_file_locks.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::Shown;
using vorlane::testing::Slurp;
using vorlane::testing::TempFolder;

namespace {

// One copy of the program: its own questions, its own session, one lock
// mechanism for all, as separate programs would have.
struct Copy {
    explicit Copy(const TempFolder& data, FileLocks& locks) : session(dialogs, DataFolders{"", data.path().string()}) {
        session.SetFileLocks(&locks);
        session.RunStartup("");
        dialogs.clearShown();
    }
    ScriptedDialogs dialogs;
    DatabaseSession session;
};

class DatabaseLockTest : public ::testing::Test {
protected:
    DatabaseLockTest() {
        for (int n = 1; n <= 10; ++n) std::ofstream(data.file("description" + std::to_string(n) + ".def"));
        Database db;
        db.records.resize(3);
        EXPECT_TRUE(SaveDatabaseFile(db, cellar).ok);
    }
    TempFolder data;
    TempFolder files;
    const std::string cellar = files.file("cellar.dat");
    QtFileLocks locks;
};

}  // namespace

TEST_F(DatabaseLockTest, ASecondCopyIsToldWhoHoldsTheFileAndMayOnlyReadIt) {
    auto first = std::make_unique<Copy>(data, locks);
    first->session.OpenDatabaseFile(cellar);
    EXPECT_EQ(first->dialogs.messages(), std::vector<std::string>{cellar + " opened."});

    Copy second(data, locks);
    const std::string question = cellar + " is open in ui_tests (process " + std::to_string(::getpid()) + " on " +
                                 QSysInfo::machineHostName().toStdString() +
                                 ").  Saving it here would overwrite the changes saved there.  Open it read-only "
                                 "(it can still be saved under another name), or do not open it ?";
    second.dialogs.Pick(1);  // do not open
    second.session.OpenDatabaseFile(cellar);
    EXPECT_EQ(second.dialogs.shown(), (std::vector<vorlane::testing::ShownText>{{Shown::Choice, question}}));
    EXPECT_EQ(second.session.fileName(), "");

    second.dialogs.clearShown();
    second.dialogs.Pick(0);  // read-only
    second.session.OpenDatabaseFile(cellar);
    EXPECT_EQ(second.session.fileName(), cellar);
    EXPECT_TRUE(second.session.readOnly());
    EXPECT_FALSE(second.session.saveEnabled());
    const std::string before = Slurp(cellar);
    second.session.records()[0].Name = "changed in the second copy";
    second.dialogs.clearShown();
    EXPECT_FALSE(second.session.SaveCommand());
    EXPECT_EQ(second.dialogs.messages(),
              std::vector<std::string>{cellar +
                                       " was opened read-only because another program has it open.  Use Save As to "
                                       "save this database under another name."});
    EXPECT_EQ(Slurp(cellar), before);

    // Save As to the held file is refused; to another name it writes and takes that file's lock.
    const std::string copy = files.file("copy.dat");
    second.dialogs.Choose(cellar);
    second.dialogs.Yes();
    second.dialogs.Choose(copy);
    EXPECT_TRUE(second.session.SaveAsCommand());
    EXPECT_TRUE(second.dialogs.scriptUsedUp());
    EXPECT_EQ(Slurp(cellar), before);
    EXPECT_FALSE(second.session.readOnly());
    EXPECT_TRUE(second.session.saveEnabled());
    first->dialogs.Pick(1);
    first->session.OpenDatabaseFile(copy);
    EXPECT_EQ(first->dialogs.shown().back().kind, Shown::Choice);

    // The first copy ends: the file is free again.
    first.reset();
    Copy third(data, locks);
    third.session.OpenDatabaseFile(cellar);
    EXPECT_EQ(third.dialogs.messages(), std::vector<std::string>{cellar + " opened."});
}

TEST_F(DatabaseLockTest, ALockLeftByAProgramThatIsGoneIsTakenOver) {
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) ::_exit(0);
    ASSERT_EQ(::waitpid(child, nullptr, 0), child);
    std::ofstream(cellar + ".lock") << child << "\nui_tests\n" << QSysInfo::machineHostName().toStdString() << "\n";

    Copy copy(data, locks);
    copy.session.OpenDatabaseFile(cellar);
    EXPECT_EQ(copy.dialogs.messages(), std::vector<std::string>{cellar + " opened."});
}
