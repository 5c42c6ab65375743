#include <charconv>

#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "editor/record_sort.h"
#include "storage/database_file.h"
#include "storage/fields.h"

namespace vorlane::cli {

void RunSort(const std::vector<std::string>& arguments, std::ostream&) {
    const std::string& keyText = arguments[1];
    int key = 0;
    auto parsed = std::from_chars(keyText.data(), keyText.data() + keyText.size(), key);
    if (parsed.ec != std::errc() || parsed.ptr != keyText.data() + keyText.size() || key < 1 || key > kSortKeyCount)
        throw UsageError("KEY must be a sort key from 1 to 21, not " + keyText);
    Database db = LoadDatabase(arguments[0]);
    SortRecords(db.records, key);
    SaveDatabase(db, arguments[2]);
}

}  // namespace vorlane::cli
