#include "exchange/cellar_export.h"

#include "exchange/cellar_layout.h"
#include "storage/outside_text.h"

namespace vorlane {

namespace {

// The export's columns after the name and the twenty labelled fields.
std::vector<ImportTarget> FixedColumns() {
    std::vector<ImportTarget> out;
    for (int f = 0; f < 3; ++f) out.push_back({ImportTarget::Flag, f});
    for (int l = 0; l < kNoteListCount; ++l) out.push_back({ImportTarget::NoteList, l});
    out.push_back({ImportTarget::Links, 0});
    for (int p = 1; p <= kImageCount; ++p) out.push_back({ImportTarget::Picture, p});
    return out;
}

std::vector<ImportTarget> ExportColumns() {
    std::vector<ImportTarget> out = {{ImportTarget::Name, 0}};
    for (int d = 0; d < kDetailCount; ++d) out.push_back({ImportTarget::Detail, d});
    for (int k = 1; k <= kDescriptionCount; ++k) out.push_back({ImportTarget::Description, k});
    for (const auto& t : FixedColumns()) out.push_back(t);
    return out;
}

void Cell(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out += text;
        return;
    }
    out.push_back('"');
    for (char c : text) {
        if (c == '"') out.push_back('"');
        out.push_back(c);
    }
    out.push_back('"');
}

std::string Joined(const std::vector<std::string>& lines) {
    std::string out;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0) out.push_back('\n');
        out += lines[i];
    }
    return out;
}

std::string CellText(const ItemRecord& r, const ImportTarget& t) {
    const auto i = static_cast<std::size_t>(t.index);
    switch (t.kind) {
        case ImportTarget::Name: return r.Name;
        case ImportTarget::Detail: return r.Details[i];
        case ImportTarget::Description: return r.Descriptions[i - 1];
        case ImportTarget::Flag: return (i == 0 ? r.Favorite : i == 1 ? r.Tested : r.Untested) ? "Yes" : "";
        case ImportTarget::NoteList: return Joined(r.NoteLists[i]);
        case ImportTarget::Links: return Joined(r.Links);
        case ImportTarget::Picture: return r.Images[i - 1].FileName;
        default: return {};
    }
}

class OwnExportLayout : public CellarLayout {
public:
    std::string Name() const override { return "Vorlane export"; }

    int Recognise(const std::vector<std::string>& header) const override {
        const std::vector<ImportTarget> columns = ExportColumns();
        if (header.size() != columns.size() || header[0] != "Name") return 0;
        const LabelTable anyLabels{};
        for (std::size_t c = 1 + 2 * kDetailCount; c < columns.size(); ++c)
            if (header[c] != TargetName(columns[c], anyLabels)) return 0;
        return 100;
    }

    std::vector<ImportTarget> DefaultTargets(const std::vector<std::string>&, const LabelTable&) const override {
        return ExportColumns();
    }

    void Convert(const std::vector<std::string>&, const std::vector<std::string>& fields,
                 const std::vector<bool>& onDefault, const RowContext&, ImportedRow& row) const override {
        const std::vector<ImportTarget> columns = ExportColumns();
        for (std::size_t c = 0; c < columns.size() && c < fields.size(); ++c)
            if (onDefault[c]) PutAsTyped(columns[c], fields[c], row);
    }

    bool CarriesLabels() const override { return true; }
};

}  // namespace

std::string ExportAllRecords(const Database& db) {
    const std::vector<ImportTarget> columns = ExportColumns();
    std::string out;
    for (std::size_t c = 0; c < columns.size(); ++c) {
        if (c > 0) out.push_back(',');
        Cell(out, TargetName(columns[c], db.labels));
    }
    out += "\r\n";
    for (const auto& r : db.records) {
        for (std::size_t c = 0; c < columns.size(); ++c) {
            if (c > 0) out.push_back(',');
            Cell(out, CellText(r, columns[c]));
        }
        out += "\r\n";
    }
    return TextForOtherPrograms(out);
}

std::unique_ptr<CellarLayout> MakeOwnExportLayout() { return std::make_unique<OwnExportLayout>(); }

}  // namespace vorlane
