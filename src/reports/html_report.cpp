#include "reports/html_report.h"

#include <utility>

#include "reports/html_text.h"
#include "storage/fields.h"
#include "storage/list_moves.h"
#include "storage/outside_text.h"
#include "storage/safe_file.h"

namespace vorlane {

namespace {
constexpr const char* kTableOpen = R"(<table border="1" cellspacing="0" cellpadding="0" width="100%">)";

// The last of the three flags in this order wins.
std::string LastStatusText(const ItemRecord& r) {
    if (r.Untested) return "Untested";
    if (r.Tested) return "Tested";
    if (r.Favorite) return "Favorite";
    return {};
}

void Line(std::string& out, std::string_view text) {
    out.append(text);
    out.append("\r\n");
}
}  // namespace

std::array<std::string, kReportFieldCount> HtmlReport::MenuCaptions(const LabelTable& labels,
                                                                   const ReportCaptions& captions) const {
    std::array<std::string, kReportFieldCount> names;
    for (int e = 0; e < kReportFieldCount; ++e)
        names[static_cast<std::size_t>(e)] = ReportFieldTitle(e, labels, captions);
    return names;
}

bool HtmlReport::Add(int entry, const std::string& caption) {
    if (entry < 0 || entry >= kReportFieldCount || !menuEnabled_[static_cast<std::size_t>(entry)] ||
        fields_.size() >= kMaxHtmlReportFields)
        return false;
    fields_.push_back({caption, FieldCodeOfIndex(entry)});
    menuEnabled_[static_cast<std::size_t>(entry)] = false;
    return true;
}

void HtmlReport::Remove(int i) {
    if (i < 0 || i >= static_cast<int>(fields_.size())) return;
    int code = fields_[static_cast<std::size_t>(i)].code;
    fields_.erase(fields_.begin() + i);
    int entry = FieldIndex(code);
    if (entry >= 0 && entry < kReportFieldCount) menuEnabled_[static_cast<std::size_t>(entry)] = true;
}

void HtmlReport::Clear() {
    fields_.clear();
    menuEnabled_.fill(true);
}

bool HtmlReport::MoveUp(int i) { return SwapWithNext(fields_, i - 1); }

bool HtmlReport::MoveDown(int i) { return SwapWithNext(fields_, i); }

void HtmlReport::Activate(const ReportFont& defaultFont) {
    font = defaultFont;
    color = kWhite;
}

HtmlReportTable HtmlReport::Generate(const RecordList& records, const LabelTable& labels,
                                     const ReportCaptions& captions, bool shortValues) const {
    HtmlReportTable table;
    std::vector<std::string> titles;
    for (const auto& f : fields_) titles.push_back(ReportFieldTitle(FieldIndex(f.code), labels, captions));
    table.rows.push_back(std::move(titles));
    for (std::size_t p = 0; p < records.size(); ++p) {
        const ItemRecord& r = records[p];
        if (searchListOnly && !r.OnSearchList) continue;
        if (table.rows.size() > kHtmlRowLimit) {
            table.truncated = true;
            break;
        }
        std::vector<std::string> row;
        row.reserve(fields_.size());
        for (const auto& f : fields_) {
            int index = FieldIndex(f.code);
            row.push_back(index == kStatusIndex ? LastStatusText(r) : ReportFieldText(r, index, p + 1, shortValues));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

std::string HtmlReport::Html(const ReportTable& table) const {
    std::string out;
    for (const auto& l : header) Line(out, l);
    Line(out, kTableOpen);
    std::string open, close;
    if (font.bold) open += "<B>", close.insert(0, "</B>");
    if (font.italic) open += "<I>", close.insert(0, "</I>");
    if (font.underline) open += "<U>", close.insert(0, "</U>");
    const std::string dataCell = "<td nowrap BGCOLOR=\"#" + HexColor(color) + "\"><font color=\"#" + HexColor(font.color) + "\">" + open;
    const std::string dataEnd = close + "</font></td>";
    const std::string titleCell = "<td nowrap BGCOLOR=\"#" + HexColor(kTitleCellColor) + "\"><B>";
    for (std::size_t r = 0; r < table.size(); ++r) {
        Line(out, "<tr>");
        for (const auto& cell : table[r]) {
            if (r == 0) Line(out, titleCell + HtmlCellText(cell) + "</B></td>");
            else Line(out, dataCell + HtmlCellText(cell) + dataEnd);
        }
        Line(out, "</tr>");
    }
    Line(out, "</table><p>");
    for (const auto& l : footer) Line(out, l);
    return TextForOtherPrograms(out);
}

std::string HtmlReport::EncodeFormat() const {
    ValueWriter w;
    w.WriteListBegin();
    for (const auto& f : fields_) {
        w.WriteString(f.caption);
        w.WriteInteger(f.code);
    }
    w.WriteListEnd();
    w.WriteStringList(header);
    w.WriteStringList(footer);
    WriteFontDialog(w, "ReportFont", font);
    WriteColorDialog(w, "ReportColor", color);
    w.WriteBoolean(searchListOnly);
    return w.take();
}

bool HtmlReport::DecodeFormat(std::string_view bytes) {
    fields_.clear();
    header.clear();
    footer.clear();
    ValueReader r(bytes);
    try {
        r.ReadListBegin();
        while (!r.EndOfList()) {
            HtmlReportField f;
            f.caption = r.ReadString();
            f.code = r.ReadInteger();
            // A code that names no report field would give a column of nothing.
            if (f.code < 10 || f.code > 230 || f.code % 10 != 0) throw ReadError("Invalid field code");
            if (fields_.size() == kMaxHtmlReportFields) throw ReadError("Too many fields");
            fields_.push_back(std::move(f));
        }
        r.ReadListEnd();
        r.ReadListBegin();
        while (!r.EndOfList()) header.push_back(r.ReadString());
        r.ReadListEnd();
        r.ReadListBegin();
        while (!r.EndOfList()) footer.push_back(r.ReadString());
        r.ReadListEnd();
        font = ReadFontDialog(r, font);
        color = ReadColorDialog(r, color);
        searchListOnly = r.ReadBoolean();
    } catch (const ReadError&) {
        return false;
    }
    return true;
}

ReportWriteResult WriteReportFile(const std::string& path, const std::string& bytes) {
    FileResult written = WriteFileSafely(path, bytes);
    if (!written.ok) return {false, "Cannot create file " + path};
    return {true, {}};
}

}  // namespace vorlane
