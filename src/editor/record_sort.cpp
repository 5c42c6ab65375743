#include "editor/record_sort.h"

#include <algorithm>
#include <numeric>

#include "storage/ascii_case.h"
#include "storage/fields.h"
#include "storage/number_text.h"

namespace vorlane {

namespace {

bool isNumericKey(int key) { return key == SortKeyOfDetail(1) || key == SortKeyOfDetail(8); }

const std::string& sortField(const ItemRecord& r, int key) {
    if (key >= 1 && key <= 10) return r.Description(key);
    if (key >= 11 && key <= 20) return r.Details[static_cast<std::size_t>(key - 11)];
    return r.Name;
}

unsigned char foldAscii(char c) { return static_cast<unsigned char>(AsciiUpper(c)); }

int compareText(std::string_view a, std::string_view b) {
    std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        unsigned char x = foldAscii(a[i]);
        unsigned char y = foldAscii(b[i]);
        if (x != y) return x < y ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

double numberOf(std::string_view text) { return MoneyValue(text); }

}  // namespace

int CompareForSort(const ItemRecord& a, const ItemRecord& b, int key) {
    const std::string& x = sortField(a, key);
    const std::string& y = sortField(b, key);
    if (isNumericKey(key)) {
        double p = numberOf(x);
        double q = numberOf(y);
        return p < q ? -1 : (p > q ? 1 : 0);
    }
    return compareText(x, y);
}

std::vector<std::size_t> SortRecords(RecordList& records, int key) {
    std::vector<std::size_t> order(records.size());
    std::iota(order.begin(), order.end(), std::size_t{0});
    // Keys are worked out once per record, not once per comparison.
    if (isNumericKey(key)) {
        std::vector<double> numbers(records.size());
        for (std::size_t i = 0; i < records.size(); ++i) numbers[i] = numberOf(sortField(records[i], key));
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return numbers[a] < numbers[b]; });
    } else {
        std::vector<std::string> folded(records.size());
        for (std::size_t i = 0; i < records.size(); ++i) {
            const std::string& text = sortField(records[i], key);
            folded[i].resize(text.size());
            std::transform(text.begin(), text.end(), folded[i].begin(), [](char c) { return static_cast<char>(foldAscii(c)); });
        }
        std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
            return std::string_view(folded[a]).compare(folded[b]) < 0;  // char_traits<char> compares as unsigned
        });
    }
    // Apply the order in place, cycle by cycle: records are swapped, never
    // copied, and no second list of records is allocated.
    std::vector<bool> placed(records.size(), false);
    for (std::size_t start = 0; start < records.size(); ++start) {
        if (placed[start]) continue;
        std::size_t at = start;
        while (order[at] != start) {
            std::swap(records[at], records[order[at]]);
            placed[at] = true;
            at = order[at];
        }
        placed[at] = true;
    }
    return order;
}

std::vector<SortMenuEntry> SortMenu(const LabelTable& labels, const std::string& nameCaption) {
    std::vector<SortMenuEntry> menu;
    for (int k = 1; k <= 10; ++k) menu.push_back({"Sort by " + labels[static_cast<std::size_t>(DescriptionLabel(k))], k});
    for (int d = 0; d <= 9; ++d) menu.push_back({"Sort by " + labels[static_cast<std::size_t>(DetailLabel(d))], 11 + d});
    menu.push_back({"Sort by " + nameCaption, kSortKeyName});
    return menu;
}

}  // namespace vorlane
