// Feeds arbitrary bytes to the saved-search reader, then uses what it loaded
// the way the search window would.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "search/saved_search_file.h"
#include "search/search_evaluation.h"
#include "storage/labels.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace vorlane;
    static const LabelTable labels = DefaultLabels();
    static const SearchCaptions captions;

    SearchTerms terms;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const bool ok = DecodeSavedSearch(bytes, terms, labels, captions);
    if (terms.rows().empty()) __builtin_trap();

    // Loaded terms must be usable: menus, edits, a search, and a file that
    // reads back to the same terms.
    terms.FieldMenu(labels, captions);
    for (int row = 0; row < static_cast<int>(terms.rows().size()) && row < 8; ++row) {
        terms.ChooserOf(row);
        terms.RangeDialogFor(row);
    }
    RecordList records(2);
    records[0].Name = "Chablis";
    records[0].Ingredients = "4,100\r\n0,1,Yeast\r\n";
    records[1].Details[1] = "$1,250.00";
    RunSearch(records, terms, captions);

    if (ok) {
        SearchTerms again;
        if (!DecodeSavedSearch(EncodeSavedSearch(terms), again, labels, captions)) __builtin_trap();
        if (!(again.rows() == terms.rows()) || !(again.criteria() == terms.criteria())) __builtin_trap();
    }
    terms.AddTerm();
    terms.RemoveTerm(0);
    return 0;
}
