#include "reports/graph_counts.h"

#include <charconv>

#include "storage/ascii_case.h"
#include "storage/fields.h"
#include "storage/number_text.h"

namespace vorlane {

namespace {

std::string KeyOf(std::string_view text) {
    std::string key = ": ";
    key.reserve(text.size() + 2);
    for (char c : text) key.push_back(AsciiLower(c));
    return key;
}

// Whether ": " + lower(stored) ends with key, without building the text.
bool KeyEndsWith(std::string_view stored, std::string_view key) {
    constexpr std::string_view kLead = ": ";
    const std::size_t length = stored.size() + kLead.size();
    if (length < key.size()) return false;
    for (std::size_t i = length - key.size(), j = 0; j < key.size(); ++i, ++j) {
        char c = i < kLead.size() ? kLead[i] : AsciiLower(stored[i - kLead.size()]);
        if (c != key[j]) return false;
    }
    return true;
}

// A money detail's digits read as a decimal number; nullopt when they do
// not make one (a lone point).
std::optional<double> MoneyOf(std::string_view detail) {
    return ParseNumberText(NumericValue(detail));
}

}  // namespace

ValueTree GraphTree(const Database& db) {
    ValueTree tree;
    tree.reserve(kDescriptionCount);
    for (int k = 1; k <= kDescriptionCount; ++k) {
        TreeItem top;
        top.text = db.labels[static_cast<std::size_t>(DescriptionLabel(k))];
        top.children = ParseTreeText(db.valueTrees[static_cast<std::size_t>(k - 1)]);
        tree.push_back(std::move(top));
    }
    return tree;
}

std::optional<GraphCounts> CountGraph(const Database& db, const ValueTree& graphTree, const NodeIndex& node) {
    const TreeItem* item = NodeAt(graphTree, node);
    if (!item || item->children.empty()) return std::nullopt;
    const int k = static_cast<int>(node[0]) + 1;

    // Every record key and child key ends with " : " and the label, so
    // the records' stored paths are matched against the child keys less it.
    const NodeIndex inValueTree(node.begin() + 1, node.end());
    const std::string pathBelowLabel =
        inValueTree.empty() ? "" : " : " + ValuePath(graphTree[node[0]].children, inValueTree);
    GraphCounts result;
    std::vector<std::string> childKeys;
    for (const TreeItem& child : item->children) {
        result.captions.push_back(child.text);
        childKeys.push_back(KeyOf(child.text + pathBelowLabel));
    }
    result.counts.assign(childKeys.size(), 0);

    const bool weighted = db.labels[static_cast<std::size_t>(DetailLabel(9))] == "Quantity";
    for (const ItemRecord& record : db.records) {
        const std::string& stored = record.Description(k);
        if (stored.empty()) continue;
        for (std::size_t i = 0; i < childKeys.size(); ++i) {
            if (!KeyEndsWith(stored, childKeys[i])) continue;
            ++result.counts[i];
            const double q = weighted ? static_cast<double>(QuantityValue(record.Details[9])) : 1.0;
            if (auto value = MoneyOf(record.Details[8])) result.value += *value * q;
            if (auto paid = MoneyOf(record.Details[1])) result.paid += *paid * q;
        }
    }
    return result;
}

std::optional<NodeIndex> FindGraphNode(const ValueTree& graphTree, int k, std::string_view path) {
    if (k < 1 || k > static_cast<int>(graphTree.size())) return std::nullopt;
    NodeIndex index{static_cast<std::size_t>(k - 1)};
    if (path.empty()) return index;
    // The path names the value first and the top-level value last.
    std::vector<std::string_view> parts;
    constexpr std::string_view kSeparator = " : ";
    for (std::size_t start = 0;;) {
        std::size_t at = path.find(kSeparator, start);
        parts.push_back(path.substr(start, at == std::string_view::npos ? std::string_view::npos : at - start));
        if (at == std::string_view::npos) break;
        start = at + kSeparator.size();
    }
    const TreeItem* item = &graphTree[index[0]];
    for (auto part = parts.rbegin(); part != parts.rend(); ++part) {
        std::size_t i = 0;
        while (i < item->children.size() && item->children[i].text != *part) ++i;
        if (i == item->children.size()) return std::nullopt;
        index.push_back(i);
        item = &item->children[i];
    }
    return index;
}

std::string FormatGraphSum(double sum) {
    char text[400];  // room for the widest double in fixed notation
    auto result = std::to_chars(text, text + sizeof text, sum, std::chars_format::fixed, 2);
    return std::string(text, result.ptr);
}

}  // namespace vorlane
