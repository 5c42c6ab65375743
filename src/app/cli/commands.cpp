#include "app/cli/command.h"

#include <array>

namespace vorlane::cli {

namespace {
constexpr std::array kCommands = {
    Command{"dump", "FILE", 1, "print the whole database as JSON", RunDump},
    Command{"resave", "IN OUT", 2, "read IN and write it unchanged to OUT", RunResave},
    Command{"sort", "FILE KEY OUT", 3, "write FILE to OUT with its records sorted by sort key 1 ... 21", RunSort},
    Command{"search", "DB SRH", 2, "print the numbers of the records that the saved search SRH finds in DB", RunSearch},
    Command{"report", "html|regular DB FORMAT [OUT] [--csv F] [--html F] [--search SRH]",
            kOptionalArguments, "write the HTML report of a saved format, or the regular report as PDF or its table", RunReport},
    Command{"shopping", "DB [--search SRH]", kOptionalArguments, "print the shopping list, one ingredient and measure a line", RunShopping},
    Command{"import", "DB RPT IN.csv OUT", 4, "append the lines of IN.csv as records through the report's fields; write OUT", RunImport},
    Command{"info", "FILE", 1, "print record count, name, labels and whether passwords are set", RunInfo},
};
}  // namespace

std::span<const Command> Commands() { return kCommands; }

}  // namespace vorlane::cli
