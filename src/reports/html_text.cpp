#include "reports/html_text.h"

namespace vorlane {

std::string HtmlCellText(std::string_view text) {
    if (text.empty()) return "<br>";
    std::string out;
    out.reserve(text.size() + 8);
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            case '"': out += "&quot;"; break;
            case '\r': out += "<br>"; break;
            default: out.push_back(c);
        }
    }
    return out;
}

}  // namespace vorlane
