#include "search/value_menu.h"

#include "storage/value_tree.h"

namespace vorlane {

namespace {
// Depth is bounded by the tree parser, so recursion stays shallow.
void build(const std::vector<TreeItem>& items, const std::string& suffix, ValueMenu& out) {
    out.reserve(items.size());
    for (auto it = items.rbegin(); it != items.rend(); ++it) {
        ValueMenuEntry entry;
        entry.caption = it->text;
        entry.value = it->text + suffix;
        build(it->children, " : " + entry.value, entry.children);
        out.push_back(std::move(entry));
    }
}
}  // namespace

ValueMenu BuildValueMenu(const std::string& treeText) {
    ValueMenu menu;
    build(ParseTreeText(treeText), "", menu);
    return menu;
}

std::array<ValueMenu, kDescriptionCount> BuildValueMenus(const Database& db) {
    std::array<ValueMenu, kDescriptionCount> menus;
    for (std::size_t i = 0; i < menus.size(); ++i) menus[i] = BuildValueMenu(db.valueTrees[i]);
    return menus;
}

}  // namespace vorlane
