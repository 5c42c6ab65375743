// Writes the seed corpus of every fuzz target from the project's own writers:
// write_seeds SOURCE_DIR (the seeds go to SOURCE_DIR/fuzz/seeds/<target>/).

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <utility>

#include "reports/html_report.h"
#include "reports/regular_report.h"
#include "reports/report_export.h"
#include "reports/report_format_file.h"
#include "search/saved_search_file.h"
#include "storage/value_tree.h"

namespace {

using namespace vorlane;
namespace fs = std::filesystem;

fs::path root;

void Write(const std::string& target, const std::string& name, const std::string& bytes) {
    const fs::path folder = root / "fuzz" / "seeds" / target;
    fs::create_directories(folder);
    std::ofstream(folder / name, std::ios::binary) << bytes;
}

std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

RegularReportSettings Layout(int columns) {
    RegularReportSettings s;
    s.items = {{22, 0, "Name"}, {0, 0, "Region"}, {13, 0, "Vintage"}, {18, 0, "Value"}, {20, 0, "Status"}};
    s.columnCount = std::to_string(columns);
    DoColumns(s, columns, 8640);
    return s;
}

// The regular layout target reads its settings and records from bytes in
// this order; see regular_layout_fuzz.cpp.
std::string LayoutBytes(const RegularReportSettings& s, int records) {
    std::string b;
    auto byte = [&](int v) { b.push_back(static_cast<char>(v)); };
    auto text = [&](const std::string& t) {
        byte(static_cast<int>(t.size() % 24));
        b += t.substr(0, t.size() % 24);
    };
    byte(s.titleOn | s.dateOn << 1 | s.pageNumbersOn << 2 | s.itemNumbersOn << 3 | s.totalsOn << 4 | s.indent << 5);
    text(s.title);
    byte(std::stoi(s.columnCount) - 1);
    for (int m = 0; m < 4; ++m) byte(1);
    for (const ReportFont* f : {&s.titleFont, &s.bodyFont, &s.valueFont}) byte(f->size - 1);
    byte(s.barWidth / 64);
    byte(static_cast<int>(s.sections.size()));
    for (const auto& section : s.sections) byte((section.width + 64) / 4);
    byte(static_cast<int>(s.items.size()));
    for (const auto& item : s.items) byte(item.fieldIndex);
    byte(4);  // 8 x 11 inches
    byte(7);
    for (int r = 0; r < records; ++r) {
        text("Wine " + std::to_string(r));
        text("$12.50");
        text("$30.00");
        byte(r % 2);
    }
    return b;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fputs("usage: write_seeds SOURCE_DIR\n", stderr);
        return 1;
    }
    root = argv[1];

    Write("report_format", "three-columns.rpt", EncodeReportFormat(Layout(3)));
    RegularReportSettings indented = Layout(2);
    indented.indent = true;
    indented.landscape = true;
    Write("report_format", "indented-landscape.rpt", EncodeReportFormat(indented));

    Write("regular_layout", "three-columns-40-records", LayoutBytes(Layout(3), 40));
    Write("regular_layout", "indented-two-columns-200-records", LayoutBytes(indented, 200));

    HtmlReport html;
    for (int e : {kNameIndex, 0, 13, 18, kStatusIndex}) html.Add(e, "field");
    html.header = {"<html><body>", "<h1>Cellar</h1>"};
    html.footer = {"</body></html>"};
    html.searchListOnly = true;
    Write("html_report_format", "five-fields.hrf", html.EncodeFormat());
    Write("html_report_format", "empty.hrf", HtmlReport().EncodeFormat());

    SearchTerms terms;
    terms.AddTerm();
    terms.AddTerm();
    Write("saved_search", "two-rows.srh", EncodeSavedSearch(terms));
    Write("saved_search", "empty.srh", EncodeSavedSearch(SearchTerms()));

    // The first byte picks five item-list entries.
    Write("delimited_import", "export.csv",
          "\x05" + ExportCsv({{"Chateau Margaux", "Bordeaux", "2015", "$450.00", "Favorite"},
                              {"Say \"hi\", friend", "Line\r\nbreak", "", "", ""},
                              {"Barolo", "Piedmont", "2016", "$80.00", "Tested"}}));

    // Five steering bytes (the first is their count), then a default tree as
    // the program writes it.
    for (int n : {1, 2, 3}) {
        const std::string def = Read(root / "data" / ("description" + std::to_string(n) + ".def"));
        Write("value_tree_text", "description" + std::to_string(n),
              std::string("\x05\x01\x03\x04\x00", 5) + TreeToText(ParseTreeText(def)));
    }

    // Label pictures the sample cellar's drawing tool made; a first byte of 0
    // puts no signature in front.
    const std::pair<const char*, const char*> labels[] = {{"png-label", "louis-jadot-meursault.png"},
                                                          {"jpeg-label", "blandys-malmsey-10-years-old.jpg"},
                                                          {"pcx-label", "trimbach-gewurztraminer.pcx"}};
    for (const auto& [seed, label] : labels)
        Write("picture_loader", seed, std::string(1, '\0') + Read(root / "data" / "sample" / "labels" / label));
    return 0;
}
