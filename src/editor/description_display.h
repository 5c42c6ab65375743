#pragma once
// How a description edit shows the value path it keeps.

#include <string>
#include <string_view>

namespace vorlane {

// With short values on, only the chosen value: the text before the first
// colon, the blank in front of the separator kept ("Merlot : Red : Grape"
// shows "Merlot "). Otherwise, and for a path without a colon, the whole path.
std::string DescriptionDisplay(std::string_view path, bool shortValues);

}  // namespace vorlane
