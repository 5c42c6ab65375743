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

// The labels of the two details that hold a wine's drinking window.
inline constexpr const char* kDrinkFromLabel = "Drink From";
inline constexpr const char* kDrinkToLabel = "Drink To";

}  // namespace vorlane
