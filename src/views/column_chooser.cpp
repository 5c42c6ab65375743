#include "views/column_chooser.h"

#include <algorithm>
#include <utility>

#include "storage/list_moves.h"

namespace vorlane {

ColumnChooser::ColumnChooser(const ColumnList& columns, const LabelTable& labels) {
    for (int entry = 0; entry < kChooserMenuSize; ++entry) {
        // Entries 0 ... 9 are descriptions 1 ... 10, so codes 10 ... 290 follow the entries.
        const int code = entry * 10 + 10;
        menu_[static_cast<std::size_t>(entry)] = {FieldName(code, labels), code};
    }
    for (int code : columns) {
        if (code == kNoField) continue;
        auto it = std::find_if(menu_.begin(), menu_.end(), [code](const ChooserEntry& e) { return e.code == code; });
        // A code the menu does not know, or one already listed, would make a column twice.
        if (it == menu_.end() || inList(code)) continue;
        fields_.push_back(*it);
    }
}

bool ColumnChooser::inList(int code) const {
    return std::any_of(fields_.begin(), fields_.end(), [code](const ChooserEntry& e) { return e.code == code; });
}

bool ColumnChooser::menuEnabled(int entry) const {
    return entry >= 0 && entry < kChooserMenuSize && !inList(menu_[static_cast<std::size_t>(entry)].code);
}

void ColumnChooser::Add(int entry) {
    if (!menuEnabled(entry)) return;
    fields_.push_back(menu_[static_cast<std::size_t>(entry)]);
}

int ColumnChooser::Remove(int selected) {
    const int count = static_cast<int>(fields_.size());
    if (!removeEnabled() || selected < 0 || selected >= count) return selected;
    fields_.erase(fields_.begin() + selected);
    return std::min(selected, static_cast<int>(fields_.size()) - 1);
}

int ColumnChooser::MoveUp(int selected) {
    SwapWithNext(fields_, selected - 1);
    return selected;
}

int ColumnChooser::MoveDown(int selected) {
    SwapWithNext(fields_, selected);
    return selected;
}

ColumnList ColumnChooser::Columns() const {
    ColumnList columns;
    columns.fill(kNoField);
    for (std::size_t i = 0; i < fields_.size() && i < columns.size(); ++i) columns[i] = fields_[i].code;
    return columns;
}

}  // namespace vorlane
