#include "editor/value_tree_ops.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <numeric>
#include <system_error>

namespace vorlane {

namespace {

char FoldAscii(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// The letter each Windows-1252 byte sorts as: upper case, accents dropped.
struct SortKeys {
    std::array<unsigned char, 256> key{};
    SortKeys() {
        for (int i = 0; i < 256; ++i) key[static_cast<std::size_t>(i)] = static_cast<unsigned char>(FoldAscii(static_cast<char>(i)));
        // 0xC0 ... 0xDF and, 32 higher, their small letters.
        constexpr std::string_view base = "AAAAAAACEEEEIIIIDNOOOOO\xD7OUUUUY\xDES";
        static_assert(base.size() == 32);
        for (int i = 0; i < 32; ++i) {
            auto letter = static_cast<unsigned char>(base[static_cast<std::size_t>(i)]);
            key[static_cast<std::size_t>(0xC0 + i)] = letter;
            if (i != 0x17 && i != 0x1F) key[static_cast<std::size_t>(0xE0 + i)] = letter;  // not the division sign, not y-diaeresis
        }
        key[0xF7] = 0xF7;
        key[0xFF] = 'Y';
        key[0x8A] = key[0x9A] = 'S';  // S caron
        key[0x8E] = key[0x9E] = 'Z';  // Z caron
        key[0x8C] = key[0x9C] = 'O';  // OE
        key[0x9F] = 'Y';
    }
};
const SortKeys kSortKeys;

unsigned char SortKey(char c) { return kSortKeys.key[static_cast<unsigned char>(c)]; }

std::vector<TreeItem>* ChildListOf(ValueTree& tree, const NodeIndex& parent) {
    if (parent.empty()) return &tree;
    TreeItem* item = NodeAt(tree, parent);
    return item ? &item->children : nullptr;
}

template <class T>
void Permute(std::vector<T>& items, const std::vector<std::size_t>& order) {
    std::vector<T> sorted;
    sorted.reserve(items.size());
    for (std::size_t old : order) sorted.push_back(std::move(items[old]));
    items = std::move(sorted);
}

std::vector<std::size_t> OrderOf(const std::vector<TreeItem>& items) {
    std::vector<std::string> texts;
    texts.reserve(items.size());
    for (const TreeItem& item : items) texts.push_back(item.text);
    return SortedOrder(texts);
}

void SortLevel(std::vector<TreeItem>& items) {
    Permute(items, OrderOf(items));
    for (TreeItem& item : items) SortLevel(item.children);
}

}  // namespace

const TreeItem* NodeAt(const ValueTree& tree, const NodeIndex& index) {
    if (index.empty()) return nullptr;
    const std::vector<TreeItem>* level = &tree;
    const TreeItem* item = nullptr;
    for (std::size_t position : index) {
        if (position >= level->size()) return nullptr;
        item = &(*level)[position];
        level = &item->children;
    }
    return item;
}

TreeItem* NodeAt(ValueTree& tree, const NodeIndex& index) {
    return const_cast<TreeItem*>(NodeAt(static_cast<const ValueTree&>(tree), index));
}

std::string ValuePath(const ValueTree& tree, const NodeIndex& index) {
    if (!NodeAt(tree, index)) return {};
    std::string path;
    const std::vector<TreeItem>* level = &tree;
    std::vector<const std::string*> texts;
    for (std::size_t position : index) {
        texts.push_back(&(*level)[position].text);
        level = &(*level)[position].children;
    }
    for (auto it = texts.rbegin(); it != texts.rend(); ++it) {
        if (it != texts.rbegin()) path += " : ";
        path += **it;
    }
    return path;
}

bool UsesValue(std::string_view stored, std::string_view path) {
    if (path.empty()) return false;
    // Compare ": " + stored against ": " + path from the end, without building either.
    std::size_t storedLength = stored.size() + 2;
    std::size_t pathLength = path.size() + 2;
    if (storedLength < pathLength) return false;
    auto storedAt = [&](std::size_t i) { return i < 2 ? ": "[i] : stored[i - 2]; };
    auto pathAt = [&](std::size_t i) { return i < 2 ? ": "[i] : path[i - 2]; };
    std::size_t offset = storedLength - pathLength;
    for (std::size_t i = 0; i < pathLength; ++i)
        if (FoldAscii(storedAt(offset + i)) != FoldAscii(pathAt(i))) return false;
    return true;
}

std::size_t CountRecordsUsing(const RecordList& records, int field, std::string_view path) {
    std::size_t count = 0;
    for (const ItemRecord& record : records)
        if (UsesValue(record.Description(field), path)) ++count;
    return count;
}

std::string RemoveQuestion(std::size_t count) {
    return std::to_string(count) + (count == 1 ? " record " : " records ") +
           "will be effected by this change.  Are you sure you want to continue ?";
}

std::size_t CarryRename(RecordList& records, int field, std::string_view oldPath, std::string_view newPath) {
    std::size_t changed = 0;
    for (ItemRecord& record : records) {
        std::string& stored = record.Description(field);
        if (!UsesValue(stored, oldPath)) continue;
        stored.replace(stored.size() - oldPath.size(), oldPath.size(), newPath);
        ++changed;
    }
    return changed;
}

bool ValueLess(std::string_view a, std::string_view b) {
    std::size_t common = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < common; ++i) {
        unsigned char ka = SortKey(a[i]);
        unsigned char kb = SortKey(b[i]);
        if (ka != kb) return ka < kb;
    }
    if (a.size() != b.size()) return a.size() < b.size();
    return a < b;  // same letters: a stable, byte-wise tie-break
}

std::vector<std::size_t> SortedOrder(const std::vector<std::string>& texts) {
    std::vector<std::size_t> order(texts.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    std::stable_sort(order.begin(), order.end(),
                     [&texts](std::size_t a, std::size_t b) { return ValueLess(texts[a], texts[b]); });
    return order;
}

std::string CleanValueText(std::string_view text) {
    std::string clean(text);
    for (char& c : clean)
        if (c == '\t' || c == '\r' || c == '\n') c = ' ';
    return clean;
}

std::string DefaultTreeFileName(int field) { return "description" + std::to_string(field) + ".def"; }

FileResult WriteDefaultTree(const ValueTree& tree, int field, const std::string& folder) {
    namespace fs = std::filesystem;
    if (folder.empty()) return FileResult{false, "There is no folder to write " + DefaultTreeFileName(field) + " to."};
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (ec) return FileResult{false, "Could not create " + folder + ": " + ec.message()};
    return WriteFileSafely((fs::path(folder) / DefaultTreeFileName(field)).string(), TreeToText(tree));
}

DescriptionTreeEditor::DescriptionTreeEditor(Database& db, int field, int currentIndex, Dialogs& dialogs,
                                             std::string userDataFolder)
    : db_(db),
      field_(std::clamp(field, 1, kDescriptionCount)),
      currentIndex_(currentIndex),
      dialogs_(dialogs),
      userDataFolder_(std::move(userDataFolder)),
      tree_(ParseTreeText(db.valueTrees[static_cast<std::size_t>(field_ - 1)])) {}

std::string DescriptionTreeEditor::Caption() const {
    return "Add " + db_.labels[static_cast<std::size_t>(DescriptionLabel(field_))] + " Category";
}

ItemRecord* DescriptionTreeEditor::currentRecord() {
    if (currentIndex_ < 0 || currentIndex_ >= static_cast<int>(db_.records.size())) return nullptr;
    return &db_.records[static_cast<std::size_t>(currentIndex_)];
}

std::optional<NodeIndex> DescriptionTreeEditor::addValue(const NodeIndex& selected, std::string_view text,
                                                         bool asChild) {
    if (text.empty()) return std::nullopt;
    // A selection that names no node counts as none.
    NodeIndex parent;
    if (NodeAt(tree_, selected)) {
        parent = selected;
        if (!asChild) parent.pop_back();
    }
    // Deeper than the text form can hold, a child would come back as a sibling.
    if (parent.size() >= static_cast<std::size_t>(kMaxTreeDepth)) return std::nullopt;
    std::vector<TreeItem>* siblings = ChildListOf(tree_, parent);
    siblings->push_back(TreeItem{CleanValueText(text), {}});
    NodeIndex added = parent;
    added.push_back(siblings->size() - 1);
    if (ItemRecord* record = currentRecord()) record->Description(field_) = ValuePath(tree_, added);
    return added;
}

std::optional<NodeIndex> DescriptionTreeEditor::Insert(const NodeIndex& selected, std::string_view text) {
    return addValue(selected, text, false);
}

std::optional<NodeIndex> DescriptionTreeEditor::AddChild(const NodeIndex& selected, std::string_view text) {
    return addValue(selected, text, true);
}

bool DescriptionTreeEditor::Remove(const NodeIndex& selected) {
    if (!NodeAt(tree_, selected)) return false;
    std::size_t count = CountRecordsUsing(db_.records, field_, ValuePath(tree_, selected));
    if (count != 0 && !dialogs_.AskYesNo(RemoveQuestion(count))) return false;
    NodeIndex parent(selected.begin(), selected.end() - 1);
    std::vector<TreeItem>* siblings = ChildListOf(tree_, parent);
    siblings->erase(siblings->begin() + static_cast<std::ptrdiff_t>(selected.back()));
    return true;
}

bool DescriptionTreeEditor::Rename(const NodeIndex& selected, std::string_view text) {
    TreeItem* item = NodeAt(tree_, selected);
    if (!item || text.empty()) return false;
    std::string oldPath = ValuePath(tree_, selected);
    item->text = CleanValueText(text);
    CarryRename(db_.records, field_, oldPath, ValuePath(tree_, selected));
    return true;
}

std::optional<std::vector<std::size_t>> DescriptionTreeEditor::SortChildren(const NodeIndex& selected) {
    TreeItem* item = NodeAt(tree_, selected);
    if (!item) return std::nullopt;
    std::vector<std::size_t> order = OrderOf(item->children);
    Permute(item->children, order);
    return order;
}

void DescriptionTreeEditor::SortEverything() { SortLevel(tree_); }

bool DescriptionTreeEditor::CanDrop(const NodeIndex& dragged, const NodeIndex& target) {
    return !dragged.empty() && dragged.size() == target.size() && dragged != target;
}

std::optional<NodeIndex> DescriptionTreeEditor::Move(const NodeIndex& dragged, const NodeIndex& target) {
    if (!CanDrop(dragged, target) || !NodeAt(tree_, dragged) || !NodeAt(tree_, target)) return std::nullopt;
    NodeIndex fromParent(dragged.begin(), dragged.end() - 1);
    NodeIndex toParent(target.begin(), target.end() - 1);
    std::vector<TreeItem>* from = ChildListOf(tree_, fromParent);
    TreeItem moving = std::move((*from)[dragged.back()]);
    from->erase(from->begin() + static_cast<std::ptrdiff_t>(dragged.back()));

    // Both nodes sit at the same depth, so taking the dragged one out can
    // only shift the target when they share a parent and it came first.
    NodeIndex at = target;
    if (fromParent == toParent && dragged.back() < target.back()) --at.back();
    std::vector<TreeItem>* to = ChildListOf(tree_, toParent);
    to->insert(to->begin() + static_cast<std::ptrdiff_t>(at.back()), std::move(moving));
    return at;
}

bool DescriptionTreeEditor::MakeDefault() {
    FileResult written = WriteDefaultTree(tree_, field_, userDataFolder_);
    if (!written.ok) dialogs_.Error(written.error);
    return written.ok;
}

void DescriptionTreeEditor::Commit() { db_.valueTrees[static_cast<std::size_t>(field_ - 1)] = TreeToText(tree_); }

}  // namespace vorlane
