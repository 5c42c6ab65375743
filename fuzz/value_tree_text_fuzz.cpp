// Value trees in text form, and the editing commands over whatever tree they
// make: nothing may crash, and the text form must settle after one round.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/description_menu.h"
#include "editor/value_tree_ops.h"
#include "storage/value_tree.h"

namespace {

using namespace vorlane;

class YesDialogs : public Dialogs {
public:
    void Information(const std::string&) override {}
    void Error(const std::string&) override {}
    bool AskYesNo(const std::string&) override { return true; }
    Answer AskYesNoCancel(const std::string&) override { return Answer::Yes; }
    std::string Prompt(const std::string&, const std::string&, const std::string& defaultText, bool) override {
        return defaultText;
    }
    std::optional<std::string> ChooseFileToOpen(const std::string&, const std::string&, const std::string&) override {
        return std::nullopt;
    }
    std::optional<std::string> ChooseFileToSave(const std::string&, const std::string&, const std::string&,
                                                const std::string&) override {
        return std::nullopt;
    }
    std::size_t AskChoice(const std::string&, const std::vector<std::string>&) override {
        return 0;
    }
};

void Check(bool ok) {
    if (!ok) std::abort();
}

// Walks from the top along bytes of steer; stops where the tree ends.
NodeIndex PickNode(const ValueTree& tree, std::string_view& steer) {
    NodeIndex index;
    const std::vector<TreeItem>* level = &tree;
    while (!steer.empty() && !level->empty()) {
        auto byte = static_cast<unsigned char>(steer.front());
        steer.remove_prefix(1);
        if (byte < 32 && !index.empty()) break;
        index.push_back(byte % level->size());
        level = &(*level)[index.back()].children;
    }
    return index;
}

void Stable(std::string_view text) {
    std::string once = TreeToText(ParseTreeText(text));
    std::string twice = TreeToText(ParseTreeText(once));
    Check(once == twice);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first bytes steer the commands; the rest is the tree.
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::size_t split = input.empty() ? 0 : static_cast<unsigned char>(input[0]) % 17;
    if (split > input.size()) split = input.size();
    std::string_view steer = input.substr(0, split);
    std::string_view text = input.substr(split);

    Stable(text);
    ValueTree tree = ParseTreeText(text);
    Check(ParseTreeText(TreeToText(tree)) == tree);

    Database db;
    db.valueTrees[0] = std::string(text);
    db.records.resize(3);
    db.records[0].Description(1) = std::string(text.substr(0, 40));
    DescriptionMenu menu = MakeMenu(db, 1);
    Check(menu.entries.size() == tree.size() + 2);

    YesDialogs dialogs;
    DescriptionTreeEditor editor(db, 1, 1, dialogs, "");
    while (steer.size() >= 2) {
        auto command = static_cast<unsigned char>(steer.front()) % 9;
        steer.remove_prefix(1);
        NodeIndex node = PickNode(editor.tree(), steer);
        std::string path = ValuePath(editor.tree(), node);
        if (!node.empty()) {
            std::vector<std::size_t> chosen = node;
            chosen[0] += 2;
            Check(MenuValuePath(MakeMenu("x", TreeToText(editor.tree()), 1), chosen) == path);
        }
        switch (command) {
            case 0: editor.Insert(node, text.substr(0, 8)); break;
            case 1: editor.AddChild(node, text.substr(0, 8)); break;
            case 2: editor.Remove(node); break;
            case 3: {
                // Every record that used the old value uses the new one.
                std::size_t before = CountRecordsUsing(db.records, 1, path);
                if (editor.Rename(node, "R : x")) {
                    std::string renamed = ValuePath(editor.tree(), node);
                    Check(path.empty() || CountRecordsUsing(db.records, 1, renamed) >= before);
                }
                break;
            }
            case 4: editor.SortChildren(node); break;
            case 5: editor.SortEverything(); break;
            case 6: editor.Move(node, PickNode(editor.tree(), steer)); break;
            case 7: CountRecordsUsing(db.records, 1, path); break;
            default: Check(UsesValue(path + " : " + path, path) == !path.empty()); break;
        }
        Check(ParseTreeText(TreeToText(editor.tree())) == editor.tree());
    }
    editor.Commit();
    Stable(db.valueTrees[0]);
    return 0;
}
