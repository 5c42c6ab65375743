#pragma once
// Moving between records and the record commands of the main window:
// next, previous, go to, search-list stepping, new, copy, delete, insert.

#include <optional>
#include <string>
#include <variant>

#include "storage/database_session.h"

namespace vorlane {

inline constexpr const char* kInvalidRecordNumber = "You have entered an invalid number, please try again";

// A record-number box after Enter: a whole number n makes n - 1 current,
// kept inside the list; nullopt for a text that is not a whole number.
std::optional<int> RecordIndexFromText(const std::string& text, std::size_t recordCount);

class RecordCommands {
public:
    explicit RecordCommands(DatabaseSession& session) : session_(session) {}

    void Next();
    void Previous();
    // The record-number box after Enter.
    void GoTo(const std::string& text);
    void NextSearch();
    void PreviousSearch();

    void NewRecord();
    void Copy();
    // readOnlyTicked: the state of the "Read Only" box on screen.
    void Delete(bool readOnlyTicked);
    void Insert();
    void Sort(int key);

    bool insertEnabled() const { return !std::holds_alternative<std::monostate>(clipboard_); }
    bool deleteEnabled() const { return session_.records().size() > 1; }
    void ClearClipboard() { clipboard_ = std::monostate{}; }
    int sortKey() const { return sortKey_; }

private:
    struct CopiedIndex {
        std::size_t index;
    };
    void writeBack();
    void show();

    DatabaseSession& session_;
    // Copy refers to a record still in the list (so later edits to it are
    // inserted too); Delete keeps the removed record itself.
    std::variant<std::monostate, CopiedIndex, ItemRecord> clipboard_;
    int sortKey_ = 21;
};

}  // namespace vorlane
