#include "search/range_masks.h"

#include "search/search_messages.h"
#include "storage/fields.h"

namespace vorlane {

RangeSetup RangeSetupFor(int number) {
    switch (number) {
        case SearchFieldOfDetail(2): return {"!9090/90/00;1;_", "0000/01/01", "2050/12/12"};
        case SearchFieldOfDetail(3): return {"9090;1;_", "0000", "2050"};
        case SearchFieldOfDetail(4): return {"", "00:00:00", "99:99:99"};
        case SearchFieldOfDetail(5): return {"", "000", "999"};
        case SearchFieldOfDetail(9): return {"99;1;_", "00", "99"};
        default: return {};
    }
}

std::string ToQtInputMask(const std::string& editMask) {
    if (editMask.empty()) return {};
    // "picture;save-literals;blank": Qt has no save-literals part.
    std::string picture = editMask;
    std::string blank;
    auto first = editMask.find(';');
    if (first != std::string::npos) {
        picture = editMask.substr(0, first);
        auto second = editMask.find(';', first + 1);
        if (second != std::string::npos) blank = editMask.substr(second + 1);
    }
    std::string out;
    for (std::size_t i = 0; i < picture.size(); ++i) {
        char c = picture[i];
        if (c == '!') continue;  // blank trimming has no Qt counterpart
        if (c == '9') out.push_back('0');
        else if (c == '0') out.push_back('9');
        else if (c == '\\' && i + 1 < picture.size()) {
            out.push_back('\\');
            out.push_back(picture[++i]);
        } else out.push_back(c);
    }
    if (!blank.empty()) {
        out.push_back(';');
        out.push_back(blank[0]);
    }
    return out;
}

RangeDialogTexts OpenRangeDialog(const SearchRecord& criterion, const RangeSetup& setup) {
    RangeDialogTexts texts;
    texts.mask = setup.mask;
    texts.recordValue = criterion.value.empty() ? setup.defaultLow : criterion.value;
    texts.lowValue = texts.recordValue;
    texts.highValue = criterion.highValue.empty() ? setup.defaultHigh : criterion.highValue;
    return texts;
}

RangeAnswer AcceptSpecificValue(const std::string& text) {
    RangeAnswer answer;
    if (text.empty()) {
        answer.message = kMsgEnterValue;
        answer.focus = RangeFocus::RecordValue;
        return answer;
    }
    answer.accepted = true;
    answer.value = text;
    answer.highValue = text;
    answer.cellText = text;
    return answer;
}

RangeAnswer AcceptRange(const std::string& from, const std::string& to) {
    RangeAnswer answer;
    if (from.empty()) {
        answer.message = kMsgEnterFrom;
        answer.focus = RangeFocus::LowValue;
        return answer;
    }
    if (to.empty()) {
        answer.message = kMsgEnterTo;
        answer.focus = RangeFocus::HighValue;
        return answer;
    }
    answer.accepted = true;
    answer.value = from;
    answer.highValue = to;
    answer.cellText = from + " < " + to;
    return answer;
}

}  // namespace vorlane
