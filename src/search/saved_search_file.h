#pragma once
// The saved search file (.srh): the grid's rows with their slot links and
// all fifty slots, as plain values of the value stream.

#include <string>
#include <string_view>

#include "search/search_fields.h"
#include "search/search_terms.h"
#include "storage/labels.h"

namespace vorlane {

std::string EncodeSavedSearch(const SearchTerms& terms);

// Replaces the terms with the file's. The old search is cleared first, so a
// file that breaks off leaves only what was read before the break; rows
// appear as they are read. Returns false on a read error.
bool DecodeSavedSearch(std::string_view bytes, SearchTerms& terms, const LabelTable& labels,
                       const SearchCaptions& captions);

// Rows with a slot show the caption of that slot's field; other rows show none.
void CaptionRows(SearchTerms& terms, const LabelTable& labels, const SearchCaptions& captions);

// Writes the file safely; returns "Search Saved." or the failure message.
std::string SaveSearchFile(const SearchTerms& terms, const std::string& path);

// Returns "" when loaded, otherwise the invalid-file message; what was read stays.
std::string LoadSearchFile(const std::string& path, SearchTerms& terms, const LabelTable& labels,
                           const SearchCaptions& captions);

}  // namespace vorlane
