#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "app/cli/report_options.h"
#include "reports/delimited_import.h"
#include "reports/report_format_file.h"
#include "storage/database_file.h"
#include "storage/new_record.h"
#include "storage/safe_file.h"

namespace vorlane::cli {

void RunImport(const std::vector<std::string>& arguments, std::ostream& out) {
    // OUT may be DB itself (the safe writer replaces it whole), never the format or the text.
    RefuseWritingOverInputs({arguments[3]}, {arguments[1], arguments[2]});
    Database db = LoadDatabase(arguments[0]);
    RegularReportSettings settings;
    if (!DecodeReportFormat(ReadSmallFile(arguments[1]), settings))
        throw FileProblem(InvalidReportFileMessage(arguments[1]));
    std::string text;
    FileResult read = ReadWholeFile(arguments[2], text);
    if (!read.ok) throw FileProblem(read.error);
    const ImportResult result = ImportDelimited(db, settings.items, text, TodayText());
    if (result.tooLarge) throw FileProblem(ImportTooLargeMessage(result));
    const std::size_t added = result.added;
    SaveDatabase(db, arguments[3]);
    if (result.replaced > 0) Warnings() << arguments[2] << ": " << ReplacedCharactersMessage(result.replacedLines) << '\n';
    out << kFileImported << ": " << added << (added == 1 ? " record\n" : " records\n");
}

}  // namespace vorlane::cli
