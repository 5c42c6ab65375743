#include "exchange/cellar_layout.h"

#include <cmath>

#include "storage/number_text.h"

namespace vorlane {

std::vector<ImportTarget> CellarLayout::DefaultTargets(const std::vector<std::string>& header,
                                                       const LabelTable& labels) const {
    std::vector<ImportTarget> out;
    out.reserve(header.size());
    for (const auto& name : header) out.push_back(TargetNamed(name, labels).value_or(ImportTarget{}));
    return out;
}

void CellarLayout::Convert(const std::vector<std::string>&, const std::vector<std::string>& fields,
                           const std::vector<bool>& onDefault, const RowContext& context, ImportedRow& row) const {
    const std::vector<ImportTarget>& targets = *context.defaults;
    for (std::size_t c = 0; c < fields.size() && c < targets.size(); ++c)
        if (onDefault[c]) PutAsTyped(targets[c], fields[c], row);
}

std::vector<std::unique_ptr<CellarLayout>> KnownLayouts() {
    std::vector<std::unique_ptr<CellarLayout>> out;
    out.push_back(MakeOwnExportLayout());
    out.push_back(MakeWebCellarLayout());
    out.push_back(MakePhoneAppLayout());
    out.push_back(MakePhoneAppHistoryLayout());
    out.push_back(MakeCollectionManagerLayout());
    out.push_back(MakeHeaderMatchLayout());
    return out;
}

std::optional<double> ReadAmount(std::string_view text) {
    std::string t;
    for (char c : text)
        if (c != ' ') t.push_back(c);
    const std::size_t comma = t.find(',');
    if (comma != std::string::npos) {
        if (t.find('.') == std::string::npos && t.find(',', comma + 1) == std::string::npos &&
            t.size() - comma - 1 != 3)
            t[comma] = '.';  // a decimal comma
        else
            std::erase(t, ',');
    }
    return ParseNumberText(t);
}

std::string ScoreBand(const ValueTree* ratingTree, double score) {
    if (!ratingTree) return {};
    for (const TreeItem& top : *ratingTree) {
        if (FoldForMatch(top.text) != "points") continue;
        for (const TreeItem& band : top.children) {
            // "90-94 - Outstanding", "100 - Extraordinary", "Below 75 - Not Recommended"
            const std::string_view t = band.text;
            const std::size_t cut = t.find(" - ");
            const std::string_view range = t.substr(0, cut);
            if (range.starts_with("Below ")) {
                if (auto limit = ParseNumberText(range.substr(6)); limit && score < *limit) return band.text + " : " + top.text;
                continue;
            }
            const std::size_t dash = range.find('-');
            const auto low = ParseNumberText(range.substr(0, dash));
            const auto high = dash == std::string_view::npos ? low : ParseNumberText(range.substr(dash + 1));
            if (low && high && score >= *low && score < *high + 1) return band.text + " : " + top.text;
        }
    }
    return {};
}

int ColumnOf(const std::vector<std::string>& header, std::string_view name) {
    const std::string wanted = FoldForMatch(name);
    for (std::size_t i = 0; i < header.size(); ++i)
        if (FoldForMatch(header[i]) == wanted) return static_cast<int>(i);
    return -1;
}

int RowContext::Column(std::string_view name) const {
    const auto found = columns->find(FoldForMatch(name));
    return found == columns->end() ? -1 : found->second;
}

std::string DateFromOutside(std::string_view text) {
    auto digits = [](std::string_view s) {
        if (s.empty() || s.size() > 4) return -1;
        int v = 0;
        for (char c : s) {
            if (c < '0' || c > '9') return -1;
            v = v * 10 + (c - '0');
        }
        return v;
    };
    auto two = [](int v) {
        std::string text = std::to_string(v);
        if (v < 10) text.insert(0, 1, '0');
        return text;
    };
    int year = -1, month = -1, day = -1;
    const std::size_t s1 = text.find_first_of("/-."), s2 = s1 == std::string_view::npos ? s1 : text.find_first_of("/-.", s1 + 1);
    if (s2 == std::string_view::npos) return {};
    const std::string_view a = text.substr(0, s1), b = text.substr(s1 + 1, s2 - s1 - 1);
    std::string_view c = text.substr(s2 + 1);
    if (const std::size_t blank = c.find(' '); blank != std::string_view::npos) c = c.substr(0, blank);  // a time of day
    if (a.size() == 4) year = digits(a), month = digits(b), day = digits(c);
    else year = digits(c), month = digits(a), day = digits(b);
    if (year < 1000 || month < 1 || month > 12 || day < 1 || day > 31) return {};
    return std::to_string(year) + "/" + two(month) + "/" + two(day);
}

std::string JoinPath(const std::vector<std::string>& parts) {
    std::string out;
    for (const auto& p : parts) {
        if (p.empty()) continue;
        if (!out.empty()) out += " : ";
        out += p;
    }
    return out;
}

std::string QuantityText(std::string_view text, const RowContext& context) {
    const auto n = ParseNumberText(text);
    if (!n || *n < 0 || *n != std::floor(*n)) return std::string(text);
    if (*n >= 100) {
        context.Note("quantity " + std::string(text) + " does not fit the field's two digits; kept as written");
        return std::string(text);
    }
    std::string q = std::to_string(static_cast<int>(*n));
    if (q.size() < 2) q.insert(0, 1, '0');
    return q;
}

}  // namespace vorlane
