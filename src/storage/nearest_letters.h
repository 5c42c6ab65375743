#pragma once
// The letters Windows-1252 holds that come nearest to a character it cannot
// hold: the letter without its accent ("ő" -> "o", "ł" -> "l").

#include <string_view>

namespace vorlane {

// Empty when there is no near letter (Greek, Cyrillic, symbols, ...).
std::string_view NearestLetters(char32_t character);

}  // namespace vorlane
