#pragma once
// Report pages as a PDF file, for the command-line companion; no Qt types
// here so that callers need none.

#include <memory>
#include <optional>
#include <string>

#include "reports/report_pages.h"

namespace vorlane {

// Starts an off-screen Qt GUI for the run when none is running, so fonts
// can be measured without a screen.
void EnsureReportGui();

std::unique_ptr<TextMeasurer> MakeFontMeasurer();

enum class Paper { A4, Letter, Legal };
// "a4", "letter" or "legal"; nullopt for any other name.
std::optional<Paper> PaperNamed(const std::string& name);
// The paper of the person's locale, as Qt's printer chooses it: Letter where
// US measures are used, A4 elsewhere.
Paper LocalePaper();

// Whole-inch drawable size of a sheet of paper in this orientation.
void PdfPageInches(Paper paper, bool landscape, int& width, int& height);

// The finished pages as PDF bytes, 1440 units to the inch, titled.
std::string ReportPdf(const ReportPages& pages, const std::string& title, Paper paper, bool landscape);

}  // namespace vorlane
