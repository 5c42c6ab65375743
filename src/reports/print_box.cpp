#include "reports/print_box.h"

#include "reports/report_format_file.h"

namespace vorlane {

std::array<std::string, kReportFieldCount> PrintBox::MenuCaptions(const LabelTable& labels,
                                                                 const ReportCaptions& captions) const {
    std::array<std::string, kReportFieldCount> names;
    for (int e = 0; e < kReportFieldCount; ++e) names[static_cast<std::size_t>(e)] = ReportFieldTitle(e, labels, captions);
    return names;
}

bool PrintBox::MenuEnabled(int entry) const { return ReportMenuEntryEnabled(settings, entry); }

bool PrintBox::Add(int entry, const std::string& caption) {
    if (entry < 0 || entry >= kReportFieldCount || !MenuEnabled(entry)) return false;
    settings.items.push_back({entry, 0, caption});
    return true;
}

void PrintBox::Undo() {
    if (!settings.items.empty()) settings.items.pop_back();
}

void PrintBox::Clear() { settings.items.clear(); }

std::string PrintBox::MemoText() const {
    std::string text;
    for (const auto& item : settings.items) text += item.caption + "\r\n";
    return text;
}

PrintBoxControls PrintBox::Controls(bool databaseOpen) const {
    PrintBoxControls c;
    const bool items = !settings.items.empty();
    c.importExport = c.undo = c.saveFormat = c.clear = items;
    c.modeToggle = c.font = c.preview = items && databaseOpen;
    return c;
}

std::string PrintBox::Caption() const {
    return settings.searchedRecordsOnly ? "Report (Searched Records)" : "Report (All Records)";
}

std::string PrintBox::TotalsCaption(const LabelTable& labels) { return labels[1] + " and " + labels[8]; }

std::string PreviewPageLabel(int page, int pageCount) {
    return "Page " + std::to_string(page) + " of " + std::to_string(pageCount);
}

std::string PreviewPageHint(int pageCount) { return "Total Pages " + std::to_string(pageCount); }

}  // namespace vorlane
