#include "views/record_browse.h"

#include <array>
#include <numeric>
#include <string_view>
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
// The browse value without copying it: it lives in the record or in the captions.
std::string_view browseView(const ItemRecord& record, int code, const std::array<std::string, 3>& statusCaptions) {
    if (code >= 0 && code < 100) {
        std::string_view value = record.Descriptions[static_cast<std::size_t>(code / 10)];
        if (code % 10 != 5) return value;
        auto colon = value.rfind(':');
        if (colon == std::string_view::npos) return value;
        value.remove_prefix(colon + 1);
        if (!value.empty() && value.front() == ' ') value.remove_prefix(1);
        return value;
    }
    if (code >= 100 && code < 200 && code % 10 == 0) return record.Details[static_cast<std::size_t>((code - 100) / 10)];
    if (code == 200) {
        // The last set flag in this order wins.
        if (record.Untested) return statusCaptions[2];
        if (record.Tested) return statusCaptions[1];
        if (record.Favorite) return statusCaptions[0];
    }
    return {};
}
}  // namespace

std::string BrowseValue(const ItemRecord& record, int code, const std::array<std::string, 3>& statusCaptions) {
    return std::string(browseView(record, code, statusCaptions));
}

std::vector<std::string> BrowseList(const RecordList& records, int code, const std::array<std::string, 3>& statusCaptions) {
    std::vector<std::string> list;
    std::unordered_set<std::string_view> seen;
    for (const auto& record : records) {
        std::string_view value = browseView(record, code, statusCaptions);
        if (!value.empty() && seen.insert(value).second) list.emplace_back(value);
    }
    return list;
}

void MarkBrowseMatches(RecordList& records, int code, const std::string* selected,
                       const std::array<std::string, 3>& statusCaptions) {
    for (auto& record : records)
        record.BrowseMatch = selected && browseView(record, code, statusCaptions) == *selected;
}

std::vector<int> FillRows(const RecordList& records, int mode) {
    std::vector<int> rows;
    if (mode == kAllRecords) {
        // Every record: a big list is not walked record by record.
        rows.resize(records.size());
        std::iota(rows.begin(), rows.end(), 0);
        return rows;
    }
    for (std::size_t i = 0; i < records.size(); ++i)
        if (InViewMode(records[i], mode)) rows.push_back(static_cast<int>(i));
    return rows;
}

}  // namespace vorlane
