#include "reports/report_style.h"

#include <array>
#include <cstdio>
#include <string_view>

namespace vorlane {

namespace {
struct NamedColor {
    std::string_view name;
    Rgb rgb;
};
// The stored names; the system colours are resolved to their usual values.
constexpr std::array kNamedColors = {
    NamedColor{"clBlack", 0x000000},       NamedColor{"clMaroon", 0x800000}, NamedColor{"clGreen", 0x008000},
    NamedColor{"clOlive", 0x808000},       NamedColor{"clNavy", 0x000080},   NamedColor{"clPurple", 0x800080},
    NamedColor{"clTeal", 0x008080},        NamedColor{"clGray", 0x808080},   NamedColor{"clSilver", 0xC0C0C0},
    NamedColor{"clRed", 0xFF0000},         NamedColor{"clLime", 0x00FF00},   NamedColor{"clYellow", 0xFFFF00},
    NamedColor{"clBlue", 0x0000FF},        NamedColor{"clFuchsia", 0xFF00FF}, NamedColor{"clAqua", 0x00FFFF},
    NamedColor{"clWhite", 0xFFFFFF},       NamedColor{"clWindowText", 0x000000}, NamedColor{"clWindow", 0xFFFFFF},
    NamedColor{"clBtnFace", 0xD4D0C8},     NamedColor{"clActiveBorder", 0xD4D0C8},
};

// Stored integers hold blue in the high byte, red in the low one.
Rgb FromStored(std::int32_t v) {
    auto u = static_cast<std::uint32_t>(v) & 0xFFFFFF;
    return ((u & 0xFF) << 16) | (u & 0xFF00) | ((u >> 16) & 0xFF);
}
std::int32_t ToStored(Rgb c) { return static_cast<std::int32_t>(((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF)); }

constexpr int kScreenDpi = 96;
}  // namespace

std::string HexColor(Rgb color) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%06X", static_cast<unsigned>(color & 0xFFFFFF));
    return buffer;
}

PropertyValue ColorValue(Rgb color) {
    // clBlack and clWhite first: the system colours share their values.
    for (const auto& named : kNamedColors)
        if (named.rgb == color && named.name != "clWindowText" && named.name != "clWindow" &&
            named.name != "clBtnFace" && named.name != "clActiveBorder")
            return PropertyValue{IdentValue{std::string(named.name)}};
    return PropertyValue{ToStored(color)};
}

bool ColorOf(const PropertyValue& value, Rgb& color) {
    if (auto* n = std::get_if<std::int32_t>(&value.value)) {
        if (*n < 0) return false;  // system colour numbers
        color = FromStored(*n);
        return true;
    }
    if (auto* ident = std::get_if<IdentValue>(&value.value))
        for (const auto& named : kNamedColors)
            if (named.name == ident->name) {
                color = named.rgb;
                return true;
            }
    return false;
}

void AppendFontProperties(std::vector<Property>& p, const ReportFont& font) {
    p.push_back({"Font.Charset", PropertyValue{IdentValue{"DEFAULT_CHARSET"}}});
    p.push_back({"Font.Color", font.color == kBlack ? PropertyValue{IdentValue{"clWindowText"}} : ColorValue(font.color)});
    p.push_back({"Font.Height", PropertyValue{static_cast<std::int32_t>(-(font.size * kScreenDpi + 36) / 72)}});
    p.push_back({"Font.Name", PropertyValue{font.name}});
    SetValue style;
    if (font.bold) style.members.push_back("fsBold");
    if (font.italic) style.members.push_back("fsItalic");
    if (font.underline) style.members.push_back("fsUnderline");
    if (font.strikeOut) style.members.push_back("fsStrikeOut");
    p.push_back({"Font.Style", PropertyValue{style}});
}

void ApplyFontProperties(const Component& c, ReportFont& font) {
    if (auto* v = c.find("Font.Color")) ColorOf(*v, font.color);
    if (auto* v = c.find("Font.Height"))
        if (auto* h = std::get_if<std::int32_t>(&v->value)) {
            // Negative heights are character heights in screen pixels.
            long long pixels = *h < 0 ? -static_cast<long long>(*h) : *h;
            long long points = (pixels * 72 + kScreenDpi / 2) / kScreenDpi;
            if (points >= 1 && points <= 1638) font.size = static_cast<int>(points);
        }
    if (auto* v = c.find("Font.Name"))
        if (auto* s = std::get_if<std::string>(&v->value)) font.name = *s;
    if (auto* v = c.find("Font.Style"))
        if (auto* s = std::get_if<SetValue>(&v->value)) {
            font.bold = font.italic = font.underline = font.strikeOut = false;
            for (const auto& m : s->members) {
                font.bold |= m == "fsBold";
                font.italic |= m == "fsItalic";
                font.underline |= m == "fsUnderline";
                font.strikeOut |= m == "fsStrikeOut";
            }
        }
}

void WriteFontDialog(ValueWriter& writer, const std::string& name, const ReportFont& font, int maxSize) {
    Component c{"TFontDialog", name, {}};
    AppendFontProperties(c.properties, font);
    if (maxSize > 0) c.properties.push_back({"MaxFontSize", PropertyValue{static_cast<std::int32_t>(maxSize)}});
    WriteRootComponent(writer, c);
}

ReportFont ReadFontDialog(ValueReader& reader, const ReportFont& current) {
    ReportFont font = current;
    ApplyFontProperties(ReadRootComponent(reader), font);
    return font;
}

void WriteColorDialog(ValueWriter& writer, const std::string& name, Rgb color) {
    WriteRootComponent(writer, Component{"TColorDialog", name, {{"Color", ColorValue(color)}}});
}

Rgb ReadColorDialog(ValueReader& reader, Rgb current) {
    Component c = ReadRootComponent(reader);
    if (auto* v = c.find("Color")) ColorOf(*v, current);
    return current;
}

}  // namespace vorlane
