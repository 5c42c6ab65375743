#include "app/cli/command.h"

#include <array>

namespace vorlane::cli {

namespace {
constexpr std::array kCommands = {
    Command{"dump", "FILE", 1, "print the whole database as JSON", RunDump},
    Command{"resave", "IN OUT", 2, "read IN and write it unchanged to OUT", RunResave},
    Command{"sort", "FILE KEY OUT", 3, "write FILE to OUT with its records sorted by sort key 1 ... 21", RunSort},
    Command{"search", "DB SRH", 2, "print the numbers of the records that the saved search SRH finds in DB", RunSearch},
    Command{"report", "html|regular DB FORMAT [OUT] [--csv F] [--html F] [--paper P] [--search SRH]", 3, "write the HTML report of a saved format, or the regular report as PDF or its table", RunReport, 9},
    Command{"shopping", "DB [--search SRH]", 1, "print the shopping list, one ingredient and measure a line", RunShopping, 2},
    Command{"import", "DB RPT IN.csv OUT", 4, "append the lines of IN.csv as records through the report's fields; write OUT", RunImport},
    Command{"import-cellar", "IN OUT [--into DB] [--format auto|web|phone|collection|vorlane|columns] [--map COLUMN=FIELD]... [--dry-run]", 2,
            "write OUT from another program's cellar export IN, or the cellar.csv in the ZIP archive IN (into a copy of DB when given); report on standard error",
            RunImportCellar, 64},
    Command{"export", "DB OUT.csv", 2, "write every record of DB as CSV (UTF-8) with a header row of its labels", RunExport},
    Command{"graph", "DB K [VALUE] [--json]", 2,
            "count DB's records per value below VALUE (a value path) of description K, with the two sums",
            RunGraph, 2},
    Command{"drink", "DB [--year Y] [--json]", 1,
            "print the bottles per drinking-window status in year Y (this year), then what to open first",
            RunDrink, 3},
    Command{"info", "FILE", 1, "print record count, name, labels and whether passwords are set", RunInfo},
};
}  // namespace

std::span<const Command> Commands() { return kCommands; }

}  // namespace vorlane::cli
