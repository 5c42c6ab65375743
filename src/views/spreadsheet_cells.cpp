#include "views/spreadsheet_cells.h"

#include "editor/description_display.h"
#include "search/search_session.h"
#include "storage/fields.h"

namespace vorlane {

std::string CellText(const ItemRecord& record, int index, int code, bool shortDescriptions) {
    if (IsDescriptionCode(code)) return DescriptionDisplay(record.Description(code / 10), shortDescriptions);
    if (IsDetailCode(code)) return record.Details[static_cast<std::size_t>((code - 110) / 10)];
    if (code == kStatusCode) return StatusText(record);
    if (code == kRecordNumberCode) return std::to_string(index + 1);
    if (code == kNameCode) return record.Name;
    return {};
}

CellEdit CellEditOf(int code) {
    if (IsDescriptionCode(code)) return CellEdit::DescriptionMenu;
    if (IsDetailCode(code) && code != DetailCode(0)) return CellEdit::Typed;
    if (code == kNameCode) return CellEdit::Typed;
    if (code == kStatusCode) return CellEdit::StatusMenu;
    if (IsImageCode(code)) return CellEdit::PictureMenu;
    return CellEdit::None;
}

bool MenuFlag(const ItemRecord& record, int code) {
    if (record.ReadOnly) return false;
    return IsDescriptionCode(code) || code == DetailCode(0) || code == kStatusCode || code == kRecordNumberCode ||
           IsImageCode(code);
}

std::string* TypedField(ItemRecord& record, int code) {
    if (CellEditOf(code) != CellEdit::Typed) return nullptr;
    if (code == kNameCode) return &record.Name;
    return &record.Details[static_cast<std::size_t>((code - 110) / 10)];
}

std::string EditorText(const ItemRecord& record, int code) {
    if (CellEditOf(code) != CellEdit::Typed) return {};
    if (code == kNameCode) return record.Name;
    const std::string& text = record.Details[static_cast<std::size_t>((code - 110) / 10)];
    return code == DetailCode(3) ? text.substr(0, 4) : text;
}

std::string StoredText(const ItemRecord& record, int code) {
    if (CellEditOf(code) != CellEdit::Typed) return {};
    return code == kNameCode ? record.Name : record.Details[static_cast<std::size_t>((code - 110) / 10)];
}

bool AcceptTypedText(ItemRecord& record, int code, const std::string& text) {
    std::string* field = TypedField(record, code);
    if (!field || record.ReadOnly) return false;
    *field = text;
    return true;
}

void SetStatusFlag(ItemRecord& record, int k) {
    record.Favorite = k == 1;
    record.Tested = k == 2;
    record.Untested = k == 3;
}

RowColour HighlightColour(const ItemRecord& record, bool highlight) {
    if (!highlight) return RowColour::Normal;
    if (!record.OnSearchList) return RowColour::Cyan;
    return record.PreviouslyListed ? RowColour::Green : RowColour::Yellow;
}

std::string ActivationStatus(int mode, SearchSession& search) {
    if (mode != 2) return kStatusAllRecords;
    std::string message = search.TakeResultMessage();
    return message.empty() ? std::string(kStatusSearchList) : message;
}

std::string EmptyGridStatus(int mode) { return mode == 3 ? kStatusNoneSelected : kStatusSearchListEmpty; }

}  // namespace vorlane
