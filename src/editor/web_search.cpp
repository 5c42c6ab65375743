#include "editor/web_search.h"
#include "storage/ascii_case.h"

#include <filesystem>
#include <optional>

#include "storage/safe_file.h"

namespace vorlane {

namespace {

constexpr const char* kLineEnd = "\r\n";

std::string_view Trim(std::string_view text) {
    auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
    while (!text.empty() && blank(text.front())) text.remove_prefix(1);
    while (!text.empty() && blank(text.back())) text.remove_suffix(1);
    return text;
}

// Kept in step with data/web_search.txt, which a test compares against.
constexpr std::string_view kDefaultAddresses = R"([engines]
AltaVista=https://search.yahoo.com/search?p=
Excite=https://results.excite.com/serp?q=
Lycos=https://search.lycos.com/web/?q=
Go=https://www.google.com/search?q=
Hotbot=https://www.hotbot.com/web?q=
Northern Light=https://duckduckgo.com/?q=
[retailers]
Books=https://www.amazon.com/s?i=stripbooks&k=
Magazines=https://www.amazon.com/s?i=magazines&k=
[pages]
Banner=about:blank
Frames=no
)";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// A query-string name or value as the person meant it, so that the form
// sends it encoded once, not twice.
std::string DecodeQueryPart(std::string_view part) {
    std::string out;
    for (std::size_t i = 0; i < part.size(); ++i) {
        if (part[i] == '+') {
            out += ' ';
        } else if (part[i] == '%' && i + 2 < part.size() && HexValue(part[i + 1]) >= 0 &&
                   HexValue(part[i + 2]) >= 0) {
            out += static_cast<char>(HexValue(part[i + 1]) * 16 + HexValue(part[i + 2]));
            i += 2;
        } else {
            out += part[i];
        }
    }
    return out;
}

struct FormTarget {
    std::string action;
    std::vector<std::pair<std::string, std::string>> hidden;
    std::string field = "q";
};

// "https://host/s?i=stripbooks&k=" -> action "https://host/s", hidden i,
// text field k. A form sent with get replaces the action's own query, so
// every part of it but the last travels as a hidden field.
FormTarget SplitQueryAddress(std::string_view address) {
    FormTarget target;
    auto hash = address.find('#');
    if (hash != std::string_view::npos) address = address.substr(0, hash);
    auto question = address.find('?');
    target.action = std::string(address.substr(0, question));
    if (question == std::string_view::npos) return target;
    std::vector<std::pair<std::string, std::string>> parts;
    std::string_view query = address.substr(question + 1);
    while (!query.empty()) {
        auto amp = query.find('&');
        std::string_view part = query.substr(0, amp);
        query = amp == std::string_view::npos ? std::string_view{} : query.substr(amp + 1);
        if (part.empty()) continue;
        auto equals = part.find('=');
        parts.emplace_back(DecodeQueryPart(part.substr(0, equals)),
                           equals == std::string_view::npos ? std::string{} : DecodeQueryPart(part.substr(equals + 1)));
    }
    if (parts.empty()) return target;
    target.field = parts.back().first;
    parts.pop_back();
    target.hidden = std::move(parts);
    return target;
}

std::string HostOf(std::string_view address) {
    auto scheme = address.find("://");
    if (scheme != std::string_view::npos) address = address.substr(scheme + 3);
    return std::string(address.substr(0, address.find_first_of("/?#")));
}

}  // namespace

std::string BuildSearchTerm(const SearchTermSource& source) {
    std::string term;
    if (!source.name.empty() && source.name != "Empty") term = "\"" + source.name + "\"";
    std::string_view pairing = source.foodPairing;
    pairing = pairing.substr(0, pairing.find_first_of("\r\n"));
    if (!pairing.empty()) term.append(" ").append(pairing);
    for (const std::string& shown : source.descriptions) {
        if (shown.empty()) continue;
        // A value path "Merlot : Red : Grape" gives "Merlot " (the blank stays).
        term.append(" \"").append(std::string_view(shown).substr(0, shown.find(':'))).append("\"");
    }
    if (!source.detail0.empty()) term.append(" ").append(source.detail0);
    return term;
}

std::string EncodeQueryTerm(std::string_view term) {
    std::string out;
    out.reserve(term.size() * 2);
    for (char c : term) {
        switch (c) {
            case ' ': out += '+'; break;
            case '"': out += "%22"; break;
            case '#': out += "%23"; break;  // would end the query at a fragment
            case '%': out += "%25"; break;
            case '&': out += "%26"; break;
            case '+': out += "%2b"; break;
            case '=': out += "%3d"; break;
            case '?': out += "%3f"; break;
            default: out += c;
        }
    }
    return out;
}

std::string EscapeHtmlAttribute(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '"': out += "&quot;"; break;
            case '\'': out += "&#39;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
    return out;
}

std::string EscapeHtmlText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&': out += "&amp;"; break;
            case '<': out += "&lt;"; break;
            case '>': out += "&gt;"; break;
            default: out += c;
        }
    }
    return out;
}

namespace {

// Reads text over config. The [engines] section, when it has any entry,
// replaces the whole list so that it can be reordered and renamed.
void ApplyConfigText(WebSearchConfig& config, std::string_view text) {
    std::vector<SearchEngine> engines;
    std::string section;
    while (!text.empty()) {
        auto end = text.find('\n');
        std::string_view line = Trim(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (line.empty() || line.front() == '#' || line.front() == ';') continue;
        if (line.front() == '[' && line.back() == ']') {
            section = std::string(Trim(line.substr(1, line.size() - 2)));
            continue;
        }
        auto equals = line.find('=');
        if (equals == std::string_view::npos) continue;
        std::string_view key = Trim(line.substr(0, equals));
        std::string value(Trim(line.substr(equals + 1)));
        if (key.empty()) continue;
        if (EqualsIgnoringAsciiCase(section, "engines")) {
            engines.push_back({std::string(key), value});
        } else if (EqualsIgnoringAsciiCase(section, "retailers")) {
            if (EqualsIgnoringAsciiCase(key, "Books")) config.bookSearch = value;
            else if (EqualsIgnoringAsciiCase(key, "Magazines")) config.magazineSearch = value;
        } else if (EqualsIgnoringAsciiCase(section, "pages")) {
            if (EqualsIgnoringAsciiCase(key, "Banner")) config.banner = value;
            else if (EqualsIgnoringAsciiCase(key, "Frames"))
                config.framedResults = EqualsIgnoringAsciiCase(value, "yes") || EqualsIgnoringAsciiCase(value, "true") || value == "1";
        }
    }
    if (!engines.empty()) config.engines = std::move(engines);
}

}  // namespace

WebSearchConfig DefaultWebSearchConfig() {
    WebSearchConfig config;
    ApplyConfigText(config, kDefaultAddresses);
    return config;
}

WebSearchConfig ParseWebSearchConfig(std::string_view text) {
    WebSearchConfig config = DefaultWebSearchConfig();
    ApplyConfigText(config, text);
    return config;
}

std::string QueryAddress(const WebSearchConfig& config, std::string_view engine, std::string_view term) {
    for (const SearchEngine& known : config.engines)
        if (known.name == engine) return known.queryAddress.empty() ? std::string{} : known.queryAddress + EncodeQueryTerm(term);
    return {};
}

std::string SearchPage(std::string_view term, std::string_view queryAddress, std::string_view banner) {
    const std::string lines[] = {
        R"(<html><head><meta http-equiv="Content-Type" content="text/html; charset=iso-8859-1">)",
        "<title> Searcg for " + EscapeHtmlText(term) + "</title></head>",
        R"(<frameset rows="99,*">)",
        R"(<frame name="header" scrolling="yes" target="main" src=")" + EscapeHtmlAttribute(banner) + "\">",
        R"(<frame name="main" src=")" + EscapeHtmlAttribute(queryAddress) + "\">",
        "<noframes>",
        R"(<body><!--msnavigation--><table border="0" cellpadding="0" cellspacing="0" width="100%"><tr><td>)",
        R"(</td></tr><!--msnavigation--></table><!--msnavigation--><table border="0" cellpadding="0" cellspacing="0" width="100%"><tr><td valign="top" width="1%">)",
        "<p>&nbsp;</p>;",
        R"(</td><td valign="top" width="24"></td><!--msnavigation--><td valign="top">)",
        "<p>This page uses frames, but your browser does not support them.",
        "<!--msnavigation--></td></tr><!--msnavigation--></table></body>",
        "</noframes></frameset></html>",
    };
    std::string page;
    for (const std::string& line : lines) page.append(line).append(kLineEnd);
    return page;
}

std::string RedirectPage(std::string_view address) {
    std::string page;
    page.append("<html><head>").append(kLineEnd);
    page.append("<meta HTTP-EQUIV=\"Refresh\" CONTENT=\"0;").append(kLineEnd);
    page.append("URL=").append(EscapeHtmlAttribute(address)).append("\">").append(kLineEnd);
    page.append("<title></title></head><body></body></html>").append(kLineEnd);
    return page;
}

std::vector<std::string> RetailerTemplate(Retailer retailer, std::string_view queryAddress) {
    FormTarget target = SplitQueryAddress(queryAddress);
    const bool books = retailer == Retailer::Books;
    std::vector<std::string> lines = {
        R"(<html><head><meta http-equiv="Content-Type" content="text/html; charset=windows-1252">)",
        books ? "<title>Book Search</title></head>" : "<title>Magazine Search</title></head>",
        R"x(<body onload="document.forms[0].submit()">)x",
        books ? "<h3>Book Search ... Please Wait</h3>" : "<h3>Magazine Search ... Please Wait</h3>",
        "<p>Searching at " + EscapeHtmlText(HostOf(queryAddress)) + "</p>",
        std::string("<form ") + (books ? "" : "name=\"MagazineSearch\" ") + "method=\"get\" action=\"" +
            EscapeHtmlAttribute(target.action) + "\" accept-charset=\"UTF-8\">",
    };
    auto textField = [&](const char* size) {
        lines.push_back("<input type=\"text\" name=\"" + EscapeHtmlAttribute(target.field) + "\" size=\"" + size + "\"");
        lines.push_back(kSearchPlaceholder);
        lines.push_back(">");
    };
    auto hiddenFields = [&] {
        for (const auto& [name, value] : target.hidden)
            lines.push_back("<input type=\"hidden\" name=\"" + EscapeHtmlAttribute(name) + "\" value=\"" +
                            EscapeHtmlAttribute(value) + "\">");
    };
    if (books) {
        textField("30");
        hiddenFields();
        lines.push_back(R"(<input type="submit" value="Go">)");
    } else {
        hiddenFields();
        lines.push_back(R"(<input type="submit" value="FindMagazines">)");
        lines.push_back("Type in a magazine");
        textField("12");
    }
    lines.push_back("</form>");
    lines.push_back("</body></html>");
    return lines;
}

std::string FillTemplate(const std::vector<std::string>& lines, std::string_view text) {
    std::string page;
    for (const std::string& line : lines) {
        if (line.find(kSearchPlaceholder) != std::string::npos)
            page.append("Value=\"").append(EscapeHtmlAttribute(text)).append("\"");
        else
            page.append(line);
        page.append(kLineEnd);
    }
    return page;
}

WebPages::WebPages(Dialogs& dialogs, Shell& shell, std::string folder)
    : dialogs_(dialogs), shell_(shell), folder_(std::move(folder)) {}

std::string WebPages::PathOf(const char* fileName) const {
    return (std::filesystem::path(folder_) / fileName).string();
}

bool WebPages::write(const char* fileName, const std::string& text) {
    std::error_code ignored;
    std::filesystem::create_directories(folder_, ignored);
    FileResult result = WriteFileSafely(PathOf(fileName), text);
    // An old page left behind must not be shown in place of the new one.
    if (!result.ok) dialogs_.Error(result.error);
    return result.ok;
}

void WebPages::LaunchSearch(const WebSearchConfig& config, std::string_view engine, std::string_view term) {
    std::string address = QueryAddress(config, engine, term);
    bool written = write(kSearchPageFile, SearchPage(term, address, config.banner));
    if (!address.empty() && !config.framedResults)
        shell_.OpenAddress(address);
    else if (written)
        shell_.OpenFile(PathOf(kSearchPageFile));
}

void WebPages::ViewUrl(std::string_view address) {
    if (write(kRedirectPageFile, RedirectPage(address))) shell_.OpenFile(PathOf(kRedirectPageFile));
}

void WebPages::SendEmail(std::string_view address) {
    // Only the address: header fields after it (?attach=..., &body=...) came
    // from the file, not from the person, and could make the mail program
    // attach or send what nobody asked for.
    address = address.substr(0, address.find_first_of("?#\r\n"));
    shell_.OpenAddress("Mailto:" + std::string(address));
}

void WebPages::RetailerSearch(const std::vector<std::string>& pageTemplate, std::string_view text) {
    if (write(kRedirectPageFile, FillTemplate(pageTemplate, text))) shell_.OpenFile(PathOf(kRedirectPageFile));
}

}  // namespace vorlane
