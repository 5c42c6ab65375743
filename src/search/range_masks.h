#pragma once
// The "Select Range" dialog as data: its input mask and default texts per
// detail field, what its three edits show on opening, and what each OK does.

#include <string>

#include "search/search_record.h"

namespace vorlane {

struct RangeSetup {
    std::string mask;  // edit mask in the main window's notation ("!9090/90/00;1;_"), "" for none
    std::string defaultLow;
    std::string defaultHigh;
    bool operator==(const RangeSetup&) const = default;
};

// For search field numbers 100 ... 190; details without a mask get empty defaults.
RangeSetup RangeSetupFor(int number);

// The same mask in Qt's QLineEdit::inputMask notation, where the meanings of
// '9' and '0' are swapped; "" stays "".
std::string ToQtInputMask(const std::string& editMask);

inline constexpr const char* kRangeDialogCaption = "Select Range";

struct RangeDialogTexts {
    std::string mask;
    std::string recordValue;  // "Include Specific Record:"
    std::string lowValue;     // "From:"
    std::string highValue;    // "To:"
};
RangeDialogTexts OpenRangeDialog(const SearchRecord& criterion, const RangeSetup& setup);

enum class RangeFocus { None, RecordValue, LowValue, HighValue };

// The answer to either OK button. When refused, show message and focus the edit;
// when accepted, the dialog closes and the term takes the values.
struct RangeAnswer {
    bool accepted = false;
    std::string message;
    RangeFocus focus = RangeFocus::None;
    std::string value;
    std::string highValue;
    std::string cellText;  // what the "Value" cell shows
};

// Emptiness is judged on the text as shown, mask literals included.
RangeAnswer AcceptSpecificValue(const std::string& text);
RangeAnswer AcceptRange(const std::string& from, const std::string& to);

}  // namespace vorlane
