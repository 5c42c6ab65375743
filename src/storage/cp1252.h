#pragma once
// The files' character set (Windows-1252) <-> UTF-8, for everything that
// shows texts to the person or to other programs. Every byte value has a
// character, so a text survives the trip out and back unchanged.

#include <string>
#include <string_view>

namespace vorlane {

// Never fails: the five bytes Windows-1252 leaves unassigned (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become the C1 controls of the same number.
std::string Cp1252ToUtf8(std::string_view bytes);

// False when utf8 is not well-formed UTF-8 or holds a character that
// Windows-1252 cannot hold; out is then left as it was.
bool Utf8ToCp1252(std::string_view utf8, std::string& out);

// The byte Windows-1252 holds cp as, or -1 when it has none.
int Cp1252ByteFor(char32_t cp);

// Reads one well-formed UTF-8 character at pos and advances past it; false
// for overlong forms, surrogates, values beyond U+10FFFF and cut sequences.
bool NextUtf8CodePoint(std::string_view text, std::size_t& pos, char32_t& cp);

}  // namespace vorlane
