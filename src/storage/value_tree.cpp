#include "storage/value_tree.h"

#include <algorithm>

namespace vorlane {

ValueTree ParseTreeText(std::string_view text) {
    ValueTree tree;
    // path[d] is the list that receives items of depth d.
    std::vector<std::vector<TreeItem>*> path{&tree};
    std::size_t pos = 0;
    while (pos < text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string_view line = text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        pos = end == std::string_view::npos ? text.size() : end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        std::size_t depth = 0;
        while (depth < line.size() && line[depth] == '\t') ++depth;
        line.remove_prefix(depth);
        // A line deeper than one below its predecessor hangs under the predecessor.
        std::size_t deepest = path.size() - 1;
        if (depth > deepest) depth = deepest;
        if (depth >= static_cast<std::size_t>(kMaxTreeDepth)) depth = kMaxTreeDepth - 1;
        path.resize(depth + 1);
        auto& siblings = *path[depth];
        siblings.push_back(TreeItem{std::string(line), {}});
        path.push_back(&siblings.back().children);
    }
    return tree;
}

namespace {
void appendText(std::string& out, const std::vector<TreeItem>& items, std::size_t depth) {
    for (const auto& item : items) {
        out.append(depth, '\t');
        out += item.text;
        out += "\r\n";
        appendText(out, item.children, depth + 1);
    }
}

void putInt32(std::string& out, std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<char>(u >> (8 * i)));
}

void appendItems(std::string& out, const std::vector<TreeItem>& items) {
    for (const auto& item : items) {
        std::string_view text = item.text;
        if (text.size() > 255) text = text.substr(0, 255);
        putInt32(out, static_cast<std::int32_t>(25 + text.size()));
        putInt32(out, 0);
        putInt32(out, 0);
        putInt32(out, -1);
        putInt32(out, -1);
        putInt32(out, 0);
        putInt32(out, static_cast<std::int32_t>(item.children.size()));
        out.push_back(static_cast<char>(text.size()));
        out.append(text);
        appendItems(out, item.children);
    }
}

class ItemDataReader {
public:
    explicit ItemDataReader(std::string_view data) : reader_(data) {}

    ValueTree read() {
        std::int32_t count = reader_.getInt32();
        return readItems(count, 0);
    }

private:
    std::vector<TreeItem> readItems(std::int32_t count, int depth) {
        if (count < 0) throw ReadError("Invalid tree item count");
        if (count > 0 && depth >= kMaxTreeDepth) throw ReadError("Tree too deep");
        // Every item record takes at least 25 bytes.
        if (static_cast<std::size_t>(count) > reader_.remaining() / 25) throw ReadError("Tree item count too large");
        std::vector<TreeItem> items;
        items.reserve(static_cast<std::size_t>(count));
        for (std::int32_t i = 0; i < count; ++i) {
            std::int32_t size = reader_.getInt32();
            if (size < 25) throw ReadError("Invalid tree item size");
            std::size_t recordEnd = reader_.position() + static_cast<std::size_t>(size);
            reader_.getBytes(20);  // image, selected, state, overlay, data
            std::int32_t childCount = reader_.getInt32();
            std::uint8_t length = reader_.getByte();
            TreeItem item;
            item.text = std::string(reader_.getBytes(length));
            if (recordEnd < reader_.position()) throw ReadError("Invalid tree item size");
            reader_.getBytes(recordEnd - reader_.position());
            item.children = readItems(childCount, depth + 1);
            items.push_back(std::move(item));
        }
        return items;
    }

    ValueReader reader_;
};

Component descriptionTreeComponent() {
    Component c;
    c.className = "TTreeView";
    c.name = "DescriptionTree";
    auto add = [&c](const char* name, PropertyValue v) { c.properties.push_back(Property{name, std::move(v)}); };
    add("Left", PropertyValue{std::int32_t{616}});
    add("Top", PropertyValue{std::int32_t{424}});
    add("Width", PropertyValue{std::int32_t{33}});
    add("Height", PropertyValue{std::int32_t{25}});
    add("Indent", PropertyValue{std::int32_t{19}});
    add("TabOrder", PropertyValue{std::int32_t{0}});
    add("Visible", PropertyValue{false});
    return c;
}
}  // namespace

std::string TreeToText(const ValueTree& tree) {
    std::string out;
    appendText(out, tree, 0);
    return out;
}

std::string EncodeItemData(const ValueTree& tree) {
    std::string out;
    putInt32(out, static_cast<std::int32_t>(tree.size()));
    appendItems(out, tree);
    return out;
}

ValueTree DecodeItemData(std::string_view data) { return ItemDataReader(data).read(); }

void WriteDescriptionTree(ValueWriter& writer, const ValueTree& tree) {
    Component c = descriptionTreeComponent();
    if (!tree.empty()) c.properties.push_back(Property{"Items.Data", PropertyValue{BinaryValue{EncodeItemData(tree)}}});
    WriteRootComponent(writer, c);
}

ValueTree ReadDescriptionTree(ValueReader& reader) {
    Component c = ReadRootComponent(reader);
    const PropertyValue* data = c.find("Items.Data");
    if (!data) return {};
    const auto* binary = std::get_if<BinaryValue>(&data->value);
    if (!binary) throw ReadError("Invalid property value");
    return DecodeItemData(binary->bytes);
}

}  // namespace vorlane
