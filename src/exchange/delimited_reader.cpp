#include "exchange/delimited_reader.h"

#include <algorithm>
#include <array>

namespace vorlane {

namespace {

constexpr std::size_t kSniffBytes = 64 * 1024;

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool StartsWithNoCase(std::string_view text, std::string_view start) {
    if (text.size() < start.size()) return false;
    for (std::size_t i = 0; i < start.size(); ++i)
        if (Lower(text[i]) != start[i]) return false;
    return true;
}

bool LooksLikeHtml(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
    text.remove_prefix(i);
    return StartsWithNoCase(text, "<!doctype html") || StartsWithNoCase(text, "<html") ||
           StartsWithNoCase(text, "<head") || StartsWithNoCase(text, "<!--") ||
           (StartsWithNoCase(text, "<?xml") && text.substr(0, 1024).find("<html") != std::string_view::npos);
}

bool LooksBinary(std::string_view bytes) {
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF")) return false;  // UTF-16 holds zeros
    if (bytes.starts_with("PK\x03\x04")) return true;
    return bytes.substr(0, kSniffBytes).find('\0') != std::string_view::npos;
}

}  // namespace

char SniffDelimiter(std::string_view text) {
    text = text.substr(0, kSniffBytes);
    constexpr std::array<char, 3> kCandidates = {',', ';', '\t'};
    std::array<std::size_t, 3> counts{};
    bool quoted = false;
    for (char c : text) {
        if (c == '"') quoted = !quoted;
        if (quoted) continue;
        if ((c == '\n' || c == '\r') && std::max({counts[0], counts[1], counts[2]}) > 0) break;
        for (std::size_t k = 0; k < kCandidates.size(); ++k)
            if (c == kCandidates[k]) ++counts[k];
    }
    std::size_t best = 0;
    for (std::size_t k = 1; k < kCandidates.size(); ++k)
        if (counts[k] > counts[best]) best = k;
    return kCandidates[best];
}

DelimitedText ReadDelimitedText(std::string_view bytes, const std::string& name) {
    DelimitedText out;
    if (LooksBinary(bytes)) {
        out.refusal = bytes.starts_with("PK\x03\x04")
                          ? name + " is a ZIP archive. Take the CSV file out of it (cellar.csv) and import that."
                          : name + " is a binary file, not delimited text.";
        return out;
    }
    OutsideText text = ReadOutsideText(bytes);
    if (LooksLikeHtml(text.text)) {
        out.refusal = name + " is a web page (HTML), not an export: perhaps a sign-in page was saved instead.";
        return out;
    }
    out.replacedLines = std::move(text.replacedLines);
    const std::string_view t = text.text;
    const char delimiter = out.delimiter = SniffDelimiter(t);

    std::size_t line = 1, rowLine = 1, quoteLine = 0;
    std::vector<std::string> fields;
    std::string field;
    bool quoted = false, fieldStarted = false, rowHasText = false;
    auto refuse = [&](std::string message) {
        out.rows.clear();
        out.refusal = std::move(message);
    };
    auto endField = [&] {
        fields.push_back(std::move(field));
        field.clear();
        fieldStarted = false;
        if (fields.size() > kMaxImportColumns) {
            refuse(name + ": more than " + std::to_string(kMaxImportColumns) + " columns on line " +
                   std::to_string(rowLine) + ".");
            return false;
        }
        return true;
    };
    auto endRow = [&] {
        if (rowHasText) out.rows.push_back({rowLine, std::move(fields)});
        fields.clear();
        rowHasText = false;
    };
    for (std::size_t i = 0; i < t.size(); ++i) {
        const char c = t[i];
        if (quoted) {
            if (c == '"') {
                if (i + 1 < t.size() && t[i + 1] == '"') {
                    field.push_back('"');
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == '\n') ++line;
                field.push_back(c);
            }
        } else if (c == delimiter) {
            rowHasText = true;
            if (!endField()) return out;
        } else if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < t.size() && t[i + 1] == '\n') ++i;
            if (rowHasText || fieldStarted || !field.empty()) {
                rowHasText = true;
                if (!endField()) return out;
            }
            endRow();
            ++line;
            rowLine = line;
            continue;
        } else if (c == '"' && !fieldStarted && field.empty()) {
            quoted = true;
            fieldStarted = true;
            rowHasText = true;
            quoteLine = line;
        } else {
            field.push_back(c);
            rowHasText = true;
        }
        if (field.size() > kMaxImportFieldBytes) {
            refuse(name + ": a field longer than 1 MB on line " + std::to_string(rowLine) + ".");
            return out;
        }
    }
    if (quoted) {
        refuse(name + ": a quote opened on line " + std::to_string(quoteLine) + " is never closed.");
        return out;
    }
    if (rowHasText || fieldStarted || !field.empty()) {
        rowHasText = true;
        if (!endField()) return out;
    }
    endRow();
    return out;
}

}  // namespace vorlane
