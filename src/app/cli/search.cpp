#include "app/cli/command.h"
#include "app/cli/load_database.h"
#include "search/saved_search_file.h"
#include "search/search_evaluation.h"
#include "storage/safe_file.h"

namespace vorlane::cli {

namespace {
// Far above any search a person builds; keeps a stray huge file out of memory.
constexpr std::size_t kMaxSearchFileBytes = std::size_t{64} << 20;
}  // namespace

void RunSearch(const std::vector<std::string>& arguments, std::ostream& out) {
    Database db = LoadDatabase(arguments[0]);

    const std::string& searchPath = arguments[1];
    std::string bytes;
    FileResult read = ReadWholeFile(searchPath, bytes, kMaxSearchFileBytes);
    if (!read.ok) throw FileProblem(read.error);
    SearchTerms terms;
    const SearchCaptions captions;  // a file carries no captions of its own
    if (!DecodeSavedSearch(bytes, terms, db.labels, captions))
        throw FileProblem(searchPath + " is not a valid search file");

    // Nothing is on the search list of a freshly read database, so every
    // passing record is a new one.
    vorlane::RunSearch(db.records, terms, captions);
    for (std::size_t i = 0; i < db.records.size(); ++i)
        if (db.records[i].OnSearchList) out << i + 1 << '\n';
}

}  // namespace vorlane::cli
