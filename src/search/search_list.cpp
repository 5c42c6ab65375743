#include "search/search_list.h"

#include <algorithm>
#include <filesystem>

#include "storage/database_file.h"

namespace vorlane {

std::size_t CountSearchList(const RecordList& records) {
    return static_cast<std::size_t>(
        std::count_if(records.begin(), records.end(), [](const ItemRecord& r) { return r.OnSearchList; }));
}

RangeAddResult AddRecordRange(RecordList& records, long long low, long long high) {
    RangeAddResult result;
    const long long size = static_cast<long long>(records.size());
    for (long long p = std::max(low, 1LL); p <= std::min(high, size); ++p) {
        ItemRecord& r = records[static_cast<std::size_t>(p - 1)];
        if (r.OnSearchList) {
            r.PreviouslyListed = true;
        } else {
            r.OnSearchList = true;
            r.PreviouslyListed = false;
        }
    }
    result.currentIndex = records.empty() ? -1 : 0;
    result.message = RangeAddedMessage(low, high);
    return result;
}

std::string ClearSearchList(RecordList& records) {
    for (auto& r : records) r.OnSearchList = r.PreviouslyListed = false;
    return kMsgListCleared;
}

RemoveResult RemoveSearchListRecords(RecordList& records, int currentIndex,
                                     const std::function<bool(const std::string&)>& askYesNo) {
    RemoveResult result;
    result.currentIndex = currentIndex;
    if (!askYesNo || !askYesNo(kMsgConfirmRemove)) return result;
    result.removed = true;

    // Walking from the front and removing while more than one record is left
    // removes every listed record, except the last one when all are listed.
    const bool allListed = CountSearchList(records) == records.size();
    const std::size_t kept = allListed ? records.size() - 1 : records.size();

    int newCurrent = -1;
    std::size_t out = 0;
    for (std::size_t in = 0; in < records.size(); ++in) {
        if (records[in].OnSearchList && in != kept) {
            ++result.count;
            continue;
        }
        // The current record, or the first survivor after it, stays current.
        if (newCurrent < 0 && currentIndex >= 0 && in >= static_cast<std::size_t>(currentIndex))
            newCurrent = static_cast<int>(out);
        if (out != in) records[out] = std::move(records[in]);
        ++out;
    }
    records.resize(out);
    if (records.empty()) newCurrent = -1;
    else if (newCurrent < 0) newCurrent = currentIndex < 0 ? 0 : static_cast<int>(records.size()) - 1;
    result.currentIndex = newCurrent;
    result.message = RemovedMessage(result.count);
    return result;
}

ExtractResult ExtractSearchList(Database& db, bool maySave, const SearchPrompts& prompts,
                                const std::function<bool(const std::string&)>& fileExists) {
    ExtractResult result;
    if (SearchListEmpty(db.records) || !prompts.chooseSaveFile) return result;

    auto exists = [&](const std::string& path) {
        if (fileExists) return fileExists(path);
        std::error_code ec;
        return std::filesystem::exists(path, ec);
    };

    std::string path;
    for (;;) {
        path = prompts.chooseSaveFile(ExtractChooser());
        if (path.empty()) return result;
        if (!exists(path)) break;
        if (prompts.askYesNo && prompts.askYesNo(OverwriteQuestion(path))) break;
    }
    if (!maySave) {
        result.message = kMsgNoPermission;
        return result;
    }

    // The writer names an unnamed database after its file; that name belongs
    // to the extract only, not to the open database.
    const std::string name = db.info[InfoDatabaseName];
    FileResult written = SaveDatabaseFile(db, path, true);
    db.info[InfoDatabaseName] = name;

    result.path = path;
    if (!written.ok) {
        result.error = true;
        result.message = written.error;
        return result;
    }
    result.written = true;
    result.message = kMsgExtractDone;
    return result;
}

}  // namespace vorlane
