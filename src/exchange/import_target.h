#pragma once
// Where a column of another program's export goes in a record.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/labels.h"

namespace vorlane {

struct ImportTarget {
    enum Kind { None, Name, Detail, Description, DrinkFrom, DrinkTo, Flag, NoteList, Links, Picture };
    Kind kind = None;
    int index = 0;  // detail 0 ... 9, description 1 ... 10, flag 0 ... 2, list 0 ... 2, picture 1 ... 6
    bool operator==(const ImportTarget&) const = default;
};

// Every target a person can choose, in the order a menu lists them.
std::vector<ImportTarget> AllImportTargets();

// The target's name in this database ("Vintage", "Region", "Favorite",
// "Links", ...); "(not imported)" for None.
std::string TargetName(const ImportTarget& target, const LabelTable& labels);

// The target named name (a label, a fixed caption), case and accents ignored.
std::optional<ImportTarget> TargetNamed(std::string_view name, const LabelTable& labels);

// The person's column choices as one settings text ("Size=Detail 4|Wine=Name"),
// and back onto targets for the columns of header that it names.
std::string EncodeColumnChoices(const std::vector<std::string>& header, const std::vector<ImportTarget>& targets);
void ApplyColumnChoices(std::string_view text, const std::vector<std::string>& header,
                        std::vector<ImportTarget>& targets);

// Windows-1252 text folded for matching: lower case, accents off, blanks trimmed.
std::string FoldForMatch(std::string_view text);

}  // namespace vorlane
