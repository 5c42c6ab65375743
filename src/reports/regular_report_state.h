#pragma once
// The regular report window's rules beyond the layout: the item list and
// its field menu, which controls are enabled, and the window's texts.

#include <array>
#include <string>

#include "reports/regular_report.h"

namespace vorlane {

struct RegularReportControls {
    bool importExport = false, undo = false, saveFormat = false, clear = false;  // need items
    bool modeToggle = false, font = false, preview = false;                     // need items and a database
    bool operator==(const RegularReportControls&) const = default;
};

class RegularReportState {
public:
    RegularReportSettings settings;

    // Field menu entries 0 ... 22: captions and whether offered.
    std::array<std::string, kReportFieldCount> MenuCaptions(const LabelTable& labels, const ReportCaptions& captions) const;
    bool MenuEnabled(int entry) const;

    bool Add(int entry, const std::string& caption);
    void Undo();
    void Clear();

    // The memo's lines: the captions in order.
    std::string MemoText() const;

    // EnableScreen; nothing is enabled by an empty item list.
    RegularReportControls Controls(bool databaseOpen) const;

    // "Report (All Records)" / "Report (Searched Records)".
    std::string Caption() const;
    void ToggleMode() { settings.searchedRecordsOnly = !settings.searchedRecordsOnly; }
    // Label 1 + " and " + label 8.
    static std::string TotalsCaption(const LabelTable& labels);
};

// Preview page selector texts.
std::string PreviewPageLabel(int page, int pageCount);  // "Page 2 of 5"
std::string PreviewPageHint(int pageCount);             // "Total Pages 5"

}  // namespace vorlane
