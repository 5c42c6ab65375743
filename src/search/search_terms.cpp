#include "search/search_terms.h"

#include "search/search_messages.h"
#include "storage/fields.h"

namespace vorlane {

SearchTerms::SearchTerms() { rows_.emplace_back(); }

const SearchRecord* SearchTerms::criterionOf(int row) const {
    if (!validRow(row)) return nullptr;
    int link = rows_[static_cast<std::size_t>(row)].link;
    return IsSlotNumber(link) ? &slot(link) : nullptr;
}

SearchRecord* SearchTerms::criterionAt(int row) { return const_cast<SearchRecord*>(criterionOf(row)); }

std::string SearchTerms::AddTerm() {
    if (gridRowCount() > kMaxTermRows) return kMsgTermLimit;
    TermRow row;
    row.link = kNewTermRow;
    rows_.push_back(std::move(row));
    return {};
}

void SearchTerms::RemoveTerm(int row) {
    if (!validRow(row)) return;
    if (SearchRecord* criterion = criterionAt(row)) criterion->code = kFreeSlot;
    rows_[static_cast<std::size_t>(row)] = TermRow{};
    if (rows_.size() > 1) rows_.erase(rows_.begin() + row);
}

bool SearchTerms::FieldAvailable(int number) const {
    if (number == kSearchIngredients) return true;
    for (const auto& row : rows_)
        if (IsSlotNumber(row.link) && slot(row.link).code == number) return false;
    return true;
}

std::vector<FieldMenuEntry> SearchTerms::FieldMenu(const LabelTable& labels, const SearchCaptions& captions) const {
    std::vector<FieldMenuEntry> menu;
    menu.push_back({kRemoveTermCaption, kRemoveTermEntry, true});
    for (int number : SearchFieldNumbers())
        menu.push_back({SearchFieldCaption(number, labels, captions), number, FieldAvailable(number)});
    return menu;
}

bool SearchTerms::ChooseField(int row, int number, const std::string& caption) {
    if (!validRow(row) || !IsSearchFieldNumber(number) || !FieldAvailable(number)) return false;
    TermRow& r = rows_[static_cast<std::size_t>(row)];
    if (!IsSlotNumber(r.link)) {
        // A free slot that no other row still points at (a loaded file may do that).
        int chosen = 0;
        for (int s = 1; s <= kSlotCount && chosen == 0; ++s) {
            if (slot(s).code != kFreeSlot) continue;
            bool linked = false;
            for (const auto& other : rows_) linked = linked || other.link == s;
            if (!linked) chosen = s;
        }
        if (chosen == 0) return false;
        r.link = chosen;
    }
    SearchRecord& criterion = mutableSlot(r.link);
    criterion.code = number;
    criterion.value.clear();
    criterion.highValue.clear();
    r.field = caption;
    // The criterion follows the "Type" cell, also when the cell was set
    // before the row had a criterion.
    if (r.type.empty()) r.type = kIncludesCaption;
    criterion.type = TypeOfCaption(r.type);
    r.value.clear();
    return true;
}

void SearchTerms::ChooseType(int row, std::int32_t type) {
    if (!validRow(row)) return;
    rows_[static_cast<std::size_t>(row)].type = CaptionOfType(type);
    if (SearchRecord* criterion = criterionAt(row))
        criterion->type = type == kTypeDoesNotInclude ? kTypeDoesNotInclude : kTypeIncludes;
}

ValueChooser SearchTerms::ChooserOf(int row) const {
    const SearchRecord* criterion = criterionOf(row);
    return criterion ? ChooserFor(criterion->code) : ValueChooser::None;
}

RangeDialogTexts SearchTerms::RangeDialogFor(int row) const {
    const SearchRecord* criterion = criterionOf(row);
    if (!criterion) return {};
    return OpenRangeDialog(*criterion, RangeSetupFor(criterion->code));
}

void SearchTerms::SetChosenValue(int row, const std::string& value) {
    SearchRecord* criterion = criterionAt(row);
    if (!criterion) return;
    criterion->value = value;
    rows_[static_cast<std::size_t>(row)].value = value;
}

void SearchTerms::ApplyRange(int row, const RangeAnswer& answer) {
    SearchRecord* criterion = criterionAt(row);
    if (!criterion || !answer.accepted) return;
    criterion->value = answer.value;
    criterion->highValue = answer.highValue;
    rows_[static_cast<std::size_t>(row)].value = answer.cellText;
}

bool SearchTerms::AcceptsTyping(int row, TermColumn column) const {
    if (column != TermColumn::Value) return false;
    const SearchRecord* criterion = criterionOf(row);
    return criterion && criterion->code >= kSearchName;
}

bool SearchTerms::SetTypedValue(int row, const std::string& text) {
    if (!AcceptsTyping(row, TermColumn::Value)) return false;
    criterionAt(row)->value = text;
    rows_[static_cast<std::size_t>(row)].value = text;
    return true;
}

void SearchTerms::Clear() {
    rows_.assign(1, TermRow{});
    for (auto& criterion : criteria_) {
        criterion.code = kFreeSlot;
        criterion.value.clear();
        criterion.highValue.clear();
    }
}

}  // namespace vorlane
