#pragma once
// The one open database and its life cycle: new, open, save, save as,
// merge, the start-up sequence and the question at exit.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "storage/database.h"
#include "storage/dialogs.h"
#include "storage/file_lock.h"
#include "storage/record_screen.h"
#include "storage/safe_file.h"

namespace vorlane {

inline constexpr const char* kDatabaseFilter = "Vorlane File|*.dat";
inline constexpr const char* kNoSavePermission = "Sorry, you do not have permission to save this file.";

struct DataFolders {
    std::string user;     // written by "Make Default"; read first
    std::string shipped;  // the program's own data/
    std::string Find(const std::string& fileName) const;  // "" when in neither
};

class DatabaseSession {
public:
    DatabaseSession(Dialogs& dialogs, DataFolders folders,
                    std::function<std::string()> today = nullptr);

    void SetScreen(RecordScreen* screen) { screen_ = screen; }
    // Without locks (tests that do not need them) nothing is locked.
    void SetFileLocks(FileLocks* locks) { locks_ = locks; }

    Database& db() { return db_; }
    const Database& db() const { return db_; }
    RecordList& records() { return db_.records; }
    const RecordList& records() const { return db_.records; }

    const std::string& fileName() const { return fileName_; }
    std::string Caption() const { return fileName_.empty() ? "Untitled" : fileName_; }
    bool loaded() const { return loaded_; }
    bool savePermission() const { return savePermission_; }
    // Opened while another program held it: only Save As may write it.
    bool readOnly() const { return readOnly_; }
    bool saveEnabled() const { return saveEnabled_; }  // "Save" and the "Save Database" buttons
    bool mergeEnabled() const { return mergeEnabled_; }
    bool started() const { return started_; }

    int currentIndex = -1;
    bool recordListChanged = false;
    int viewMode = 1;  // 1 all, 2 search list, 3 browse selection

    // Labels to their defaults and value trees from description<n>.def.
    void ResetToDefaults();

    // First activation of the main window: offer lastFile, then set up.
    void RunStartup(const std::string& lastFile);
    // Every activation after start-up's settings: make sure a database is
    // set up and show the current record.
    void EnsureDatabase();

    void OpenCommand();
    // quietIfUnreadable: start-up skips a file it cannot open without a word.
    void OpenDatabaseFile(const std::string& name, bool quietIfUnreadable = false);
    void NewCommand();
    // Returns true when the file was written.
    bool SaveCommand();
    // Returns true when the database was written under a name.
    bool SaveAsCommand();
    // The other windows' "Save Database": edits were already written back.
    void QuickSave();
    void MergeCommand();
    // Exit step 1. False: the person cancelled and the program stays.
    bool ConfirmExit();
    // Appends a fresh record and makes it current.
    void AppendNewRecord();
    ItemRecord MakeRecord() const;

    Dialogs& dialogs() { return dialogs_; }

    // The screen's edits into the current record, and the current record onto the screen.
    void WriteBackCurrent();
    void ShowCurrentRecord();
    void NotifyStateChanged() { stateChanged(); }

private:
    enum class DiskCheck { Write, SaveElsewhere, Cancel };
    bool writeTo(const std::string& path);
    bool writeInPlace();
    DiskCheck checkDiskUnchanged();
    bool holdsLockOf(const std::string& path) const;
    // True when path may be written here: its lock is now in lock, or is ours
    // already, or cannot be had at all. False: holder has it.
    bool takeLock(const std::string& path, std::unique_ptr<HeldLock>& lock, LockHolder& holder);
    std::string chooserFolder() const;
    void rememberFolder(const std::string& chosen);
    void fallBackToNew();
    void startNewDatabase();
    void stateChanged();

    Dialogs& dialogs_;
    DataFolders folders_;
    std::function<std::string()> today_;
    RecordScreen* screen_ = nullptr;

    Database db_;
    std::string fileName_;
    std::string lastFolder_;  // of the last file chosen in a chooser
    bool loaded_ = false;
    bool savePermission_ = true;
    bool saveEnabled_ = false;
    bool mergeEnabled_ = false;
    bool started_ = false;

    FileLocks* locks_ = nullptr;
    std::unique_ptr<HeldLock> lock_;  // of fileName_, while it is open here
    bool readOnly_ = false;
    FileStamp stamp_;  // fileName_ as it was read or last saved here
};

}  // namespace vorlane
