#include "reports/regular_report_state.h"

#include "reports/report_format_file.h"

namespace vorlane {

std::array<std::string, kReportFieldCount> RegularReportState::MenuCaptions(const LabelTable& labels,
                                                                 const ReportCaptions& captions) const {
    std::array<std::string, kReportFieldCount> names;
    for (int e = 0; e < kReportFieldCount; ++e) names[static_cast<std::size_t>(e)] = ReportFieldTitle(e, labels, captions);
    return names;
}

bool RegularReportState::MenuEnabled(int entry) const { return ReportMenuEntryEnabled(settings, entry); }

bool RegularReportState::Add(int entry, const std::string& caption) {
    if (entry < 0 || entry >= kReportFieldCount || !MenuEnabled(entry)) return false;
    settings.items.push_back({entry, 0, caption});
    return true;
}

void RegularReportState::Undo() {
    if (!settings.items.empty()) settings.items.pop_back();
}

void RegularReportState::Clear() { settings.items.clear(); }

std::string RegularReportState::MemoText() const {
    std::string text;
    for (const auto& item : settings.items) text += item.caption + "\r\n";
    return text;
}

RegularReportControls RegularReportState::Controls(bool databaseOpen) const {
    RegularReportControls c;
    const bool items = !settings.items.empty();
    c.importExport = c.undo = c.saveFormat = c.clear = items;
    c.modeToggle = c.font = c.preview = items && databaseOpen;
    return c;
}

std::string RegularReportState::Caption() const {
    return settings.searchedRecordsOnly ? "Report (Searched Records)" : "Report (All Records)";
}

std::string RegularReportState::TotalsCaption(const LabelTable& labels) { return labels[1] + " and " + labels[8]; }

std::string PreviewPageLabel(int page, int pageCount) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

std::string PreviewPageHint(int pageCount) { return "Total Pages " + std::to_string(pageCount); }

}  // namespace vorlane
