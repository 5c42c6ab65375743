#include "search/search_session.h"

#include "search/saved_search_file.h"

namespace vorlane {

SearchOutcome SearchSession::Search(RecordList& records, const SearchCaptions& captions,
                                    const SearchProgress& progress, std::size_t progressStep) {
    resultMessage_.clear();
    SearchOutcome outcome = RunSearch(records, terms, captions, progress, progressStep);
    resultMessage_ = outcome.resultMessage;
    return outcome;
}

bool SearchSession::NewSearch(const std::function<bool(const std::string&)>& askYesNo) {
    if (!askYesNo || !askYesNo(kMsgConfirmClearSearch)) return false;
    terms.Clear();
    resultMessage_.clear();
    return true;
}

std::string SearchSession::SaveSearch(const SearchPrompts& prompts) const {
    if (!prompts.chooseSaveFile) return {};
    const std::string path = prompts.chooseSaveFile(SearchFileChooser());
    if (path.empty()) return {};
    return SaveSearchFile(terms, path);
}

std::string SearchSession::LoadSearch(const SearchPrompts& prompts, const LabelTable& labels,
                                      const SearchCaptions& captions) {
    if (!prompts.askYesNo || !prompts.askYesNo(kMsgConfirmClearSearch)) return {};
    if (!prompts.chooseOpenFile) return {};
    const std::string path = prompts.chooseOpenFile(SearchFileChooser());
    if (path.empty()) return {};
    return LoadSearchFile(path, terms, labels, captions);
}

}  // namespace vorlane
