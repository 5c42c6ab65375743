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
    Command{"graph", "DB K [VALUE] [--json]", 2,
            "count DB's records per value below VALUE (a value path) of description K, with the two sums",
            RunGraph, 2},
    Command{"info", "FILE", 1, "print record count, name, labels and whether passwords are set", RunInfo},
};
}  // namespace

std::span<const Command> Commands() { return kCommands; }

}  // namespace vorlane::cli
