#pragma once
// Report pages as a PDF file, for the command-line companion; no Qt types
// here so that callers need none.

#include <memory>
#include <string>

#include "reports/report_pages.h"

namespace vorlane {

// Starts an off-screen Qt GUI for the run when none is running, so fonts
// can be measured without a screen.
void EnsureReportGui();

std::unique_ptr<TextMeasurer> MakeFontMeasurer();

// Whole-inch drawable size of a Letter sheet in this orientation.
void PdfPageInches(bool landscape, int& width, int& height);

// The finished pages as PDF bytes, 1440 units to the inch, titled.
std::string ReportPdf(const ReportPages& pages, const std::string& title, bool landscape);

}  // namespace vorlane
