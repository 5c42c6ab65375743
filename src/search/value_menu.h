#pragma once
// The description value menus of the search window: one entry per value-tree
// node, each level in reverse tree order, every entry carrying the value path
// a record stores for it.

#include <array>
#include <string>
#include <vector>

#include "storage/database.h"

namespace vorlane {

struct ValueMenuEntry {
    std::string caption;                  // the node's text
    std::string value;                    // leaf first: "Pauillac : Bordeaux : France"
    std::vector<ValueMenuEntry> children;  // a node with children is a submenu
    bool operator==(const ValueMenuEntry&) const = default;
};
using ValueMenu = std::vector<ValueMenuEntry>;

// From a value tree in text form (tabs for depth, CR LF).
ValueMenu BuildValueMenu(const std::string& treeText);

// All ten, description 1 at [0]; rebuilt whenever the record list may have changed.
std::array<ValueMenu, kDescriptionCount> BuildValueMenus(const Database& db);

}  // namespace vorlane
