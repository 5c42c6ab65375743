#pragma once
// "Select Spreadsheet Fields": the list of chosen columns, the field menu
// of 29 entries, and the buttons that edit the list.

#include <array>
#include <string>
#include <vector>

#include "storage/fields.h"
#include "storage/labels.h"

namespace vorlane {

inline constexpr int kChooserMenuSize = 29;

struct ChooserEntry {
    std::string caption;
    int code = kNoField;
    bool operator==(const ChooserEntry&) const = default;
};

class ColumnChooser {
public:
    // Activation: the menu's captions from the labels, the list from the columns.
    ColumnChooser(const ColumnList& columns, const LabelTable& labels);

    const std::vector<ChooserEntry>& fields() const { return fields_; }
    const std::array<ChooserEntry, kChooserMenuSize>& menu() const { return menu_; }
    bool menuEnabled(int entry) const;
    // At least one column always stays.
    bool removeEnabled() const { return fields_.size() >= 2; }

    // The field menu's entry; ignored while it is disabled.
    void Add(int entry);
    // The selected list position; -1 when nothing is selected. Each returns
    // the position selected afterwards.
    int Remove(int selected);
    int MoveUp(int selected);
    int MoveDown(int selected);

    // "OK": the list as a gap-free column list.
    ColumnList Columns() const;

private:
    bool inList(int code) const;

    std::array<ChooserEntry, kChooserMenuSize> menu_;
    std::vector<ChooserEntry> fields_;
};

}  // namespace vorlane
