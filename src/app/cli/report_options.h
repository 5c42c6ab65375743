#pragma once
// Options the report commands share, and the saved search they may apply.

#include <optional>
#include <string>
#include <vector>

#include "storage/database.h"

namespace vorlane::cli {

// Takes "--name VALUE" pairs out of arguments; unknown "--" options and a
// missing value are usage errors. Returns the positional arguments.
struct ReportOptions {
    std::vector<std::string> positional;
    std::optional<std::string> search, csv, html, paper;
};
ReportOptions ParseReportOptions(const std::vector<std::string>& arguments, bool exportOptions);

// Runs the saved search in path over db, flagging the records it finds.
void ApplySavedSearch(Database& db, const std::string& path);

// The bytes of a settings-sized file (format files, searches).
std::string ReadSmallFile(const std::string& path);

// Fails, before anything is written, when an output names one of the inputs.
void RefuseWritingOverInputs(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs);

// Writes safely or fails with the program's own message.
void WriteOutput(const std::string& path, const std::string& bytes);

}  // namespace vorlane::cli
