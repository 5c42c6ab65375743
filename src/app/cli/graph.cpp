#include <charconv>
#include <cmath>

#include <nlohmann/json.hpp>

#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "reports/graph_counts.h"
#include "storage/cp1252.h"
#include "storage/labels.h"

namespace vorlane::cli {

namespace {

// The value paths ("Bordeaux : France") of every value below item whose own text is text.
void PathsOfValue(const TreeItem& item, const std::string& text, const std::string& below,
                  std::vector<std::string>& paths) {
    for (const TreeItem& child : item.children) {
        const std::string path = below.empty() ? child.text : child.text + " : " + below;
        if (child.text == text) paths.push_back(path);
        PathsOfValue(child, text, path, paths);
    }
}

std::string NoSuchValue(const ValueTree& tree, int k, const std::string& keyText, const std::string& path,
                        const std::string& shown) {
    std::string message = "description " + keyText + " has no value \"" + shown + "\"";
    std::vector<std::string> paths;
    PathsOfValue(tree[static_cast<std::size_t>(k - 1)], path, "", paths);
    for (std::size_t i = 0; i < paths.size(); ++i)
        message += (i == 0 ? "; it could mean \"" : " or \"") + Cp1252ToUtf8(paths[i]) + "\"";
    return message;
}

// Sums in JSON are numbers, to the cent as the window shows them.
double Cents(double sum) { return std::round(sum * 100) / 100; }

}  // namespace

void RunGraph(const std::vector<std::string>& arguments, std::ostream& out) {
    std::vector<std::string> rest(arguments.begin() + 1, arguments.end());
    bool json = false;
    std::erase_if(rest, [&](const std::string& a) { return a == "--json" ? (json = true) : false; });
    if (rest.empty()) throw UsageError("graph needs K, a description number");
    if (rest.size() > 2) throw UsageError("graph takes one VALUE, not " + std::to_string(rest.size() - 1));

    const std::string& keyText = rest[0];
    int k = 0;
    auto parsed = std::from_chars(keyText.data(), keyText.data() + keyText.size(), k);
    if (parsed.ec != std::errc() || parsed.ptr != keyText.data() + keyText.size() || k < 1 || k > 10)
        throw UsageError("K must be a description number from 1 to 10, not " + keyText);
    std::string path;
    if (rest.size() == 2 && !Utf8ToCp1252(rest[1], path))
        throw UsageError("VALUE holds a character the database cannot hold: " + rest[1]);

    Database db = LoadDatabase(arguments[0]);
    ValueTree tree = GraphTree(db);
    std::optional<NodeIndex> node = FindGraphNode(tree, k, path);
    if (!node) throw UsageError(NoSuchValue(tree, k, keyText, path, rest.back()));
    std::optional<GraphCounts> counts = CountGraph(db, tree, *node);
    if (!counts) throw UsageError("\"" + (path.empty() ? keyText : rest.back()) + "\" has no values below it");

    const std::string paidLabel = Cp1252ToUtf8(db.labels[1]);
    const std::string valueLabel = Cp1252ToUtf8(db.labels[8]);
    if (json) {
        nlohmann::ordered_json result;
        result["description"] = k;
        result["label"] = Cp1252ToUtf8(db.labels[static_cast<std::size_t>(DescriptionLabel(k))]);
        result["value"] = Cp1252ToUtf8(path);
        nlohmann::ordered_json children = nlohmann::ordered_json::array();
        for (std::size_t i = 0; i < counts->counts.size(); ++i)
            children.push_back({{"caption", Cp1252ToUtf8(counts->captions[i])}, {"count", counts->counts[i]}});
        result["children"] = children;
        result["sums"] = {{{"label", paidLabel}, {"sum", Cents(counts->paid)}},
                          {{"label", valueLabel}, {"sum", Cents(counts->value)}}};
        out << result.dump(2) << '\n';
        return;
    }
    for (std::size_t i = 0; i < counts->counts.size(); ++i)
        out << Cp1252ToUtf8(counts->captions[i]) << '\t' << counts->counts[i] << '\n';
    out << paidLabel << '\t' << FormatGraphSum(counts->paid) << '\n';
    out << valueLabel << '\t' << FormatGraphSum(counts->value) << '\n';
}

}  // namespace vorlane::cli
