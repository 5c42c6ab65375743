#pragma once
// What the search window keeps for the whole run: its terms and the result
// message the spreadsheet shows once, with the commands that change them.

#include <string>
#include <utility>

#include "search/search_evaluation.h"
#include "search/search_messages.h"
#include "search/search_terms.h"
#include "storage/labels.h"

namespace vorlane {

class SearchSession {
public:
    SearchTerms terms;

    // "Search": empties the result message, runs, and sets it when something new was found.
    SearchOutcome Search(RecordList& records, const SearchCaptions& captions, const SearchProgress& progress = {},
                         std::size_t progressStep = 4096);

    // "New Search": true when the person agreed and the terms were emptied
    // (the window then sets its progress bar to 0). The search list stays.
    bool NewSearch(const std::function<bool(const std::string&)>& askYesNo);

    // "Save Search To Disk": the message to show, "" when the chooser was cancelled.
    std::string SaveSearch(const SearchPrompts& prompts) const;

    // "Load Search From Disk": the message to show, "" when loaded or cancelled.
    std::string LoadSearch(const SearchPrompts& prompts, const LabelTable& labels, const SearchCaptions& captions);

    const std::string& resultMessage() const { return resultMessage_; }
    // The spreadsheet shows it once and empties it.
    std::string TakeResultMessage() { return std::exchange(resultMessage_, {}); }

private:
    std::string resultMessage_;
};

}  // namespace vorlane
