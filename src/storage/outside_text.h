#pragma once
// Text that comes from other programs, turned into the files' character set,
// and the program's own texts written out for other programs.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace vorlane {

enum class OutsideEncoding { Utf8Mark, Utf16LittleEndianMark, Utf16BigEndianMark, Utf8, Windows1252 };

// One line of the converted text on which characters were replaced.
struct ReplacedOnLine {
    std::size_t line = 0;  // 1-based
    std::size_t count = 0;
};

struct OutsideText {
    std::string text;  // Windows-1252, without a byte-order mark
    OutsideEncoding encoding = OutsideEncoding::Windows1252;
    std::size_t replaced = 0;  // characters Windows-1252 cannot hold
    std::vector<ReplacedOnLine> replacedLines;
};

// A byte-order mark decides (UTF-8, UTF-16 either way round); else text that
// is well-formed UTF-8 and holds non-ASCII bytes is UTF-8; else Windows-1252.
// A character Windows-1252 cannot hold becomes its nearest letters, or "?"
// when it has none, and is counted on its line.
OutsideText ReadOutsideText(std::string_view bytes);

// "12 characters replaced on lines 3, 7, 9" ... with at most a few lines
// named; empty when nothing was replaced.
std::string ReplacedCharactersMessage(const std::vector<ReplacedOnLine>& lines);

inline constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";

// Windows-1252 bytes as UTF-8 with a byte-order mark.
std::string TextForOtherPrograms(std::string_view cp1252);

}  // namespace vorlane
