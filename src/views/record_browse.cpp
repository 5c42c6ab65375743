#include "views/record_browse.h"

#include <array>
#include <unordered_set>

#include "storage/fields.h"

namespace vorlane {

bool InViewMode(const ItemRecord& record, int mode) {
    switch (mode) {
        case kAllRecords: return true;
        case kSearchListRecords: return record.OnSearchList;
        case kSelectedRecords: return record.BrowseMatch;
        default: return false;
    }
}

std::vector<BrowseByEntry> BrowseByEntries(const LabelTable& labels, const std::string& statusCaption) {
    std::vector<BrowseByEntry> entries;
    for (const char* kind : {"Primary", "Complete"}) {
        const int offset = kind[0] == 'P' ? 5 : 0;
        for (int i = 0; i < kDescriptionCount; ++i) {
            std::string caption = std::string(kind) + " \"" + labels[static_cast<std::size_t>(10 + i)] + "\" Category";
            entries.push_back({caption, 10 * i + offset});
        }
    }
    for (int i = 0; i < kDetailCount; ++i) entries.push_back({labels[static_cast<std::size_t>(i)], 100 + 10 * i});
    entries.push_back({statusCaption, 200});
    return entries;
}

int BrowseCodeOf(const std::vector<BrowseByEntry>& entries, const std::string& text) {
    for (const auto& entry : entries)
        if (entry.caption == text) return entry.code;
    return kNoBrowseCode;
}

namespace {
std::string primaryCategory(const std::string& value) {
    auto colon = value.rfind(':');
    if (colon == std::string::npos) return value;
    std::string tail = value.substr(colon + 1);
    if (!tail.empty() && tail.front() == ' ') tail.erase(0, 1);
    return tail;
}
}  // namespace

std::string BrowseValue(const ItemRecord& record, int code, const std::array<std::string, 3>& statusCaptions) {
    if (code >= 0 && code < 100) {
        const std::string& value = record.Descriptions[static_cast<std::size_t>(code / 10)];
        return code % 10 == 5 ? primaryCategory(value) : value;
    }
    if (code >= 100 && code < 200 && code % 10 == 0) return record.Details[static_cast<std::size_t>((code - 100) / 10)];
    if (code == 200) {
        // The last set flag in this order wins.
        std::string caption;
        if (record.Favorite) caption = statusCaptions[0];
        if (record.Tested) caption = statusCaptions[1];
        if (record.Untested) caption = statusCaptions[2];
        return caption;
    }
    return {};
}

std::vector<std::string> BrowseList(const RecordList& records, int code, const std::array<std::string, 3>& statusCaptions) {
    std::vector<std::string> list;
    std::unordered_set<std::string> seen;
    for (const auto& record : records) {
        std::string value = BrowseValue(record, code, statusCaptions);
        if (!value.empty() && seen.insert(value).second) list.push_back(std::move(value));
    }
    return list;
}

void MarkBrowseMatches(RecordList& records, int code, const std::string* selected,
                       const std::array<std::string, 3>& statusCaptions) {
    for (auto& record : records)
        record.BrowseMatch = selected && BrowseValue(record, code, statusCaptions) == *selected;
}

std::vector<int> FillRows(RecordList& records, int mode) {
    std::vector<int> rows;
    for (std::size_t i = 0; i < records.size(); ++i) {
        ItemRecord& record = records[i];
        record.SpreadsheetRow = -1;
        if (!InViewMode(record, mode)) continue;
        rows.push_back(static_cast<int>(i));
        record.SpreadsheetRow = static_cast<int>(rows.size());
    }
    return rows;
}

}  // namespace vorlane
