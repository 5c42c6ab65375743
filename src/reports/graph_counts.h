#pragma once
// Records per child value of a value-tree node, with the paid amount and
// value of the counted records: the numbers behind the graph window.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/value_tree_ops.h"
#include "storage/database.h"
#include "storage/value_tree.h"

namespace vorlane {

// Ten top-level nodes captioned with the description labels, each holding
// a copy of its description's value tree. Node {k - 1, ...} belongs to
// description k.
ValueTree GraphTree(const Database& db);

struct GraphCounts {
    std::vector<std::string> captions;  // one per child of the node
    std::vector<int> counts;
    double paid = 0;   // detail 1 times quantity, summed
    double value = 0;  // detail 8 times quantity, summed
};

// nullopt when the node does not exist or has no children.
std::optional<GraphCounts> CountGraph(const Database& db, const ValueTree& graphTree, const NodeIndex& node);

// The node of description k (1 ... 10) whose value path is path
// ("Bordeaux : France"); the empty path is the description's own node.
std::optional<NodeIndex> FindGraphNode(const ValueTree& graphTree, int k, std::string_view path);

// A sum as the window shows it: two decimals, a point.
std::string FormatGraphSum(double sum);

}  // namespace vorlane
