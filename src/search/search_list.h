#pragma once
// The search list (records carrying the on-search-list flag) and the
// commands that add to it, empty it, extract it and remove it.

#include <cstddef>
#include <string>

#include "search/search_messages.h"
#include "storage/database.h"

namespace vorlane {

std::size_t CountSearchList(const RecordList& records);
inline bool SearchListEmpty(const RecordList& records) { return CountSearchList(records) == 0; }

struct RangeAddResult {
    std::string message;     // "Records 5 to 3 have been added to the Search List."
    int currentIndex = 0;    // the main window shows this record next
};
// "Add": positions low ... high, 1-based, both included; positions outside
// the list are left alone. Listed records are marked previously listed.
RangeAddResult AddRecordRange(RecordList& records, long long low, long long high);

// "Clear": returns the message to show.
std::string ClearSearchList(RecordList& records);

struct RemoveResult {
    bool removed = false;     // false when the person said No
    std::size_t count = 0;    // records taken out
    std::string message;      // "n records have been removed from the Database."
    int currentIndex = -1;    // kept inside the shortened list
};
// "Remove From Database": never removes the last record. The current record
// keeps its place when it survives; otherwise the next surviving record
// (or the last one) becomes current.
RemoveResult RemoveSearchListRecords(RecordList& records, int currentIndex,
                                     const std::function<bool(const std::string&)>& askYesNo);

struct ExtractResult {
    bool written = false;
    std::string path;
    std::string message;  // "" when nothing happened (empty list, cancelled)
    bool error = false;   // message is a failure, not a result
};
// "Extract To File": asks through prompts for the file (again after a No to
// overwriting), then writes only the listed records. The open database is
// left exactly as it was.
ExtractResult ExtractSearchList(Database& db, bool maySave, const SearchPrompts& prompts,
                                const std::function<bool(const std::string&)>& fileExists = {});

}  // namespace vorlane
