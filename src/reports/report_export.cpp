#include "reports/report_export.h"

#include "reports/html_text.h"
#include "storage/outside_text.h"

namespace vorlane {

std::string ExportCsv(const ExportTable& table) {
    std::string out;
    for (const auto& row : table) {
        for (std::size_t c = 0; c < row.size(); ++c) {
            if (c > 0) out.push_back(',');
            const std::string& cell = row[c];
            if (cell.empty()) {
                out += "\"\"";
            } else if (cell.find_first_of(",\"\r\n") != std::string::npos) {
                out.push_back('"');
                for (char ch : cell) {
                    if (ch == '"') out.push_back('"');
                    out.push_back(ch);
                }
                out.push_back('"');
            } else {
                out += cell;
            }
        }
        out += "\r\n";
    }
    return TextForOtherPrograms(out);
}

std::string ExportHtml(const ExportTable& table) {
    std::string out = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"0\" width=\"100%\">\r\n";
    for (const auto& row : table) {
        out += "<tr>\r\n";
        for (const auto& cell : row) out += "<td nowrap>" + HtmlCellText(cell) + "</td>\r\n";
        out += "</tr>\r\n";
    }
    out += "</table><p>\r\n";
    return TextForOtherPrograms(out);
}

}  // namespace vorlane
