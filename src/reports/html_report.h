#pragma once
// The HTML report window's rules: the chosen columns and the field menu,
// header and footer HTML, the report table and the HTML written from it,
// and the format file (.hrf).

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "reports/report_fields.h"
#include "reports/report_style.h"
#include "storage/database.h"

namespace vorlane {

struct HtmlReportField {
    std::string caption;
    int code = 0;  // field code 10 ... 230
    bool operator==(const HtmlReportField&) const = default;
};

inline constexpr const char* kHtmlRowLimitWarning =
    "Warning ... HTML Reports are limited to a maximum of 1000 records.  Some records will not be displayed.";
inline constexpr const char* kHrfInvalid = "HTML Report Format file is invalid.  No format loaded.";
inline constexpr const char* kHrfSaved = "HTML Report Format Saved.";
inline constexpr const char* kHrfLoaded = "HTML Report Format file loaded.";
constexpr std::size_t kHtmlRowLimit = 1000;
// No platform colour for title cells here: the classic window border grey.
constexpr Rgb kTitleCellColor = 0xD4D0C8;

using ReportTable = std::vector<std::vector<std::string>>;

struct HtmlReportTable {
    ReportTable rows;        // row 0 the titles
    bool truncated = false;  // the row limit stopped it: warn
};

// Loading a format leaves the menu as it was, so each field can be in the
// list twice: once from the file and once added again. A file with more
// was not written by this window.
constexpr std::size_t kMaxHtmlReportFields = 2 * kReportFieldCount;

class HtmlReport {
public:
    HtmlReport() { menuEnabled_.fill(true); }

    // Field menu: entry e (0 ... 22) has field code 10 * (e + 1).
    bool MenuEnabled(int entry) const { return menuEnabled_.at(static_cast<std::size_t>(entry)); }
    std::array<std::string, kReportFieldCount> MenuCaptions(const LabelTable& labels, const ReportCaptions& captions) const;

    // Appends (caption, code) when the entry is enabled and the list is not
    // full; false otherwise.
    bool Add(int entry, const std::string& caption);
    // Removes list entry i when it exists.
    void Remove(int i);
    void Clear();
    bool MoveUp(int i);
    bool MoveDown(int i);

    const std::vector<HtmlReportField>& fields() const { return fields_; }
    bool HasFields() const { return !fields_.empty(); }

    bool searchListOnly = false;
    std::vector<std::string> header;
    std::vector<std::string> footer;
    ReportFont font;
    Rgb color = kWhite;

    // Activation puts font and colour back to their defaults.
    void Activate(const ReportFont& defaultFont);

    HtmlReportTable Generate(const RecordList& records, const LabelTable& labels, const ReportCaptions& captions,
                             bool shortValues) const;
    // The page as UTF-8 with a byte-order mark, which browsers honour before
    // any character set the header names.
    std::string Html(const ReportTable& table) const;

    std::string EncodeFormat() const;
    // Empties list and memos, then applies the file's values as they are
    // read; false on a read error (what was read stays).
    bool DecodeFormat(std::string_view bytes);

private:
    std::array<bool, kReportFieldCount> menuEnabled_{};
    std::vector<HtmlReportField> fields_;
};

// The HTML report file: "HTML report saved as " + path + "." or the failure.
struct ReportWriteResult {
    bool ok = false;
    std::string message;
};
ReportWriteResult WriteReportFile(const std::string& path, const std::string& bytes);

}  // namespace vorlane
