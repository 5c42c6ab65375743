#pragma once
// One layout of another program's export: how it is recognised and what its
// columns become. Adding a layout is one file with one of these and a line in
// KnownLayouts().

#include <array>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "exchange/import_target.h"
#include "storage/record.h"
#include "storage/value_tree.h"

namespace vorlane {

// What one row becomes before it is written into the database.
struct ImportedRow {
    std::string name;
    std::array<std::string, kDetailCount> details;
    std::array<bool, kDetailCount> detailSet{};
    std::array<std::string, kDescriptionCount> paths;  // value paths, value first
    std::string drinkFrom, drinkTo;
    std::array<bool, 3> flags{};
    std::array<std::vector<std::string>, kNoteListCount> notes;
    std::vector<std::string> links;
    std::array<std::string, kImageCount> pictures;
};

// Changes to what the file said, and why, listed by line in the report.
struct ConversionNote {
    std::size_t line = 0;
    std::string text;
};

struct RowContext {
    std::size_t line = 0;
    const ValueTree* ratingTree = nullptr;  // description 4's tree, for score bands
    std::vector<ConversionNote>* notes = nullptr;
    const std::vector<ImportTarget>* defaults = nullptr;  // the layout's target of each column
    const std::unordered_map<std::string, int>* columns = nullptr;  // folded column name -> index
    void Note(std::string text) const { notes->push_back({line, std::move(text)}); }
    // The column named name (case and accents ignored), or -1.
    int Column(std::string_view name) const;
};

class CellarLayout {
public:
    virtual ~CellarLayout() = default;
    virtual std::string Name() const = 0;
    // How well the header fits: 0 not at all; the highest wins.
    virtual int Recognise(const std::vector<std::string>& header) const = 0;
    // The column names when the file has no header row; empty when it always has one.
    virtual std::vector<std::string> ColumnsWithoutHeader() const { return {}; }
    // One target per column.
    virtual std::vector<ImportTarget> DefaultTargets(const std::vector<std::string>& header,
                                                     const LabelTable& labels) const;
    // Fills what this layout converts itself for the columns still on their
    // default target; every other chosen column is taken as typed afterwards.
    virtual void Convert(const std::vector<std::string>& header, const std::vector<std::string>& fields,
                         const std::vector<bool>& onDefault, const RowContext& context, ImportedRow& row) const;
    // The export's own labels are taken into a new database.
    virtual bool CarriesLabels() const { return false; }
    // Not empty for a file recognised only to be turned away, saying why.
    virtual std::string Refusal() const { return {}; }
};

std::vector<std::unique_ptr<CellarLayout>> KnownLayouts();  // the generic one last

std::unique_ptr<CellarLayout> MakeWebCellarLayout();
std::unique_ptr<CellarLayout> MakePhoneAppLayout();
std::unique_ptr<CellarLayout> MakePhoneAppHistoryLayout();
std::unique_ptr<CellarLayout> MakeCollectionManagerLayout();
std::unique_ptr<CellarLayout> MakeOwnExportLayout();
std::unique_ptr<CellarLayout> MakeHeaderMatchLayout();

// Shared conversions.
// A number as in "1,234.50", "29,01" (a decimal comma), "40".
std::optional<double> ReadAmount(std::string_view text);
// The band of the "Points" tree holding score ("92" -> "90-94 - Outstanding : Points").
std::string ScoreBand(const ValueTree* ratingTree, double score);
// Index of the column named name (case and accents ignored), or -1.
int ColumnOf(const std::vector<std::string>& header, std::string_view name);
// "M/D/YYYY" or "YYYY-MM-DD" as "YYYY/MM/DD"; empty when it is neither.
std::string DateFromOutside(std::string_view text);
// Joins the non-empty parts with " : ".
std::string JoinPath(const std::vector<std::string>& parts);
// A column's text as typed into target.
void PutAsTyped(const ImportTarget& target, const std::string& text, ImportedRow& row);
// Quantity as the two digits the field holds, noting 100 or more.
std::string QuantityText(std::string_view text, const RowContext& context);

}  // namespace vorlane
