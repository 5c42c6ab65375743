#include "exchange/import_target.h"

#include <array>

namespace vorlane {

namespace {

constexpr std::array<const char*, 3> kFlagNames = {"Favorite", "Tested", "Untested"};
constexpr std::array<const char*, 3> kListNames = {"Keywords", "Food Pairing", "Notes"};
constexpr std::array<const char*, 6> kPictureNames = {"Image One", "Image Two", "Image Three",
                                                     "Image Four", "Image Five", "Image Six"};

// Windows-1252 bytes 0xC0 ... 0xFF without their accents, lower case.
constexpr std::string_view kFoldHigh = "aaaaaaaceeeeiiiidnooooo\xD7ouuuuyts"
                                       "aaaaaaaceeeeiiiidnooooo\xF7ouuuuyty";

char FoldChar(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return static_cast<char>(c - 'A' + 'a');
    if (c >= 0xC0) return kFoldHigh[c - 0xC0];
    switch (c) {
        case 0x8A: case 0x9A: return 's';
        case 0x8E: case 0x9E: return 'z';
        case 0x9F: return 'y';
        default: return static_cast<char>(c);
    }
}

}  // namespace

std::string FoldForMatch(std::string_view text) {
    std::size_t a = 0, b = text.size();
    while (a < b && (text[a] == ' ' || text[a] == '\t')) ++a;
    while (b > a && (text[b - 1] == ' ' || text[b - 1] == '\t')) --b;
    std::string out;
    out.reserve(b - a);
    for (std::size_t i = a; i < b; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c == 0x8C || c == 0x9C) out += "oe";
        else if (c == 0xC6 || c == 0xE6) out += "ae";
        else out.push_back(FoldChar(c));
    }
    return out;
}

std::vector<ImportTarget> AllImportTargets() {
    std::vector<ImportTarget> all = {{ImportTarget::None, 0}, {ImportTarget::Name, 0}};
    for (int d = 0; d < kLabelCount / 2; ++d) all.push_back({ImportTarget::Detail, d});
    for (int k = 1; k <= kLabelCount / 2; ++k) all.push_back({ImportTarget::Description, k});
    all.push_back({ImportTarget::DrinkFrom, 0});
    all.push_back({ImportTarget::DrinkTo, 0});
    for (int f = 0; f < 3; ++f) all.push_back({ImportTarget::Flag, f});
    for (int l = 0; l < 3; ++l) all.push_back({ImportTarget::NoteList, l});
    all.push_back({ImportTarget::Links, 0});
    for (int p = 1; p <= 6; ++p) all.push_back({ImportTarget::Picture, p});
    return all;
}

std::string TargetName(const ImportTarget& target, const LabelTable& labels) {
    switch (target.kind) {
        case ImportTarget::None: return "(not imported)";
        case ImportTarget::Name: return "Name";
        case ImportTarget::Detail: return labels[static_cast<std::size_t>(DetailLabel(target.index))];
        case ImportTarget::Description: return labels[static_cast<std::size_t>(DescriptionLabel(target.index))];
        case ImportTarget::DrinkFrom: return kDrinkFromLabel;
        case ImportTarget::DrinkTo: return kDrinkToLabel;
        case ImportTarget::Flag: return kFlagNames[static_cast<std::size_t>(target.index)];
        case ImportTarget::NoteList: return kListNames[static_cast<std::size_t>(target.index)];
        case ImportTarget::Links: return "Links";
        case ImportTarget::Picture: return kPictureNames[static_cast<std::size_t>(target.index - 1)];
    }
    return {};
}

std::optional<ImportTarget> TargetNamed(std::string_view name, const LabelTable& labels) {
    const std::string folded = FoldForMatch(name);
    if (folded.empty()) return std::nullopt;
    for (const ImportTarget& t : AllImportTargets())
        if (t.kind != ImportTarget::None && FoldForMatch(TargetName(t, labels)) == folded) return t;
    return std::nullopt;
}

namespace {
std::string TargetCode(const ImportTarget& t) { return std::to_string(t.kind) + "." + std::to_string(t.index); }
}  // namespace

std::string EncodeColumnChoices(const std::vector<std::string>& header, const std::vector<ImportTarget>& targets) {
    std::string out;
    for (std::size_t c = 0; c < header.size() && c < targets.size(); ++c) {
        if (header[c].find_first_of("=|") != std::string::npos) continue;
        if (!out.empty()) out.push_back('|');
        out += header[c] + "=" + TargetCode(targets[c]);
    }
    return out;
}

void ApplyColumnChoices(std::string_view text, const std::vector<std::string>& header,
                        std::vector<ImportTarget>& targets) {
    const std::vector<ImportTarget> all = AllImportTargets();
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('|', start);
        if (end == std::string_view::npos) end = text.size();
        const std::string_view entry = text.substr(start, end - start);
        start = end + 1;
        const std::size_t eq = entry.find('=');
        if (eq == std::string_view::npos) continue;
        for (std::size_t c = 0; c < header.size() && c < targets.size(); ++c) {
            if (header[c] != entry.substr(0, eq)) continue;
            for (const ImportTarget& t : all)
                if (TargetCode(t) == entry.substr(eq + 1)) targets[c] = t;
        }
    }
}

}  // namespace vorlane
