#pragma once
// Records that share one field value with the current record.

#include <string>
#include <vector>

#include "storage/labels.h"
#include "storage/record.h"

namespace vorlane {

struct RelatedMenuEntry {
    std::string caption;
    int key;  // 10*i-5 primary, 10*(i-1) complete, 100+10*j detail, 200 status
};
// The 31 entries in menu order.
std::vector<RelatedMenuEntry> RelatedMenu(const LabelTable& labels, const std::string& statusCaption = "Status");

struct PickItem {
    std::string name;
    std::size_t index;
};
// Every record matching the current one under key, except the current one.
std::vector<PickItem> FindRelated(const RecordList& records, std::size_t current, int key);

}  // namespace vorlane
