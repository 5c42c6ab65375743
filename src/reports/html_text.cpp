#include "reports/html_text.h"

#include "editor/web_search.h"

namespace vorlane {

std::string HtmlCellText(std::string_view text) {
    if (text.empty()) return "<br>";
    std::string escaped = EscapeHtmlAttribute(text);
    std::string out;
    out.reserve(escaped.size());
    for (char c : escaped) {
        if (c == '\r') out += "<br>";
        else out.push_back(c);
    }
    return out;
}

}  // namespace vorlane
