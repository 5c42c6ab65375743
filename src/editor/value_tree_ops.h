#pragma once
// Editing one description field's value tree, and keeping the records that
// use its values in step: the rules behind the "Add ... Category" window.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/database.h"
#include "storage/dialogs.h"
#include "storage/safe_file.h"
#include "storage/value_tree.h"

namespace vorlane {

// A node by its child positions from the top: {2, 0} is the first child of
// the third top-level value. Empty means no node (nothing selected).
using NodeIndex = std::vector<std::size_t>;

// nullptr when index does not name a node.
const TreeItem* NodeAt(const ValueTree& tree, const NodeIndex& index);
TreeItem* NodeAt(ValueTree& tree, const NodeIndex& index);

// The stored form of a value: its text, then " : " and each enclosing
// value's text up to the top ("Merlot : Red : Grape").
std::string ValuePath(const ValueTree& tree, const NodeIndex& index);

// Whether a stored description is the value with this path or lies below
// it: ": " + stored ends with ": " + path, letters A-Z in either case. The
// empty path (a nameless top-level value) matches nothing, since an empty
// field is a field without a value.
bool UsesValue(std::string_view stored, std::string_view path);

// Records whose description field (1 ... 10) uses the value or one below it.
std::size_t CountRecordsUsing(const RecordList& records, int field, std::string_view path);

// The question asked before removing a value that records use.
std::string RemoveQuestion(std::size_t count);

// Rewrites, in every record, the part of description field that is oldPath
// (matched as UsesValue does) into newPath; the rest of each path stays as
// stored. Returns how many records changed.
std::size_t CarryRename(RecordList& records, int field, std::string_view oldPath, std::string_view newPath);

// Alphabetical order for the sort commands: letters compared without case
// and accents, then byte for byte so that equal-looking texts stay apart.
bool ValueLess(std::string_view a, std::string_view b);
// The stable order that sorts texts: result[i] = old position of the i-th.
std::vector<std::size_t> SortedOrder(const std::vector<std::string>& texts);

// A tree edit's text may not hold line breaks or tabs: they would change
// the shape of the tree the next time the text form is read.
std::string CleanValueText(std::string_view text);

// description<field>.def, the file that "Make Default" writes and a new
// database reads.
std::string DefaultTreeFileName(int field);
// Writes the tree's text form to folder/description<field>.def, replacing
// it; creates folder when it is missing.
FileResult WriteDefaultTree(const ValueTree& tree, int field, const std::string& folder);

// The tree editor's state and commands for description field n (1 ... 10)
// of a database. Record changes happen at once; the tree goes back into the
// database on Commit.
class DescriptionTreeEditor {
public:
    // currentIndex: the record the main window shows (-1 none), which
    // receives every inserted value.
    DescriptionTreeEditor(Database& db, int field, int currentIndex, Dialogs& dialogs, std::string userDataFolder);

    int field() const { return field_; }
    const ValueTree& tree() const { return tree_; }
    // "Add " + label of the field + " Category".
    std::string Caption() const;

    // Insert: a new value as the last sibling of selected (the last top-level
    // value when nothing is selected). Add Child: the last child of selected
    // (a top-level value when nothing is selected). Either way the new value
    // becomes description n of the current record. Nothing happens for an
    // empty text. Returns the new node.
    std::optional<NodeIndex> Insert(const NodeIndex& selected, std::string_view text);
    std::optional<NodeIndex> AddChild(const NodeIndex& selected, std::string_view text);

    // Asks first when records use the value or one below it; the records
    // keep their stored paths. False when nothing was removed.
    bool Remove(const NodeIndex& selected);

    // Renames the value and carries the new path into every record.
    bool Rename(const NodeIndex& selected, std::string_view text);

    // The new order of the selected value's children (result[i] = old
    // position), empty when nothing is selected.
    std::optional<std::vector<std::size_t>> SortChildren(const NodeIndex& selected);
    void SortEverything();

    // Drag and drop: only onto another value at the same depth; the dragged
    // value and everything below it go just before target, as its sibling.
    // Records are not changed. Returns where the dragged value now is.
    static bool CanDrop(const NodeIndex& dragged, const NodeIndex& target);
    std::optional<NodeIndex> Move(const NodeIndex& dragged, const NodeIndex& target);

    // Writes the tree as this field's default tree into the per-user data
    // folder; tells the person when that fails.
    bool MakeDefault();

    // The edited tree replaces the field's value tree in the database.
    void Commit();

private:
    std::optional<NodeIndex> addValue(const NodeIndex& selected, std::string_view text, bool asChild);
    ItemRecord* currentRecord();

    Database& db_;
    int field_;
    int currentIndex_;
    Dialogs& dialogs_;
    std::string userDataFolder_;
    ValueTree tree_;
};

}  // namespace vorlane
