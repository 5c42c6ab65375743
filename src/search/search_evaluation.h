#pragma once
// Running the terms over the record list: each term compiled once, every
// record tested without allocating, found records put on the search list.

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "search/search_fields.h"
#include "search/search_terms.h"
#include "search/text_match.h"
#include "storage/record.h"

namespace vorlane {

// The terms of a grid, ready to test records. Rows without criterion, and
// rows whose slot names no field, take no part.
class CompiledSearch {
public:
    CompiledSearch(const SearchTerms& terms, const SearchCaptions& captions);

    std::size_t termCount() const { return terms_.size(); }
    // True when at least one term took part and every term held.
    bool Matches(const ItemRecord& record) const;

private:
    enum class Kind { Description, Detail, MoneyDetail, Name, Status, Notes, Ingredients };
    struct Term {
        Kind kind;
        int index = 0;        // description [0 ... 9], detail, notes list
        bool invert = false;  // "Does Not Include"
        std::string value;    // as stored, for descriptions
        std::string folded;   // lower case for notes, upper case for ingredients
        TextRangeMatcher range;
        bool status[3] = {false, false, false};  // the value names flag i
    };
    bool test(const Term& term, const ItemRecord& record) const;

    std::vector<Term> terms_;
    mutable std::string scratch_;  // numeric value of money details; single-threaded use
};

// Some cell below the title row contains needleUpper, ignoring case.
bool IngredientsContain(std::string_view block, std::string_view needleUpper);

// Called with (records done, total); every progressStep records and at the end.
using SearchProgress = std::function<void(std::size_t done, std::size_t total)>;

struct SearchOutcome {
    int newRecords = 0;
    std::string message;        // to show now: "No new records ..." or ""
    std::string resultMessage;  // for the spreadsheet's status box; "" when nothing new
    // Something was found: enable extract, switch the view mode to the
    // search list (2) and show the spreadsheet.
    bool foundNew() const { return newRecords > 0; }
};

// Passing records not yet listed get both search-list flags; listed ones stay as they are.
SearchOutcome RunSearch(RecordList& records, const SearchTerms& terms, const SearchCaptions& captions,
                        const SearchProgress& progress = {}, std::size_t progressStep = 4096);

}  // namespace vorlane
