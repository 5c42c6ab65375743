#include "reports/report_format_file.h"

#include <algorithm>

#include "reports/report_numbers.h"

namespace vorlane {

namespace {
constexpr int kMaxTitleSize = 18;
constexpr int kMaxBodySize = 12;

PropertyValue Int(int v) { return PropertyValue{static_cast<std::int32_t>(v)}; }

void WriteSampleBox(ValueWriter& w, const std::string& name, int top, const ReportFont& font, const std::string& text) {
    Component c{"TEdit", name, {{"Left", Int(96)}, {"Top", Int(top)}, {"Width", Int(121)}, {"Height", Int(21)}}};
    AppendFontProperties(c.properties, font);
    c.properties.push_back({"ReadOnly", PropertyValue{true}});
    c.properties.push_back({"TabOrder", Int(top / 24)});
    c.properties.push_back({"Text", PropertyValue{text}});
    WriteRootComponent(w, c);
}

std::string ReadSampleBoxText(ValueReader& r, const std::string& current) {
    Component c = ReadRootComponent(r);
    if (auto* v = c.find("Text"))
        if (auto* s = std::get_if<std::string>(&v->value)) return *s;
    return current;
}

// The chooser refuses larger fonts; a file must not bring one in either.
ReportFont Limited(ReportFont f, int maxSize) {
    f.size = std::clamp(f.size, 1, maxSize);
    return f;
}

void WriteBar(ValueWriter& w, const RegularReportSettings& s) {
    CollectionItems items;
    for (const auto& section : s.sections)
        items.push_back({{"Style", PropertyValue{IdentValue{"hsOwnerDraw"}}},
                         {"Text", PropertyValue{section.text}},
                         {"Width", Int(section.width)}});
    WriteRootComponent(w, Component{"THeaderControl", "Widths",
                                    {{"Left", Int(8)},
                                     {"Top", Int(200)},
                                     {"Width", Int(s.barWidth)},
                                     {"Height", Int(25)},
                                     {"Align", PropertyValue{IdentValue{"alNone"}}},
                                     {"Sections", PropertyValue{items}}}});
}

// A bar has one section per column; widths stay within what a screen shows,
// so that no width on paper overflows.
bool ReadBar(ValueReader& r, RegularReportSettings& s) {
    Component c = ReadRootComponent(r);
    if (auto* v = c.find("Width"))
        if (auto* n = std::get_if<std::int32_t>(&v->value)) s.barWidth = std::clamp(*n, 0, kMaxBarPixels);
    if (auto* v = c.find("Sections"))
        if (auto* items = std::get_if<CollectionItems>(&v->value)) {
            if (items->size() > static_cast<std::size_t>(kMaxColumns)) return false;
            s.sections.clear();
            for (const auto& item : *items) {
                ColumnSection section;
                for (const auto& p : item) {
                    if (p.name == "Width")
                        if (auto* n = std::get_if<std::int32_t>(&p.value.value))
                            section.width = std::clamp(*n, 0, kMaxBarPixels);
                    if (p.name == "Text")
                        if (auto* t = std::get_if<std::string>(&p.value.value)) section.text = *t;
                }
                s.sections.push_back(std::move(section));
            }
        }
    return true;
}

void WriteIndentBox(ValueWriter& w, bool checked) {
    Component c{"TCheckBox", "ic", {{"Left", Int(8)}, {"Top", Int(232)}, {"Width", Int(97)}, {"Height", Int(17)},
                                    {"Caption", PropertyValue{std::string("Indent")}}}};
    AppendFontProperties(c.properties, ReportFont{});
    c.properties.push_back({"TabOrder", Int(12)});
    if (checked) c.properties.push_back({"State", PropertyValue{IdentValue{"cbChecked"}}});
    WriteRootComponent(w, c);
}

bool ReadIndentBox(ValueReader& r) {
    Component c = ReadRootComponent(r);
    if (auto* v = c.find("State"))
        if (auto* id = std::get_if<IdentValue>(&v->value)) return id->name == "cbChecked";
    if (auto* v = c.find("Checked"))
        if (auto* b = std::get_if<bool>(&v->value)) return *b;
    return false;
}
}  // namespace

std::string InvalidReportFileMessage(const std::string& path) { return "Sorry " + path + " is not a valid report file"; }

std::string OverwriteQuestion(const std::string& path) {
    return path + " already exists.  Do you want to overwrite it ?";
}

bool ReportMenuEntryEnabled(const RegularReportSettings& s, int entry) {
    return std::none_of(s.items.begin(), s.items.end(), [&](const ReportItem& i) { return i.fieldIndex == entry; });
}

std::string EncodeReportFormat(const RegularReportSettings& s) {
    ValueWriter w;
    w.WriteString(s.title);
    for (bool b : {s.titleOn, s.dateOn, s.headerOn, s.pageNumbersOn, s.itemNumbersOn, s.totalsOn}) w.WriteBoolean(b);
    w.WriteInteger(static_cast<std::int32_t>(s.items.size()));
    for (const auto& item : s.items) {
        w.WriteInteger(item.fieldIndex);
        w.WriteInteger(item.spare);
        w.WriteString(item.caption);
    }
    for (const auto* m : {&s.leftMargin, &s.rightMargin, &s.topMargin, &s.bottomMargin}) w.WriteString(*m);
    WriteSampleBox(w, "HeaderFont", 24, s.titleFont, s.titleFontText);
    WriteSampleBox(w, "BodyFont", 48, s.bodyFont, s.bodyFontText);
    WriteSampleBox(w, "ValueFont", 72, s.valueFont, s.valueFontText);
    WriteFontDialog(w, "a", s.bodyFont, kMaxBodySize);
    WriteFontDialog(w, "b", s.titleFont, kMaxTitleSize);
    WriteFontDialog(w, "c", s.valueFont, kMaxTitleSize);
    WriteBar(w, s);
    WriteIndentBox(w, s.indent);
    w.WriteString(s.columnCount);
    for (Rgb color : s.columnColors) WriteColorDialog(w, "SelectColColor", color);
    w.WriteBoolean(s.portrait);
    w.WriteBoolean(s.landscape);
    return w.take();
}

bool DecodeReportFormat(std::string_view bytes, RegularReportSettings& s) {
    ValueReader r(bytes);
    try {
        s.title = r.ReadString();
        for (bool* b : {&s.titleOn, &s.dateOn, &s.headerOn, &s.pageNumbersOn, &s.itemNumbersOn, &s.totalsOn})
            *b = r.ReadBoolean();
        s.items.clear();
        const std::int32_t n = r.ReadInteger();
        // The menu offers each field once: a longer list was not written here.
        if (n < 0 || n > kReportFieldCount) return false;
        for (std::int32_t i = 0; i < n; ++i) {
            ReportItem item;
            item.fieldIndex = r.ReadInteger();
            if (item.fieldIndex < 0 || item.fieldIndex >= kReportFieldCount) return false;
            item.spare = r.ReadInteger();
            item.caption = r.ReadString();
            s.items.push_back(std::move(item));
        }
        std::string margins[4];
        for (auto& m : margins) {
            m = r.ReadString();
            double inches = 0;
            if (!ReadDecimalText(m, inches) || inches < 0 || inches > 2) return false;
        }
        s.leftMargin = margins[0], s.rightMargin = margins[1], s.topMargin = margins[2], s.bottomMargin = margins[3];
        s.titleFontText = ReadSampleBoxText(r, s.titleFontText);
        s.bodyFontText = ReadSampleBoxText(r, s.bodyFontText);
        s.valueFontText = ReadSampleBoxText(r, s.valueFontText);
        s.bodyFont = Limited(ReadFontDialog(r, s.bodyFont), kMaxBodySize);
        s.titleFont = Limited(ReadFontDialog(r, s.titleFont), kMaxTitleSize);
        s.valueFont = Limited(ReadFontDialog(r, s.valueFont), kMaxTitleSize);
        if (!ReadBar(r, s)) return false;
        s.indent = ReadIndentBox(r);
        std::string columns = r.ReadString();
        long long count = 0;
        if (!ReadWholeText(columns, count) || count < 1 || count > kMaxColumns) return false;
        s.columnCount = columns;
        for (Rgb& color : s.columnColors) color = ReadColorDialog(r, color);
        s.portrait = r.ReadBoolean();
        s.landscape = r.ReadBoolean();
    } catch (const ReadError&) {
        return false;
    }
    return true;
}

}  // namespace vorlane
