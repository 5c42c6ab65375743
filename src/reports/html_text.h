#pragma once
// Turning record texts into HTML cell contents.

#include <string>
#include <string_view>

namespace vorlane {

// &, <, >, " and ' escaped, each carriage return written as <br> (a following
// line feed kept), and the empty text as <br> so the cell keeps its frame.
std::string HtmlCellText(std::string_view text);

}  // namespace vorlane
