#pragma once
// The term grid and the criteria table behind it: which row uses which
// slot, and every edit the person makes to a term.

#include <string>
#include <vector>

#include "search/range_masks.h"
#include "search/search_fields.h"
#include "search/search_record.h"

namespace vorlane {

// One grid row below the header. The cells are display texts; link is the
// slot number 1 ... 50 of the row's criterion, -1 without one, 0 just added.
struct TermRow {
    std::string field;
    std::string type;
    std::string value;
    int link = kNoCriterion;
    bool operator==(const TermRow&) const = default;
};

enum class TermColumn { Field = 0, Type = 1, Value = 2 };

class SearchTerms {
public:
    SearchTerms();  // one empty row without criterion, all slots free

    const std::vector<TermRow>& rows() const { return rows_; }
    const CriteriaTable& criteria() const { return criteria_; }
    // Grid rows including the header, as the saved file counts them.
    int gridRowCount() const { return static_cast<int>(rows_.size()) + 1; }

    // The row's criterion, or nullptr for a row without one.
    const SearchRecord* criterionOf(int row) const;
    const SearchRecord& slot(int slotNumber) const { return criteria_[static_cast<std::size_t>(slotNumber - 1)]; }

    // "Add Term": returns the message to show, "" when the row was added.
    std::string AddTerm();

    // "REMOVE SEARCH TERM" on a row; the last remaining row is kept, emptied.
    void RemoveTerm(int row);

    // The field menu in order, with the entries in use disabled.
    std::vector<FieldMenuEntry> FieldMenu(const LabelTable& labels, const SearchCaptions& captions) const;
    // Whether the field menu would offer this number enabled.
    bool FieldAvailable(int number) const;

    // Choosing a field-menu entry other than "REMOVE SEARCH TERM". Returns
    // false and changes nothing when the entry is in use or no slot is free.
    bool ChooseField(int row, int number, const std::string& caption);

    // Choosing "Includes" or "Does Not Include".
    void ChooseType(int row, std::int32_t type);

    // How the row's "Value" cell gets its value.
    ValueChooser ChooserOf(int row) const;
    // The range dialog's texts for the row; valid when ChooserOf is RangeDialog.
    RangeDialogTexts RangeDialogFor(int row) const;

    // A value picked from a description or status menu.
    void SetChosenValue(int row, const std::string& value);
    // Applies an accepted range-dialog answer; ignores a refused one.
    void ApplyRange(int row, const RangeAnswer& answer);

    // Only the "Value" cell of a row whose field is typed into accepts typing.
    bool AcceptsTyping(int row, TermColumn column) const;
    // Returns false when the text was not accepted.
    bool SetTypedValue(int row, const std::string& text);

    // Empties everything: one empty row without criterion, every slot free
    // with empty texts (types are kept, as a removed term's are).
    void Clear();

    // Raw access for the saved-search reader, which fills rows and slots as it reads.
    std::vector<TermRow>& mutableRows() { return rows_; }
    SearchRecord& mutableSlot(int slotNumber) { return criteria_[static_cast<std::size_t>(slotNumber - 1)]; }

private:
    SearchRecord* criterionAt(int row);
    bool validRow(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }

    std::vector<TermRow> rows_;
    CriteriaTable criteria_;
};

}  // namespace vorlane
