#include "search/search_evaluation.h"

#include "search/search_messages.h"
#include "storage/database_file.h"
#include "storage/fields.h"

namespace vorlane {

CompiledSearch::CompiledSearch(const SearchTerms& terms, const SearchCaptions& captions) {
    for (int row = 0; row < static_cast<int>(terms.rows().size()); ++row) {
        const SearchRecord* criterion = terms.criterionOf(row);
        if (!criterion || !IsSearchFieldNumber(criterion->code)) continue;
        const int number = criterion->code;
        Term t{};
        t.invert = criterion->type == kTypeDoesNotInclude;
        if (number < 100) {
            t.kind = Kind::Description;
            t.index = DescriptionOfSearchField(number) - 1;
            t.value = criterion->value;
        } else if (number < kSearchStatus) {
            t.index = DetailOfSearchField(number);
            t.kind = (t.index == 1 || t.index == 8) ? Kind::MoneyDetail : Kind::Detail;
            t.range = TextRangeMatcher(criterion->value, criterion->highValue);
        } else if (number == kSearchStatus) {
            t.kind = Kind::Status;
            for (std::size_t i = 0; i < 3; ++i) t.status[i] = criterion->value == captions.statusFlags[i];
        } else if (number == kSearchName) {
            t.kind = Kind::Name;
            t.range = TextRangeMatcher(criterion->value, criterion->highValue);
        } else if (number < kSearchIngredients) {
            t.kind = Kind::Notes;
            t.index = (number - 220) / 10;
            t.folded = LowerAscii(criterion->value);
        } else {
            t.kind = Kind::Ingredients;
            t.invert = false;  // always tested as "Includes"
            t.folded = UpperCp1252(criterion->value);
        }
        terms_.push_back(std::move(t));
    }
}

bool CompiledSearch::test(const Term& t, const ItemRecord& r) const {
    switch (t.kind) {
        case Kind::Description:
            return !t.value.empty() && r.Descriptions[static_cast<std::size_t>(t.index)].find(t.value) != std::string::npos;
        case Kind::Detail:
            return t.range(r.Details[static_cast<std::size_t>(t.index)]);
        case Kind::MoneyDetail:
            NumericValueInto(r.Details[static_cast<std::size_t>(t.index)], scratch_);
            return t.range(scratch_);
        case Kind::Name:
            return t.range(r.Name);
        case Kind::Status:
            return (t.status[0] && r.Favorite) || (t.status[1] && r.Tested) || (t.status[2] && r.Untested);
        case Kind::Notes:
            if (t.folded.empty()) return false;
            for (const auto& line : r.NoteLists[static_cast<std::size_t>(t.index)])
                if (ContainsIgnoringCase(line, t.folded)) return true;
            return false;
        case Kind::Ingredients:
            return !t.folded.empty() && IngredientsContain(r.Ingredients, t.folded);
    }
    return false;
}

bool CompiledSearch::Matches(const ItemRecord& record) const {
    if (terms_.empty()) return false;
    for (const auto& t : terms_)
        if (test(t, record) == t.invert) return false;
    return true;
}

namespace {

// Cell texts keep CR and LF as TAB and backspace when they hold a backspace.
char cellChar(char c, bool mapped) {
    if (!mapped) return c;
    if (c == '\t') return '\r';
    if (c == '\b') return '\n';
    return c;
}

bool cellContains(std::string_view cell, std::string_view needleUpper) {
    const std::size_t n = needleUpper.size();
    if (cell.size() < n) return false;
    const bool mapped = cell.find('\b') != std::string_view::npos;
    const std::size_t last = cell.size() - n;
    for (std::size_t i = 0; i <= last; ++i) {
        std::size_t j = 0;
        while (j < n && UpperCp1252(cellChar(cell[i + j], mapped)) == needleUpper[j]) ++j;
        if (j == n) return true;
    }
    return false;
}

}  // namespace

bool IngredientsContain(std::string_view block, std::string_view needleUpper) {
    // Every cell below the title row, as the main window's table shows it.
    IngredientsLines lines(block);
    int column, row;
    std::string_view text;
    while (lines.NextCell(column, row, text))
        if (row >= 1 && cellContains(text, needleUpper)) return true;
    return false;
}

SearchOutcome RunSearch(RecordList& records, const SearchTerms& terms, const SearchCaptions& captions,
                        const SearchProgress& progress, std::size_t progressStep) {
    SearchOutcome outcome;
    const CompiledSearch search(terms, captions);
    const std::size_t total = records.size();
    if (progressStep == 0) progressStep = 1;
    if (progress) progress(0, total);
    std::size_t sinceReport = 0;
    for (std::size_t p = 0; p < total; ++p) {
        ItemRecord& record = records[p];
        if (search.Matches(record) && !record.OnSearchList) {
            record.OnSearchList = true;
            record.PreviouslyListed = true;
            ++outcome.newRecords;
        }
        if (++sinceReport == progressStep) {
            sinceReport = 0;
            if (progress) progress(p + 1, total);
        }
    }
    if (progress && sinceReport != 0) progress(total, total);
    if (outcome.newRecords == 0) outcome.message = kMsgNoNewRecords;
    else outcome.resultMessage = NewRecordsMessage(outcome.newRecords);
    return outcome;
}

}  // namespace vorlane
