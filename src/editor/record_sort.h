#pragma once
// Ordering the record list by one of the 21 sort keys.

#include <string>
#include <utility>
#include <vector>

#include "storage/labels.h"
#include "storage/record.h"

namespace vorlane {

// Negative, zero or positive as a sorts before, with or after b.
int CompareForSort(const ItemRecord& a, const ItemRecord& b, int key);

// Stable ascending order; returns the old index of each new position.
std::vector<std::size_t> SortRecords(RecordList& records, int key);

struct SortMenuEntry {
    std::string caption;  // "Sort by " + label
    int key;
};
// 21 entries: descriptions 1 ... 10, details 0 ... 9, then the name.
std::vector<SortMenuEntry> SortMenu(const LabelTable& labels, const std::string& nameCaption = "Name");

}  // namespace vorlane
