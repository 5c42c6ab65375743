#pragma once
// The twenty per-database field names: 0 ... 9 name details 0 ... 9,
// 10 ... 19 name descriptions 1 ... 10.

#include <array>
#include <string>

namespace vorlane {

constexpr int kLabelCount = 20;
using LabelTable = std::array<std::string, kLabelCount>;

LabelTable DefaultLabels();

inline int DetailLabel(int detail) { return detail; }
inline int DescriptionLabel(int k) { return k + 9; }

}  // namespace vorlane
