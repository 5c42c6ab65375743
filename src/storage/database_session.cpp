#include "storage/database_session.h"

#include <filesystem>

#include "storage/database_file.h"
#include "storage/file_lock.h"
#include "storage/file_choosers.h"
#include "storage/new_record.h"
#include "storage/safe_file.h"
#include "storage/scramble.h"
#include "storage/value_tree.h"

namespace vorlane {

namespace fs = std::filesystem;

std::string DataFolders::Find(const std::string& fileName) const {
    for (const std::string& dir : {user, shipped}) {
        if (dir.empty()) continue;
        std::error_code ec;
        fs::path candidate = fs::path(dir) / fileName;
        if (fs::is_regular_file(candidate, ec)) return candidate.string();
    }
    return {};
}

DatabaseSession::DatabaseSession(Dialogs& dialogs, DataFolders folders, std::function<std::string()> today)
    : dialogs_(dialogs), folders_(std::move(folders)), today_(today ? std::move(today) : TodayText) {
    ResetToDefaults();
}

void DatabaseSession::WriteBackCurrent() {
    if (screen_ && currentIndex >= 0 && currentIndex < static_cast<int>(db_.records.size())) screen_->WriteBack();
}

void DatabaseSession::ShowCurrentRecord() {
    if (screen_ && currentIndex >= 0 && currentIndex < static_cast<int>(db_.records.size())) screen_->ShowCurrent();
}

void DatabaseSession::stateChanged() {
    if (screen_) screen_->SessionStateChanged();
}

ItemRecord DatabaseSession::MakeRecord() const { return MakeNewRecord(db_.records, today_()); }

void DatabaseSession::AppendNewRecord() {
    db_.records.push_back(MakeRecord());
    currentIndex = static_cast<int>(db_.records.size()) - 1;
}

void DatabaseSession::ResetToDefaults() {
    db_.labels = DefaultLabels();
    for (int n = 1; n <= kDescriptionCount; ++n) {
        std::string& block = db_.valueTrees[static_cast<std::size_t>(n - 1)];
        block.clear();
        std::string fileName = "description" + std::to_string(n) + ".def";
        std::string path = folders_.Find(fileName);
        if (path.empty()) {
            dialogs_.Error("Cannot open file \"" + fileName + "\". No such file or directory.");
            continue;
        }
        std::string text;
        FileResult read = ReadWholeFile(path, text, 16u << 20);
        if (!read.ok) {
            dialogs_.Error(read.error);
            continue;
        }
        // Normalised through a tree so the block always has the program's own form.
        block = TreeToText(ParseTreeText(text));
    }
}

void DatabaseSession::startNewDatabase() {
    db_.records.clear();
    db_.records.push_back(MakeRecord());
    fileName_.clear();
    loaded_ = true;
    currentIndex = 0;
}

void DatabaseSession::RunStartup(const std::string& lastFile) {
    started_ = true;
    fileName_ = lastFile;
    if (!fileName_.empty()) {
        std::string name = fileName_;
        if (dialogs_.AskYesNo("Would you like to open the file " + name + " ?"))
            OpenDatabaseFile(name, true);
        else
            fileName_.clear();
    }
    if (loaded_) saveEnabled_ = !fileName_.empty() && !readOnly_;
    recordListChanged = true;
    currentIndex = -1;
    EnsureDatabase();
    stateChanged();
}

void DatabaseSession::EnsureDatabase() {
    if (loaded_ && !db_.records.empty()) {
        if (currentIndex < 0) currentIndex = 0;
        if (currentIndex >= static_cast<int>(db_.records.size())) currentIndex = static_cast<int>(db_.records.size()) - 1;
    } else {
        startNewDatabase();
    }
    ShowCurrentRecord();
}

void DatabaseSession::OpenCommand() {
    if (!dialogs_.AskYesNo("Changes made since last save will be lost. Open new file anyway ?")) return;
    auto chosen = dialogs_.ChooseFileToOpen("Open File", kDatabaseFilter, chooserFolder());
    if (chosen) rememberFolder(*chosen);
    if (!chosen || chosen->empty()) return;
    OpenDatabaseFile(*chosen);
}

void DatabaseSession::OpenDatabaseFile(const std::string& name, bool quietIfUnreadable) {
    // Read first: a file the system cannot open leaves the open database as it was.
    std::string bytes;
    FileResult read = ReadDatabaseBytes(name, bytes);
    if (!read.ok) {
        if (!quietIfUnreadable) dialogs_.Error(read.error);
        else fileName_.clear();
        return;
    }
    const FileStamp stamp = StampOf(name);

    std::unique_ptr<HeldLock> lock;
    LockHolder holder;
    bool openReadOnly = false;
    if (!takeLock(name, lock, holder)) {
        // Another program has it open; the person decides, nothing is lost either way.
        const std::size_t choice = dialogs_.AskChoice(
            name + " is open in " + DescribeHolder(holder) +
                ".  Saving it here would overwrite the changes saved there.  Open it read-only (it can still be "
                "saved under another name), or do not open it ?",
            {"Open Read-Only", "Do Not Open"});
        if (choice != 0) {
            if (quietIfUnreadable) fileName_.clear();
            return;
        }
        openReadOnly = true;
    }
    const std::string notValid = name + " is not a valid Vorlane file.  A new database will be created.";

    ResetToDefaults();
    std::string readPw, savePw;
    if (!DecodePasswords(bytes, readPw, savePw)) {
        loaded_ = false;
        dialogs_.Error(notValid);
        fallBackToNew();
        return;
    }
    std::string plainRead = Unscramble(readPw);
    bool readOk = true;
    if (!plainRead.empty())
        readOk = dialogs_.Prompt("Enter Read Password", "Please Enter Read Password", "", true) == plainRead;

    savePermission_ = false;
    std::string plainSave = Unscramble(savePw);
    if (!plainSave.empty())
        savePermission_ = dialogs_.Prompt("Enter Save Password", "Please Enter Save Password", "", true) == plainSave;
    else
        savePermission_ = true;
    if (!savePermission_)
        dialogs_.Error(
            "You have entered an incorrect save password.  You will be able to view the database, but you will "
            "not be able to save it.");
    if (!readOk) {
        dialogs_.Error("You have entered an incorrect password.  A new database will be created.");
        loaded_ = false;
        fallBackToNew();
        return;
    }

    Database loadedDb;
    if (DecodeDatabase(bytes, name, loadedDb) == ReadStatus::Loaded) {
        db_ = std::move(loadedDb);
        // A file without records still opens; a database always has one.
        if (db_.records.empty()) db_.records.push_back(MakeRecord());
        loaded_ = true;
        if (!holdsLockOf(name)) lock_ = std::move(lock);
        fileName_ = name;
        readOnly_ = openReadOnly;
        stamp_ = stamp;
        saveEnabled_ = !readOnly_;
        mergeEnabled_ = true;
        recordListChanged = true;
        currentIndex = 0;
        stateChanged();
        ShowCurrentRecord();
        dialogs_.Information(name + " opened.");
        return;
    }
    dialogs_.Error(notValid);
    fallBackToNew();
}

void DatabaseSession::fallBackToNew() {
    saveEnabled_ = false;
    fileName_.clear();
    lock_.reset();
    readOnly_ = false;
    stamp_ = FileStamp{};
    db_ = Database{};
    savePermission_ = true;
    loaded_ = false;
    currentIndex = -1;
    ResetToDefaults();
    EnsureDatabase();
    stateChanged();
}

void DatabaseSession::NewCommand() {
    Answer answer = dialogs_.AskYesNoCancel("Would you like to save the current database before you create a new one ?");
    if (answer == Answer::Cancel) return;
    // The person asked to keep the database: when it was not written, keep it open.
    if (answer == Answer::Yes && !(saveEnabled_ && !fileName_.empty() ? SaveCommand() : SaveAsCommand())) return;
    fallBackToNew();
}

// The database's own folder, else the last one chosen; empty lets the
// chooser start in the person's documents.
std::string DatabaseSession::chooserFolder() const {
    if (!fileName_.empty()) return fs::path(fileName_).parent_path().string();
    return lastFolder_;
}

void DatabaseSession::rememberFolder(const std::string& chosen) {
    if (!chosen.empty()) lastFolder_ = fs::path(chosen).parent_path().string();
}

bool DatabaseSession::writeTo(const std::string& path) {
    FileResult result = SaveDatabaseFile(db_, path);
    if (!result.ok) dialogs_.Error(result.error);
    return result.ok;
}

bool DatabaseSession::holdsLockOf(const std::string& path) const {
    std::error_code ec;
    return lock_ && !fileName_.empty() && fs::equivalent(path, fileName_, ec);
}

bool DatabaseSession::takeLock(const std::string& path, std::unique_ptr<HeldLock>& lock, LockHolder& holder) {
    if (!locks_ || holdsLockOf(path)) return true;
    // A lock that cannot be made at all (a read-only folder) guards nothing
    // and stops nothing.
    lock = locks_->TryLock(path, holder);
    return lock || holder.program.empty();
}

DatabaseSession::DiskCheck DatabaseSession::checkDiskUnchanged() {
    const FileStamp now = StampOf(fileName_);
    // A file that is gone loses nothing by being written again.
    if (!now.exists || now == stamp_) return DiskCheck::Write;
    switch (dialogs_.AskChoice(fileName_ +
                                   " has been changed on disk since it was opened or last saved here.  Overwrite "
                                   "it with this database, save this database under another name, or cancel ?",
                               {"Overwrite", "Save As", "Cancel"})) {
        case 0:
            return DiskCheck::Write;
        case 1:
            return DiskCheck::SaveElsewhere;
        default:
            return DiskCheck::Cancel;
    }
}

// Save and quick save: writes fileName_ in place, unless another program
// holds it or changed it.
bool DatabaseSession::writeInPlace() {
    if (readOnly_) {
        dialogs_.Information(fileName_ +
                             " was opened read-only because another program has it open.  Use Save As to save "
                             "this database under another name.");
        return false;
    }
    switch (checkDiskUnchanged()) {
        case DiskCheck::Cancel:
            return false;
        case DiskCheck::SaveElsewhere:
            return SaveAsCommand();
        case DiskCheck::Write:
            break;
    }
    if (!writeTo(fileName_)) return false;
    stamp_ = StampOf(fileName_);
    dialogs_.Information("File Saved");
    return true;
}

bool DatabaseSession::SaveCommand() {
    if (!savePermission_) {
        dialogs_.Information(kNoSavePermission);
        return false;
    }
    if (fileName_.empty()) return false;  // never write to an empty name
    WriteBackCurrent();
    bool ok = writeInPlace();
    ShowCurrentRecord();
    return ok;
}

void DatabaseSession::QuickSave() {
    if (!savePermission_) {
        dialogs_.Information(kNoSavePermission);
        return;
    }
    // An untitled database is saved under a name rather than not at all.
    if (fileName_.empty()) {
        SaveAsCommand();
        return;
    }
    writeInPlace();
}

bool DatabaseSession::SaveAsCommand() {
    if (!savePermission_) {
        dialogs_.Information(kNoSavePermission);
        return false;
    }
    std::string name;
    std::unique_ptr<HeldLock> lock;
    LockHolder holder;
    for (;;) {
        auto chosen = dialogs_.ChooseFileToSave("Save As", kDatabaseFilter, ".dat", chooserFolder());
        if (chosen) rememberFolder(*chosen);
        if (!chosen || chosen->empty()) return false;
        name = WithDefaultExtension(*chosen, ".dat");
        std::error_code ec;
        if (fs::exists(name, ec) && !dialogs_.AskYesNo(name + " already exists.  Do you want to overwrite it ?"))
            continue;
        if (!takeLock(name, lock, holder)) {
            dialogs_.Error(name + " is open in " + DescribeHolder(holder) + ".  Choose another name.");
            continue;
        }
        break;
    }
    WriteBackCurrent();
    if (!writeTo(name)) {
        ShowCurrentRecord();
        return false;
    }
    if (!holdsLockOf(name)) lock_ = std::move(lock);
    fileName_ = name;
    readOnly_ = false;
    stamp_ = StampOf(name);
    ShowCurrentRecord();
    saveEnabled_ = true;
    if (db_.info[InfoDatabaseName].empty()) db_.info[InfoDatabaseName] = BaseName(name);
    stateChanged();
    dialogs_.Information("File Saved as " + name);
    return true;
}

void DatabaseSession::MergeCommand() {
    auto chosen = dialogs_.ChooseFileToOpen("Merge with File", kDatabaseFilter, chooserFolder());
    if (chosen) rememberFolder(*chosen);
    if (!chosen || chosen->empty()) return;
    std::string bytes;
    FileResult read = ReadDatabaseBytes(*chosen, bytes);
    if (!read.ok) {
        dialogs_.Error(read.error);
        return;
    }
    switch (MergeDatabase(db_, bytes, *chosen)) {
        case MergeStatus::TooLarge:
            dialogs_.Error(DatabaseSizeProblem(MergedDatabaseSize(db_, bytes)) + "  Nothing was merged.");
            break;
        case MergeStatus::Merged:
            dialogs_.Information("Merge Sucessful !");
            break;
        case MergeStatus::Incompatible:
            dialogs_.Information(
                "Sorry, the files could not be merged because they are incompatible or they use different "
                "passowrds.");
            break;
        case MergeStatus::WrongIdentification:
            dialogs_.Error(*chosen + " is not a valid Vorlane file.  Nothing was merged.");
            break;
        case MergeStatus::ReadError:
            // Nothing was appended; say so rather than leave the person guessing.
            dialogs_.Error(*chosen + " could not be merged: the file is damaged.  Nothing was changed.");
            break;
    }
    loaded_ = true;
    stateChanged();
}

bool DatabaseSession::ConfirmExit() {
    if (!savePermission_) return true;
    for (;;) {
        Answer answer = dialogs_.AskYesNoCancel(
            "Changes made since last save will be lost. Would you like to save before exiting ?");
        if (answer == Answer::Cancel) return false;
        if (answer == Answer::No) return true;
        // A failed save asks again rather than lose the edits.
        if (!fileName_.empty() && !readOnly_ ? SaveCommand() : SaveAsCommand()) return true;
    }
}

}  // namespace vorlane
