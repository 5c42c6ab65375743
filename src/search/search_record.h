#pragma once
// One search criterion and the fixed table of fifty that the term rows point into.

#include <array>
#include <cstdint>
#include <string>

namespace vorlane {

constexpr int kSlotCount = 50;     // slots are numbered 1 ... 50
constexpr int kMaxTermRows = 50;   // grid rows below the header
constexpr int kFreeSlot = -1;      // code of a slot no term uses
constexpr int kNoCriterion = -1;   // row link of a row without criterion
constexpr int kNewTermRow = 0;     // row link of a row just added by "Add Term"

constexpr std::int32_t kTypeIncludes = 1;
constexpr std::int32_t kTypeDoesNotInclude = 2;  // every other value acts as "Includes"

struct SearchRecord {
    std::int32_t code = kFreeSlot;  // search field number
    std::int32_t type = 0;          // slots start with 0, which acts as "Includes"
    std::string value;              // searched text, or the low end of a range
    std::string highValue;          // high end of a range; empty without one
    bool operator==(const SearchRecord&) const = default;
};

// Index 0 holds slot 1.
using CriteriaTable = std::array<SearchRecord, kSlotCount>;

constexpr bool IsSlotNumber(int link) { return link >= 1 && link <= kSlotCount; }

}  // namespace vorlane
