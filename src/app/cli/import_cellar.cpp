// Another program's cellar export into a database, and every record out as CSV.

#include <unistd.h>

#include <climits>

#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "app/cli/report_options.h"
#include "exchange/cellar_export.h"
#include "exchange/cellar_import.h"
#include "exchange/zip/zip_member.h"
#include "storage/database_file.h"
#include "storage/safe_file.h"
#include "storage/value_tree.h"

namespace vorlane::cli {

namespace {

// The --format names and the layouts they stand for.
constexpr std::pair<std::string_view, std::string_view> kFormats[] = {
    {"web", "web cellar service"},      {"phone", "phone app cellar"},        {"collection", "collection manager"},
    {"vorlane", "Vorlane export"},      {"columns", "columns named like the fields"},
};

// The shipped value trees, beside the program as ../share/vorlane.
void LoadDefaultTrees(Database& db) {
    char self[PATH_MAX];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0) return;
    std::string folder(self, static_cast<std::size_t>(n));
    folder = folder.substr(0, folder.rfind('/')) + "/../share/vorlane/";
    for (int k = 1; k <= kDescriptionCount; ++k) {
        std::string text;
        if (ReadWholeFile(folder + "description" + std::to_string(k) + ".def", text, 16u << 20).ok)
            db.valueTrees[static_cast<std::size_t>(k - 1)] = TreeToText(ParseTreeText(text));
    }
}

}  // namespace

void RunImportCellar(const std::vector<std::string>& arguments, std::ostream& out) {
    const std::string& in = arguments[0];
    const std::string& outPath = arguments[1];
    std::string into, format = "auto";
    std::vector<std::pair<std::string, std::string>> maps;
    bool dryRun = false;
    for (std::size_t i = 2; i < arguments.size(); ++i) {
        const std::string& a = arguments[i];
        auto value = [&]() -> const std::string& {
            if (i + 1 >= arguments.size()) throw UsageError(a + " needs a value");
            return arguments[++i];
        };
        if (a == "--into") {
            into = value();
        } else if (a == "--format") {
            format = value();
        } else if (a == "--map") {
            const std::string& m = value();
            const std::size_t eq = m.find('=');
            if (eq == std::string::npos || eq == 0) throw UsageError("--map takes COLUMN=FIELD, not \"" + m + "\"");
            maps.emplace_back(m.substr(0, eq), m.substr(eq + 1));
        } else if (a == "--dry-run") {
            dryRun = true;
        } else {
            throw UsageError("unknown option \"" + a + "\"");
        }
    }
    std::string layoutName;
    if (format != "auto") {
        for (const auto& [id, name] : kFormats)
            if (format == id) layoutName = name;
        if (layoutName.empty()) throw UsageError("--format is auto, web, phone, collection, vorlane or columns");
    }
    RefuseWritingOverInputs({outPath}, into.empty() ? std::vector<std::string>{in} : std::vector<std::string>{in, into});

    Database db;
    if (into.empty()) LoadDefaultTrees(db);
    else db = LoadDatabase(into);

    std::string bytes;
    FileResult read = ReadWholeFile(in, bytes, kMaxDatabaseBytes);
    if (!read.ok) throw FileProblem(read.error);
    if (std::string error; !TakeCellarOutOfZip(in, bytes, error)) throw FileProblem(error);
    const DelimitedText text = ReadDelimitedText(bytes, in);
    if (!text.refusal.empty()) throw FileProblem(text.refusal);
    const auto layouts = KnownLayouts();
    ImportPlan plan = PlanImport(text, db.labels, layouts, layoutName);
    if (!plan.layout) throw FileProblem(in + ": the file's columns were not recognised");
    for (const auto& [column, field] : maps) {
        const int c = ColumnOf(plan.header, column);
        if (c < 0) throw UsageError("--map: " + in + " has no column \"" + column + "\"");
        std::optional<ImportTarget> target =
            FoldForMatch(field) == "none" ? ImportTarget{} : TargetNamed(field, db.labels);
        if (!target) throw UsageError("--map: no field is named \"" + field + "\"");
        plan.targets[static_cast<std::size_t>(c)] = *target;
    }
    const CellarImportReport report = ImportCellar(db, text, plan, into.empty());
    if (!report.error.empty()) throw FileProblem(report.error);
    Warnings() << in << ": " << plan.layout->Name() << '\n';
    for (const auto& line : ImportReportLines(report)) Warnings() << line << '\n';
    Warnings() << ImportSummary(report) << '\n';
    if (dryRun) return;
    SaveDatabase(db, outPath);
    out << outPath << ": " << db.records.size() << (db.records.size() == 1 ? " record\n" : " records\n");
}

void RunExport(const std::vector<std::string>& arguments, std::ostream& out) {
    RefuseWritingOverInputs({arguments[1]}, {arguments[0]});
    const Database db = LoadDatabase(arguments[0]);
    FileResult written = WriteFileSafely(arguments[1], ExportAllRecords(db));
    if (!written.ok) throw FileProblem(written.error);
    out << arguments[1] << ": " << db.records.size() << (db.records.size() == 1 ? " record" : " records")
        << " exported\n";
}

}  // namespace vorlane::cli
