#include "search/search_fields.h"

#include "storage/fields.h"

namespace vorlane {

const std::vector<int>& SearchFieldNumbers() {
    static const std::vector<int> numbers = [] {
        std::vector<int> n;
        for (int k = 1; k <= kDescriptionCount; ++k) n.push_back(SearchFieldOfDescription(k));
        for (int k = 0; k < kDetailCount; ++k) n.push_back(SearchFieldOfDetail(k));
        n.push_back(kSearchStatus);
        n.push_back(kSearchName);
        for (int list = 0; list < kNoteListCount; ++list) n.push_back(SearchFieldOfNotes(list));
        n.push_back(kSearchIngredients);
        return n;
    }();
    return numbers;
}

bool IsSearchFieldNumber(int number) { return number >= 0 && number <= kSearchIngredients && number % 10 == 0; }

std::string SearchFieldCaption(int number, const LabelTable& labels, const SearchCaptions& captions) {
    if (!IsSearchFieldNumber(number)) return {};
    if (number < 100) return labels[static_cast<std::size_t>(DescriptionLabel(DescriptionOfSearchField(number)))];
    if (number < kSearchStatus) return labels[static_cast<std::size_t>(DetailLabel(DetailOfSearchField(number)))];
    if (number == kSearchStatus) return captions.status;
    if (number == kSearchName) return captions.name;
    if (number < kSearchIngredients) return captions.notes[static_cast<std::size_t>((number - 220) / 10)];
    return kIngredientsCaption;
}

std::array<std::string, 2> TypeMenu() { return {kIncludesCaption, kDoesNotIncludeCaption}; }

std::int32_t TypeOfCaption(const std::string& caption) {
    return caption == kDoesNotIncludeCaption ? kTypeDoesNotInclude : kTypeIncludes;
}

const char* CaptionOfType(std::int32_t type) {
    return type == kTypeDoesNotInclude ? kDoesNotIncludeCaption : kIncludesCaption;
}

std::array<std::string, 3> StatusMenu(const SearchCaptions& captions) { return captions.statusFlags; }

ValueChooser ChooserFor(int number) {
    if (!IsSearchFieldNumber(number)) return ValueChooser::None;
    if (number < 100) return ValueChooser::DescriptionMenu;
    if (number < kSearchStatus) return ValueChooser::RangeDialog;
    if (number == kSearchStatus) return ValueChooser::StatusMenu;
    return ValueChooser::Typed;
}

}  // namespace vorlane
