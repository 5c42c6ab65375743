#include "storage/outside_text.h"

#include <cstdint>

#include "storage/cp1252.h"
#include "storage/nearest_letters.h"

namespace vorlane {

namespace {

constexpr std::string_view kUtf16LittleEndianMark = "\xFF\xFE";
constexpr std::string_view kUtf16BigEndianMark = "\xFE\xFF";

bool IsWellFormedUtf8(std::string_view bytes, bool& nonAscii) {
    nonAscii = false;
    std::size_t pos = 0;
    char32_t cp;
    while (pos < bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            ++pos;
            continue;
        }
        nonAscii = true;
        if (!NextUtf8CodePoint(bytes, pos, cp)) return false;
    }
    return true;
}

class Converter {
public:
    explicit Converter(OutsideText& out) : out_(out) {}

    void Add(char32_t cp) {
        const int byte = Cp1252ByteFor(cp);
        if (byte >= 0) {
            out_.text.push_back(static_cast<char>(byte));
            if (cp == '\n') ++line_;
            return;
        }
        const std::string_view near = NearestLetters(cp);
        out_.text.append(near.empty() ? std::string_view("?") : near);
        ++out_.replaced;
        if (out_.replacedLines.empty() || out_.replacedLines.back().line != line_)
            out_.replacedLines.push_back({line_, 0});
        ++out_.replacedLines.back().count;
    }

private:
    OutsideText& out_;
    std::size_t line_ = 1;
};

void FromUtf8(std::string_view bytes, OutsideText& out) {
    Converter converter(out);
    std::size_t pos = 0;
    char32_t cp;
    while (pos < bytes.size()) {
        if (static_cast<unsigned char>(bytes[pos]) < 0x80) {
            converter.Add(static_cast<unsigned char>(bytes[pos++]));
        } else if (NextUtf8CodePoint(bytes, pos, cp)) {
            converter.Add(cp);
        } else {
            converter.Add(0xFFFD);  // a broken sequence after a mark
            ++pos;
        }
    }
}

void FromUtf16(std::string_view bytes, bool littleEndian, OutsideText& out) {
    Converter converter(out);
    auto unit = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(bytes[i]), b = static_cast<unsigned char>(bytes[i + 1]);
        return littleEndian ? static_cast<char32_t>(a | (b << 8)) : static_cast<char32_t>((a << 8) | b);
    };
    std::size_t i = 0;
    for (; i + 1 < bytes.size(); i += 2) {
        char32_t cp = unit(i);
        if (cp >= 0xD800 && cp < 0xDC00 && i + 3 < bytes.size()) {
            const char32_t low = unit(i + 2);
            if (low >= 0xDC00 && low < 0xE000) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                i += 2;
            }
        }
        converter.Add(cp);
    }
    if (i < bytes.size()) converter.Add(0xFFFD);  // an odd last byte
}

}  // namespace

OutsideText ReadOutsideText(std::string_view bytes) {
    OutsideText out;
    out.text.reserve(bytes.size());
    if (bytes.starts_with(kUtf8Mark)) {
        out.encoding = OutsideEncoding::Utf8Mark;
        FromUtf8(bytes.substr(kUtf8Mark.size()), out);
    } else if (bytes.starts_with(kUtf16LittleEndianMark)) {
        out.encoding = OutsideEncoding::Utf16LittleEndianMark;
        FromUtf16(bytes.substr(2), true, out);
    } else if (bytes.starts_with(kUtf16BigEndianMark)) {
        out.encoding = OutsideEncoding::Utf16BigEndianMark;
        FromUtf16(bytes.substr(2), false, out);
    } else if (bool nonAscii = false; IsWellFormedUtf8(bytes, nonAscii) && nonAscii) {
        out.encoding = OutsideEncoding::Utf8;
        FromUtf8(bytes, out);
    } else {
        out.encoding = OutsideEncoding::Windows1252;
        out.text.assign(bytes);
    }
    return out;
}

std::string ReplacedCharactersMessage(const std::vector<ReplacedOnLine>& lines) {
    if (lines.empty()) return {};
    std::size_t replaced = 0;
    for (const auto& l : lines) replaced += l.count;
    constexpr std::size_t kNamedLines = 10;
    std::string message = std::to_string(replaced) + (replaced == 1 ? " character" : " characters") +
                          " replaced by the nearest letter on " + (lines.size() == 1 ? "line " : "lines ");
    for (std::size_t i = 0; i < lines.size() && i < kNamedLines; ++i) {
        if (i > 0) message += ", ";
        message += std::to_string(lines[i].line);
    }
    if (lines.size() > kNamedLines) message += " and " + std::to_string(lines.size() - kNamedLines) + " more";
    return message;
}

std::string TextForOtherPrograms(std::string_view cp1252) {
    return std::string(kUtf8Mark) + Cp1252ToUtf8(cp1252);
}

}  // namespace vorlane
