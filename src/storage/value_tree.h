#pragma once
// Description value trees: the in-memory text form (tabs for depth, CR LF)
// and the binary item data they are stored as inside database files.

#include <string>
#include <string_view>
#include <vector>

#include "storage/value_stream.h"

namespace vorlane {

struct TreeItem {
    std::string text;
    std::vector<TreeItem> children;
    bool operator==(const TreeItem&) const = default;
};
using ValueTree = std::vector<TreeItem>;  // the top-level items

// Deeper than any cellar needs; keeps hostile files from exhausting the stack.
constexpr int kMaxTreeDepth = 256;

ValueTree ParseTreeText(std::string_view text);
std::string TreeToText(const ValueTree& tree);

std::string EncodeItemData(const ValueTree& tree);
ValueTree DecodeItemData(std::string_view data);  // throws ReadError

void WriteDescriptionTree(ValueWriter& writer, const ValueTree& tree);
ValueTree ReadDescriptionTree(ValueReader& reader);  // throws ReadError

}  // namespace vorlane
