#pragma once
// The regular report's format file (.rpt): eighteen values in a fixed order.

#include <string>
#include <string_view>

#include "reports/regular_report.h"

namespace vorlane {

inline constexpr const char* kReportFormatSaved = "Report format saved";
inline constexpr const char* kReportFormatLoaded = "Report format loaded";
std::string InvalidReportFileMessage(const std::string& path);  // "Sorry " + path + " is not ..."
std::string OverwriteQuestion(const std::string& path);

std::string EncodeReportFormat(const RegularReportSettings& s);

// Applies each value as it is read; false at the first value that is
// malformed or out of range (what was applied before stays).
bool DecodeReportFormat(std::string_view bytes, RegularReportSettings& s);

// Whether field menu entry e is offered: not already in the item list.
bool ReportMenuEntryEnabled(const RegularReportSettings& s, int entry);

}  // namespace vorlane
