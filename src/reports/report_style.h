#pragma once
// Fonts and colours of the report windows, and the small component streams
// in which the format files keep them.

#include <cstdint>
#include <string>

#include "storage/value_stream.h"

namespace vorlane {

using Rgb = std::uint32_t;  // 0xRRGGBB
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;

struct ReportFont {
    std::string name = "Arial";
    int size = 10;  // points
    Rgb color = kBlack;
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
    bool operator==(const ReportFont&) const = default;
};

// Six upper-case hexadecimal digits, red first.
std::string HexColor(Rgb color);

// The font properties ("Font.Charset" ... "Font.Style") as a component
// stream stores them, and the font they describe.
void AppendFontProperties(std::vector<Property>& properties, const ReportFont& font);
void ApplyFontProperties(const Component& component, ReportFont& font);

// A colour property value: a name for the named colours, else an integer.
PropertyValue ColorValue(Rgb color);
// false when the value is no colour this program knows.
bool ColorOf(const PropertyValue& value, Rgb& color);

// Font and colour chooser streams ("TFontDialog" / "TColorDialog").
void WriteFontDialog(ValueWriter& writer, const std::string& name, const ReportFont& font, int maxSize = 0);
ReportFont ReadFontDialog(ValueReader& reader, const ReportFont& current);
void WriteColorDialog(ValueWriter& writer, const std::string& name, Rgb color);
Rgb ReadColorDialog(ValueReader& reader, Rgb current);

}  // namespace vorlane
