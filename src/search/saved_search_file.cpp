#include "search/saved_search_file.h"

#include <new>

#include "search/search_messages.h"
#include "storage/safe_file.h"
#include "storage/value_stream.h"

namespace vorlane {

namespace {
// A search file is a few kilobytes; anything far larger is not one.
constexpr std::size_t kMaxSearchFileBytes = std::size_t{64} << 20;
}  // namespace

std::string EncodeSavedSearch(const SearchTerms& terms) {
    ValueWriter w;
    w.WriteInteger(terms.gridRowCount());
    for (const auto& row : terms.rows()) {
        w.WriteString(row.type);
        w.WriteString(row.value);
        w.WriteInteger(row.link);
    }
    for (const auto& slot : terms.criteria()) {
        w.WriteString(slot.value);
        w.WriteString(slot.highValue);
        w.WriteInteger(slot.type);
        w.WriteInteger(slot.code);
    }
    return w.take();
}

void CaptionRows(SearchTerms& terms, const LabelTable& labels, const SearchCaptions& captions) {
    for (auto& row : terms.mutableRows())
        row.field = IsSlotNumber(row.link) ? SearchFieldCaption(terms.slot(row.link).code, labels, captions)
                                           : std::string();
}

bool DecodeSavedSearch(std::string_view bytes, SearchTerms& terms, const LabelTable& labels,
                       const SearchCaptions& captions) {
    terms.Clear();
    auto& rows = terms.mutableRows();
    rows.clear();
    bool ok = true;
    try {
        ValueReader r(bytes);
        const std::int32_t gridRows = r.ReadInteger();
        // The grid never holds more term rows than there are slots; a larger
        // count is no search of ours and must not make a huge grid.
        if (gridRows > kMaxTermRows + 1) throw ReadError("Too many term rows");
        for (std::int32_t n = 1; n < gridRows; ++n) {
            rows.emplace_back();
            TermRow& row = rows.back();
            row.type = r.ReadString();
            row.value = r.ReadString();
            row.link = r.ReadInteger();
        }
        for (int s = 1; s <= kSlotCount; ++s) {
            SearchRecord& slot = terms.mutableSlot(s);
            slot.value = r.ReadString();
            slot.highValue = r.ReadString();
            slot.type = r.ReadInteger();
            slot.code = r.ReadInteger();
        }
    } catch (const ReadError&) {
        ok = false;
    } catch (const std::bad_alloc&) {
        ok = false;
    }
    // The grid always keeps one term row.
    if (rows.empty()) rows.emplace_back();
    CaptionRows(terms, labels, captions);
    return ok;
}

std::string SaveSearchFile(const SearchTerms& terms, const std::string& path) {
    if (path.empty()) return kMsgSearchNotSaved;
    FileResult result = WriteFileSafely(path, EncodeSavedSearch(terms));
    return result.ok ? kMsgSearchSaved : kMsgSearchNotSaved;
}

std::string LoadSearchFile(const std::string& path, SearchTerms& terms, const LabelTable& labels,
                           const SearchCaptions& captions) {
    std::string bytes;
    if (!ReadWholeFile(path, bytes, kMaxSearchFileBytes).ok) return kMsgSearchInvalid;
    return DecodeSavedSearch(bytes, terms, labels, captions) ? std::string() : std::string(kMsgSearchInvalid);
}

}  // namespace vorlane
