#pragma once
// What a spreadsheet cell shows and how it is edited, by its column's field
// code, and the texts of the spreadsheet's status and record-number boxes.

#include <string>

#include "storage/record.h"

namespace vorlane {

class SearchSession;

// The cell text; index is the record's position (the record-number column).
std::string CellText(const ItemRecord& record, int index, int code, bool shortDescriptions);

enum class CellEdit { None, Typed, DescriptionMenu, StatusMenu, PictureMenu };
CellEdit CellEditOf(int code);

// The selected cell opens a menu (description, detail 0, status, record
// number or picture column) and its record is not read-only.
bool MenuFlag(const ItemRecord& record, int code);

// Typed cells: the record's text of the field (the vintage cut to four
// characters), and the field a typed text goes into; nullptr for other columns.
std::string EditorText(const ItemRecord& record, int code);
// The whole text of a typed cell's field; empty for other cells.
std::string StoredText(const ItemRecord& record, int code);
std::string* TypedField(ItemRecord& record, int code);
// Writes text into the field; false (and nothing written) for a read-only
// record or a column that is not typed.
bool AcceptTypedText(ItemRecord& record, int code, const std::string& text);

// Status menu entry k (1 ... 3): that flag set, the other two cleared.
void SetStatusFlag(ItemRecord& record, int k);

enum class RowColour { Normal, Cyan, Green, Yellow };
RowColour HighlightColour(const ItemRecord& record, bool highlight);

inline constexpr const char* kStatusAllRecords = "All Records";
inline constexpr const char* kStatusSearchList = "Search List Records";
inline constexpr const char* kStatusSelected = "Selected Records";
inline constexpr const char* kStatusNoneSelected = "No Records are Selected";
inline constexpr const char* kStatusSearchListEmpty = "Search List Empty";

// The status box on activation; the search result message is taken (and
// emptied) in mode 2 only.
std::string ActivationStatus(int mode, SearchSession& search);
// The status box after a fill that showed no record.
std::string EmptyGridStatus(int mode);


}  // namespace vorlane
