#pragma once
// Which records the spreadsheet shows: the record view modes, the browse-by
// entries of the browse panel, the browse values and the browse list.

#include <array>
#include <string>
#include <vector>

#include "storage/labels.h"
#include "storage/record.h"

namespace vorlane {

enum RecordViewMode { kAllRecords = 1, kSearchListRecords = 2, kSelectedRecords = 3 };

bool InViewMode(const ItemRecord& record, int mode);

inline constexpr int kNoBrowseCode = -1;  // the drop-down's text names no entry

struct BrowseByEntry {
    std::string caption;
    int code = kNoBrowseCode;
    bool operator==(const BrowseByEntry&) const = default;
};

// Primary categories of descriptions 1 ... 10, their complete values,
// details 0 ... 9, then status (statusCaption).
std::vector<BrowseByEntry> BrowseByEntries(const LabelTable& labels, const std::string& statusCaption);

// The code of the entry whose caption is text; kNoBrowseCode when none is.
int BrowseCodeOf(const std::vector<BrowseByEntry>& entries, const std::string& text);

// statusCaptions: "Favorite", "Tested", "Untested" as the main window names them.
std::string BrowseValue(const ItemRecord& record, int code, const std::array<std::string, 3>& statusCaptions);

// The distinct non-empty browse values in the order they first occur.
std::vector<std::string> BrowseList(const RecordList& records, int code, const std::array<std::string, 3>& statusCaptions);

// Mode 3: every record's browse-match flag is set exactly when its browse
// value equals selected; cleared everywhere when nothing is selected.
void MarkBrowseMatches(RecordList& records, int code, const std::string* selected,
                       const std::array<std::string, 3>& statusCaptions);

// The grid's rows in the given mode: record positions, top to bottom, so in
// ascending order. All records need not be visited for that.
std::vector<int> FillRows(const RecordList& records, int mode);

}  // namespace vorlane
