#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "app/cli/report_options.h"
#include "reports/html_report.h"
#include "reports/regular_report.h"
#include "reports/report_export.h"
#include "reports/report_format_file.h"
#include "reports/ui/report_pdf.h"
#include "storage/new_record.h"

namespace vorlane::cli {

namespace {

// The files a report command reads: the database, the format and the search.
std::vector<std::string> Inputs(const ReportOptions& o) {
    std::vector<std::string> inputs(o.positional.begin() + 1, o.positional.begin() + 3);
    if (o.search) inputs.push_back(*o.search);
    return inputs;
}

void HtmlReportCommand(const ReportOptions& o, std::ostream& out) {
    if (o.positional.size() != 4) throw UsageForm("report html DB HRF OUT [--search SRH]");
    RefuseWritingOverInputs({o.positional[3]}, Inputs(o));
    Database db = LoadDatabase(o.positional[1]);
    HtmlReport report;
    if (!report.DecodeFormat(ReadSmallFile(o.positional[2])))
        throw FileProblem(o.positional[2] + ": " + kHrfInvalid);
    if (o.search) {
        ApplySavedSearch(db, *o.search);
        report.searchListOnly = true;
    }
    HtmlReportTable table = report.Generate(db.records, db.labels, {}, false);
    if (table.truncated) Warnings() << kHtmlRowLimitWarning << '\n';
    WriteOutput(o.positional[3], report.Html(table.rows));
    out << "HTML report saved as " << o.positional[3] << ".\n";
}

void RegularReportCommand(const ReportOptions& o, std::ostream& out) {
    if (o.positional.size() < 3 || o.positional.size() > 4 || (o.positional.size() == 3 && !o.csv && !o.html))
        throw UsageForm("report regular DB RPT [OUT.pdf] [--csv OUT.csv] [--html OUT.htm] [--paper a4|letter|legal] "
                        "[--search SRH]");
    if (o.paper && !PaperNamed(*o.paper)) throw UsageError("--paper is a4, letter or legal, not " + *o.paper);
    std::vector<std::string> outputs;
    if (o.positional.size() == 4) outputs.push_back(o.positional[3]);
    for (const auto& option : {o.csv, o.html})
        if (option) outputs.push_back(*option);
    RefuseWritingOverInputs(outputs, Inputs(o));
    Database db = LoadDatabase(o.positional[1]);
    RegularReportSettings settings;
    if (!DecodeReportFormat(ReadSmallFile(o.positional[2]), settings))
        throw FileProblem(InvalidReportFileMessage(o.positional[2]));
    if (o.search) {
        ApplySavedSearch(db, *o.search);
        settings.searchedRecordsOnly = true;
    }

    EnsureReportGui();
    const Paper paper = o.paper ? *PaperNamed(*o.paper) : LocalePaper();
    auto measurer = MakeFontMeasurer();
    int width = 0, height = 0;
    PdfPageInches(paper, settings.landscape, width, height);
    ReportPages pages(width, height, *measurer);
    int columns = 0;
    std::string error;
    ReportSpace space;
    if (!ColumnCountOf(settings, columns, error)) throw FileProblem(error);
    if (!CalculateSpace(settings, width, height, space)) throw FileProblem(InvalidReportFileMessage(o.positional[2]));
    // The file's bar is used as saved unless it does not match the columns.
    if (static_cast<int>(settings.sections.size()) != columns) DoColumns(settings, columns, space.width);

    LayoutResult result = LayOutReport(settings, LayoutInput{db.records, db.labels, {}, false, TodayText()}, pages);
    if (!result.error.empty()) throw FileProblem(result.error);
    if (!result.warning.empty()) Warnings() << result.warning << '\n';

    if (o.positional.size() == 4) {
        WriteOutput(o.positional[3], ReportPdf(pages, settings.title, paper, settings.landscape));
        out << o.positional[3] << ": " << pages.PageCount() << (pages.PageCount() == 1 ? " page\n" : " pages\n");
    }
    if (o.csv) {
        WriteOutput(*o.csv, ExportCsv(result.exportTable));
        out << *o.csv << ": File Saved\n";
    }
    if (o.html) {
        WriteOutput(*o.html, ExportHtml(result.exportTable));
        out << *o.html << ": File Saved\n";
    }
}

}  // namespace

void RunReport(const std::vector<std::string>& arguments, std::ostream& out) {
    ReportOptions options = ParseReportOptions(arguments, true);
    const std::string kind = options.positional.empty() ? "" : options.positional[0];
    if (kind == "html") {
        if (options.csv || options.html || options.paper)
            throw UsageError("--csv, --html and --paper belong to the regular report");
        HtmlReportCommand(options, out);
    } else if (kind == "regular") {
        RegularReportCommand(options, out);
    } else {
        throw UsageForm("report html DB HRF OUT | report regular DB RPT [OUT.pdf] [--csv OUT.csv] [--html OUT.htm]");
    }
}

}  // namespace vorlane::cli
