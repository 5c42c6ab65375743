#include "editor/record_commands.h"

#include <algorithm>
#include <charconv>

#include "editor/record_sort.h"

namespace vorlane {

void RecordCommands::writeBack() { session_.WriteBackCurrent(); }
void RecordCommands::show() { session_.ShowCurrentRecord(); }

void RecordCommands::Next() {
    int count = static_cast<int>(session_.records().size());
    if (session_.currentIndex < count - 1) {
        writeBack();
        ++session_.currentIndex;
        show();
    } else {
        session_.dialogs().Information("You are already on the last record in the database.");
    }
}

void RecordCommands::Previous() {
    if (session_.currentIndex <= 0 || session_.records().empty()) {
        session_.dialogs().Information("You are already on the first item in the database.");
        return;
    }
    writeBack();
    --session_.currentIndex;
    show();
}

std::optional<int> RecordIndexFromText(const std::string& text, std::size_t recordCount) {
    // A whole number, optionally signed, with blanks around it.
    std::size_t begin = text.find_first_not_of(' ');
    std::size_t end = text.find_last_not_of(' ');
    if (begin == std::string::npos) return std::nullopt;
    const char* first = text.data() + begin;
    const char* last = text.data() + end + 1;
    if (*first == '+') ++first;
    long long n = 0;
    auto result = std::from_chars(first, last, n);
    if (result.ec == std::errc::result_out_of_range) n = (*first == '-') ? 0 : static_cast<long long>(recordCount);
    else if (result.ec != std::errc() || result.ptr != last) return std::nullopt;
    if (n < 1 || recordCount == 0) return 0;
    return static_cast<int>(std::min(n - 1, static_cast<long long>(recordCount) - 1));
}

void RecordCommands::GoTo(const std::string& text) {
    writeBack();
    std::optional<int> index = RecordIndexFromText(text, session_.records().size());
    if (!index) {
        session_.dialogs().Information(kInvalidRecordNumber);
        show();
        return;
    }
    session_.currentIndex = *index;
    show();
}

void RecordCommands::NextSearch() {
    const auto& records = session_.records();
    int start = session_.currentIndex;
    int count = static_cast<int>(records.size());
    if (start >= count - 1) {
        session_.dialogs().Information("There are no records in the search list after this one.");
        return;
    }
    writeBack();
    int i = start;
    do {
        ++i;
    } while (i < count - 1 && !records[static_cast<std::size_t>(i)].OnSearchList);
    if (!records[static_cast<std::size_t>(i)].OnSearchList) {
        session_.dialogs().Information("There are no records on the Search List after this one.");
        i = start;
    }
    session_.currentIndex = i;
    show();
}

void RecordCommands::PreviousSearch() {
    const auto& records = session_.records();
    int start = session_.currentIndex;
    if (start <= 0 || records.empty()) {
        session_.dialogs().Information("There are no records in the search list prior to this one.");
        return;
    }
    writeBack();
    int i = start;
    do {
        --i;
    } while (i > 0 && !records[static_cast<std::size_t>(i)].OnSearchList);
    if (!records[static_cast<std::size_t>(i)].OnSearchList) {
        session_.dialogs().Information("There are no records on the Search List prior to this one.");
        i = start;
    }
    session_.currentIndex = i;
    show();
}

void RecordCommands::NewRecord() {
    writeBack();
    session_.AppendNewRecord();
    show();
}

void RecordCommands::Copy() {
    if (session_.currentIndex < 0) return;
    clipboard_ = CopiedIndex{static_cast<std::size_t>(session_.currentIndex)};
}

void RecordCommands::Delete(bool readOnlyTicked) {
    if (readOnlyTicked) {
        session_.dialogs().Information("You may not delete read only records.");
        return;
    }
    session_.recordListChanged = true;
    auto& records = session_.records();
    if (records.size() <= 1 || session_.currentIndex < 0) return;
    auto index = static_cast<std::size_t>(session_.currentIndex);
    clipboard_ = std::move(records[index]);
    records.erase(records.begin() + static_cast<std::ptrdiff_t>(index));
    if (session_.currentIndex == static_cast<int>(records.size())) --session_.currentIndex;
    show();
}

void RecordCommands::Insert() {
    if (!insertEnabled()) return;
    writeBack();
    session_.recordListChanged = true;
    auto& records = session_.records();
    ItemRecord copy;
    if (auto* removed = std::get_if<ItemRecord>(&clipboard_)) {
        copy = *removed;
    } else {
        std::size_t source = std::get<CopiedIndex>(clipboard_).index;
        if (source >= records.size()) {
            clipboard_ = std::monostate{};
            return;
        }
        copy = records[source];
    }
    std::size_t at = session_.currentIndex < 0 ? 0 : static_cast<std::size_t>(session_.currentIndex);
    if (at > records.size()) at = records.size();
    records.insert(records.begin() + static_cast<std::ptrdiff_t>(at), std::move(copy));
    session_.currentIndex = static_cast<int>(at);
    clipboard_ = std::monostate{};
    show();
}

void RecordCommands::Sort(int key) {
    writeBack();
    session_.recordListChanged = true;
    sortKey_ = key;
    std::vector<std::size_t> order = SortRecords(session_.records(), key);
    // A copied record is followed to its new place.
    if (auto* copied = std::get_if<CopiedIndex>(&clipboard_)) {
        for (std::size_t i = 0; i < order.size(); ++i)
            if (order[i] == copied->index) {
                copied->index = i;
                break;
            }
    }
    show();
}

}  // namespace vorlane
