#include "editor/related_records.h"
#include "storage/ascii_case.h"

namespace vorlane {

namespace {

// The part after the last colon, blank included: the top of the value path.
std::string_view primaryPart(std::string_view path) {
    auto colon = path.rfind(':');
    return colon == std::string_view::npos ? path : path.substr(colon + 1);
}

bool sameStatus(const ItemRecord& a, const ItemRecord& b) {
    return a.Favorite == b.Favorite && a.Tested == b.Tested && a.Untested == b.Untested;
}

bool related(const ItemRecord& a, const ItemRecord& b, int key) {
    if (key == 200) return sameStatus(a, b);
    if (key >= 100 && key <= 190) {
        auto j = static_cast<std::size_t>((key - 100) / 10);
        return EqualsIgnoringAsciiCase(a.Details[j], b.Details[j]);
    }
    if (key % 10 == 5) {
        int i = (key + 5) / 10;
        return EqualsIgnoringAsciiCase(primaryPart(a.Description(i)), primaryPart(b.Description(i)));
    }
    int i = key / 10 + 1;
    return EqualsIgnoringAsciiCase(a.Description(i), b.Description(i));
}

}  // namespace

std::vector<RelatedMenuEntry> RelatedMenu(const LabelTable& labels, const std::string& statusCaption) {
    std::vector<RelatedMenuEntry> menu;
    for (int i = 1; i <= 10; ++i)
        menu.push_back({"Display records with the same Primary \"" + labels[static_cast<std::size_t>(DescriptionLabel(i))] + "\"",
                        10 * i - 5});
    for (int i = 1; i <= 10; ++i)
        menu.push_back({"Display records with the same Complete \"" + labels[static_cast<std::size_t>(DescriptionLabel(i))] + "\"",
                        10 * (i - 1)});
    for (int j = 0; j <= 9; ++j)
        menu.push_back({"Display records with the same " + labels[static_cast<std::size_t>(DetailLabel(j))], 100 + 10 * j});
    menu.push_back({statusCaption, 200});
    return menu;
}

std::vector<PickItem> FindRelated(const RecordList& records, std::size_t current, int key) {
    std::vector<PickItem> items;
    if (current >= records.size()) return items;
    const ItemRecord& me = records[current];
    for (std::size_t i = 0; i < records.size(); ++i)
        if (i != current && related(records[i], me, key)) items.push_back({records[i].Name, i});
    return items;
}

}  // namespace vorlane
