#pragma once
// Another program's cellar into a database: recognise the layout, map the
// columns, convert the rows and append them, all or nothing.

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "exchange/cellar_layout.h"
#include "exchange/delimited_reader.h"
#include "storage/database.h"

namespace vorlane {

struct ImportPlan {
    const CellarLayout* layout = nullptr;
    bool hasHeader = true;
    std::vector<std::string> header;  // the column names (the layout's own when the file has none)
    std::vector<ImportTarget> targets;  // one per column
};

// The best-fitting layout of layouts; the layout named forcedLayout when given.
// Empty layout when forcedLayout names none.
ImportPlan PlanImport(const DelimitedText& text, const LabelTable& labels,
                      const std::vector<std::unique_ptr<CellarLayout>>& layouts, const std::string& forcedLayout = {});

struct CellarImportReport {
    std::string error;  // when not empty nothing was changed
    bool cancelled = false;
    std::size_t imported = 0;
    std::size_t skipped = 0;  // already in the database
    std::vector<ConversionNote> notes;
};

// (rows done, rows in all); false cancels.
using ImportProgress = std::function<bool(std::size_t, std::size_t)>;

// Appends the rows to db and puts them, and only them, on the search list.
// newDatabase: db is a fresh database whose labels the import may change.
// On an error or a cancel db is left exactly as it was.
CellarImportReport ImportCellar(Database& db, const DelimitedText& text, const ImportPlan& plan, bool newDatabase,
                                const ImportProgress& progress = {});

// "92 records imported, 0 skipped"
std::string ImportSummary(const CellarImportReport& report);
// One line per conversion: "line 7: ..."
std::vector<std::string> ImportReportLines(const CellarImportReport& report);

// A database as large as this is no longer read back.
std::size_t EstimatedRecordBytes(const ItemRecord& record);

}  // namespace vorlane
