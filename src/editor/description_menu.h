#pragma once
// What a description field's pop-up menu holds, the value a choice from it
// stores, and the renaming of field labels.

#include <cstddef>
#include <string>
#include <vector>

#include "storage/database.h"
#include "storage/dialogs.h"
#include "storage/labels.h"

namespace vorlane {

enum class DescriptionMenuKind { AddNew, ClearField, Value };

struct DescriptionMenuEntry {
    DescriptionMenuKind kind = DescriptionMenuKind::Value;
    std::string caption;  // the value's own text for Value entries
    int field = 0;        // 1 ... 10
    std::vector<DescriptionMenuEntry> children;  // a value with children opens a submenu
    bool operator==(const DescriptionMenuEntry&) const = default;
};

struct DescriptionMenu {
    int field = 0;
    std::vector<DescriptionMenuEntry> entries;  // ADD NEW, CLEAR FIELD, then the top-level values
};

inline constexpr const char* kClearFieldCaption = "CLEAR FIELD";
inline constexpr const char* kFieldNameCaption = "Field Name";
inline constexpr const char* kFieldNamePrompt = "Please enter a new Filed Name:";

// "ADD NEW " + the label in capitals (A-Z only) + " CATEGORY".
std::string AddNewCaption(const std::string& label);

// The menu of description field (1 ... 10) from its label and its value
// tree in text form.
DescriptionMenu MakeMenu(const std::string& label, const std::string& treeText, int field);
DescriptionMenu MakeMenu(const Database& db, int field);

// The entry reached by chosen: entries[chosen[0]].children[chosen[1]]...;
// nullptr when chosen names none.
const DescriptionMenuEntry* MenuEntryAt(const DescriptionMenu& menu, const std::vector<std::size_t>& chosen);

// The value a choice stores: the chosen entry's caption, then " : " and the
// caption of each enclosing submenu entry going outward. Empty when chosen
// does not name a value entry.
std::string MenuValuePath(const DescriptionMenu& menu, const std::vector<std::size_t>& chosen);

// A click on a field label: asks for its new name, pre-filled with the
// current one. Whatever is answered, the empty text included, becomes the
// label; a cancelled prompt keeps it. label: 0 ... 19 of the label table.
void CustomizeLabel(LabelTable& labels, int label, Dialogs& dialogs);

}  // namespace vorlane
