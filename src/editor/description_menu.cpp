#include "editor/description_menu.h"

#include <algorithm>

#include "storage/value_tree.h"

namespace vorlane {

namespace {

// Depth is bounded by the tree parser, so recursion stays shallow.
void AddValues(const std::vector<TreeItem>& items, int field, std::vector<DescriptionMenuEntry>& out) {
    out.reserve(out.size() + items.size());
    for (const TreeItem& item : items) {
        DescriptionMenuEntry entry{DescriptionMenuKind::Value, item.text, field, {}};
        AddValues(item.children, field, entry.children);
        out.push_back(std::move(entry));
    }
}

}  // namespace

std::string AddNewCaption(const std::string& label) {
    std::string upper = label;
    for (char& c : upper)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return "ADD NEW " + upper + " CATEGORY";
}

DescriptionMenu MakeMenu(const std::string& label, const std::string& treeText, int field) {
    DescriptionMenu menu;
    menu.field = field;
    menu.entries.push_back({DescriptionMenuKind::AddNew, AddNewCaption(label), field, {}});
    menu.entries.push_back({DescriptionMenuKind::ClearField, kClearFieldCaption, field, {}});
    AddValues(ParseTreeText(treeText), field, menu.entries);
    return menu;
}

DescriptionMenu MakeMenu(const Database& db, int field) {
    field = std::clamp(field, 1, kDescriptionCount);
    return MakeMenu(db.labels[static_cast<std::size_t>(DescriptionLabel(field))],
                    db.valueTrees[static_cast<std::size_t>(field - 1)], field);
}

const DescriptionMenuEntry* MenuEntryAt(const DescriptionMenu& menu, const std::vector<std::size_t>& chosen) {
    const std::vector<DescriptionMenuEntry>* level = &menu.entries;
    const DescriptionMenuEntry* entry = nullptr;
    for (std::size_t position : chosen) {
        if (position >= level->size()) return nullptr;
        entry = &(*level)[position];
        level = &entry->children;
    }
    return entry;
}

std::string MenuValuePath(const DescriptionMenu& menu, const std::vector<std::size_t>& chosen) {
    std::vector<const std::string*> captions;  // outermost first
    const std::vector<DescriptionMenuEntry>* level = &menu.entries;
    const DescriptionMenuEntry* entry = nullptr;
    for (std::size_t position : chosen) {
        if (position >= level->size()) return {};
        entry = &(*level)[position];
        captions.push_back(&entry->caption);
        level = &entry->children;
    }
    if (!entry || entry->kind != DescriptionMenuKind::Value) return {};
    std::string path;
    for (auto it = captions.rbegin(); it != captions.rend(); ++it) {
        if (it != captions.rbegin()) path += " : ";
        path += **it;
    }
    return path;
}

void CustomizeLabel(LabelTable& labels, int label, Dialogs& dialogs) {
    if (label < 0 || label >= kLabelCount) return;
    std::string& text = labels[static_cast<std::size_t>(label)];
    text = dialogs.Prompt(kFieldNameCaption, kFieldNamePrompt, text);
}

}  // namespace vorlane
