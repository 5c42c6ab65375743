#pragma once
// Every text the search window shows the person, letter for letter.

#include <functional>
#include <string>

namespace vorlane {

inline constexpr const char* kMsgTermLimit = "You may add a maximum of 50 search terms per search.";
inline constexpr const char* kMsgNoNewRecords = "No new records were found during this search.";
inline constexpr const char* kMsgOneNewRecord = "1 new record was found during the previous search.";
inline constexpr const char* kMsgNewRecordsTail = " new records were found during the previous search.";
inline constexpr const char* kMsgEnterValue = "Please enter a value in the search field.";
inline constexpr const char* kMsgEnterFrom = "Please enter a value in the \"from\" search field.";
inline constexpr const char* kMsgEnterTo = "Please enter a value in the \"to\" search field.";
inline constexpr const char* kMsgOverwriteTail = " already exists.  Do you want to overwrite it ?";
inline constexpr const char* kMsgExtractDone = "Extract Sucessful !";
inline constexpr const char* kMsgConfirmRemove =
    "All Search List Records will be removed.  Are you sure you want to continue ?";
inline constexpr const char* kMsgRemovedTail = " records have been removed from the Database.";
inline constexpr const char* kMsgListCleared = "Search List Cleared";
inline constexpr const char* kMsgNoPermission = "Sorry, you do not have permission to save this file.";
inline constexpr const char* kMsgFileSaved = "File Saved";

inline constexpr const char* kMsgSearchSaved = "Search Saved.";
inline constexpr const char* kMsgSearchNotSaved = "A problem was encountered.  Search was not saved.  Please try again.";
inline constexpr const char* kMsgSearchInvalid = "Selected search file is invalid.  No search loaded.";
inline constexpr const char* kMsgConfirmClearSearch =
    "Existing search will be cleared.  Are you sure you want to continue ?";

inline std::string NewRecordsMessage(int n) {
    return n == 1 ? std::string(kMsgOneNewRecord) : std::to_string(n) + kMsgNewRecordsTail;
}
inline std::string RangeAddedMessage(long long low, long long high) {
    return "Records " + std::to_string(low) + " to " + std::to_string(high) + " have been added to the Search List.";
}
inline std::string RemovedMessage(std::size_t n) { return std::to_string(n) + kMsgRemovedTail; }
inline std::string OverwriteQuestion(const std::string& path) { return path + kMsgOverwriteTail; }

// What a file chooser is opened with.
struct FileChooserOptions {
    std::string title;
    std::string filter;            // "Caption|*.ext"
    std::string defaultExtension;  // as the chooser expects it
};

inline FileChooserOptions ExtractChooser() {
    return {"Extract and Save Searched Records As", "Vorlane File|*.dat", ".dat"};
}
inline FileChooserOptions SearchFileChooser() { return {"", "Database Search File|*.srh", "srh"}; }

// Questions and choosers the window answers; the core never opens a box itself.
struct SearchPrompts {
    std::function<bool(const std::string& question)> askYesNo;
    std::function<std::string(const FileChooserOptions&)> chooseSaveFile;  // "" when cancelled
    std::function<std::string(const FileChooserOptions&)> chooseOpenFile;  // "" when cancelled
};

}  // namespace vorlane
