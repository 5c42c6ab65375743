#include "app/cli/report_options.h"

#include "app/cli/command.h"
#include "reports/html_report.h"
#include "search/saved_search_file.h"
#include "search/search_evaluation.h"
#include "storage/safe_file.h"
#include "storage/same_file.h"

namespace vorlane::cli {

namespace {
// Far above any format or search a person builds; keeps a stray huge file out of memory.
constexpr std::size_t kMaxSmallFileBytes = std::size_t{64} << 20;
}  // namespace

ReportOptions ParseReportOptions(const std::vector<std::string>& arguments, bool exportOptions) {
    ReportOptions options;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        if (a.rfind("--", 0) != 0) {
            options.positional.push_back(a);
            continue;
        }
        std::optional<std::string>* target = a == "--search" ? &options.search
                                             : exportOptions && a == "--csv" ? &options.csv
                                             : exportOptions && a == "--html" ? &options.html
                                             : exportOptions && a == "--paper" ? &options.paper
                                                                             : nullptr;
        if (!target) throw UsageError("unknown option " + a);
        if (i + 1 >= arguments.size()) throw UsageError(a + " needs a file name");
        *target = arguments[++i];
    }
    return options;
}

std::string ReadSmallFile(const std::string& path) {
    std::string bytes;
    FileResult read = ReadWholeFile(path, bytes, kMaxSmallFileBytes);
    if (!read.ok) throw FileProblem(read.error);
    return bytes;
}

void ApplySavedSearch(Database& db, const std::string& path) {
    SearchTerms terms;
    const SearchCaptions captions;  // a file carries no captions of its own
    if (!DecodeSavedSearch(ReadSmallFile(path), terms, db.labels, captions))
        throw FileProblem(path + " is not a valid search file");
    vorlane::RunSearch(db.records, terms, captions);
}

void RefuseWritingOverInputs(const std::vector<std::string>& outputs, const std::vector<std::string>& inputs) {
    for (const std::string& output : outputs)
        if (const std::string* input = InputNamedBy(output, inputs))
            throw FileProblem(output + " is the same file as the input " + *input + "; nothing was written");
}

void WriteOutput(const std::string& path, const std::string& bytes) {
    ReportWriteResult written = WriteReportFile(path, bytes);
    if (!written.ok) throw FileProblem(written.message);
}

}  // namespace vorlane::cli
