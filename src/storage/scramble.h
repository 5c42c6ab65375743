#pragma once
// Keeps passwords from standing in the file as plain text. This is not
// encryption: anyone with the file can undo it.

#include <string>
#include <string_view>

namespace vorlane {

std::string Scramble(std::string_view plain);
std::string Unscramble(std::string_view scrambled);

}  // namespace vorlane
