#include "reports/shopping_list.h"

#include <array>
#include <map>
#include <unordered_map>

#include "editor/ingredient_lists.h"
#include "reports/report_numbers.h"
#include "search/text_match.h"
#include "storage/database_file.h"

namespace vorlane {

namespace {
struct Entry {
    std::string key;
    double total = 0;
};

// Rows 1 on in row order, columns 0 ... 2; cells may come in any order.
std::map<int, std::array<std::string, 3>> IngredientRows(const std::string& block) {
    std::map<int, std::array<std::string, 3>> rows;
    for (auto& cell : DecodeIngredients(block).cells) {
        if (cell.row < 1 || cell.column < 0 || cell.column > kMeasureColumn) continue;
        rows[cell.row][static_cast<std::size_t>(cell.column)] = std::move(cell.text);
    }
    return rows;
}
}  // namespace

std::vector<ShoppingLine> TallyShoppingList(const RecordList& records, bool searchListOnly) {
    std::vector<Entry> tally;
    std::unordered_map<std::string, std::size_t> byKey;
    for (const ItemRecord& r : records) {
        if (searchListOnly && !r.OnSearchList) continue;
        if (r.Ingredients.empty()) continue;
        for (const auto& [number, row] : IngredientRows(r.Ingredients)) {
            if (row[kIngredientColumn].empty()) continue;
            std::string key = row[kIngredientColumn] + ":" + row[kMeasureColumn];
            double amount = 0;
            if (!ReadDecimalText(row[kQuantityColumn], amount)) amount = 0;
            auto [it, added] = byKey.try_emplace(LowerAscii(key), tally.size());
            if (added) tally.push_back({std::move(key), amount});
            else tally[it->second].total += amount;
        }
    }
    std::vector<ShoppingLine> lines;
    lines.reserve(tally.size());
    for (const auto& e : tally) {
        const std::string item = e.key.substr(0, e.key.find(':'));
        const std::string measure = e.key.substr(e.key.rfind(':') + 1);
        lines.push_back({item, FixedText(e.total, 3) + " " + measure});
    }
    return lines;
}

}  // namespace vorlane
