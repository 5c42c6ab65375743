#pragma once
// The web side of a record: the search phrase built from it, the query
// address of the chosen search engine, the small pages written for the
// browser (the framed search page, the redirect page, the retailers' search
// forms) and the shell calls that show them.

#include <array>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "storage/dialogs.h"
#include "storage/record.h"

namespace vorlane {

inline constexpr const char* kSearchPageFile = "SHTML.htm";
inline constexpr const char* kRedirectPageFile = "go.htm";
inline constexpr const char* kWebSearchDataFile = "web_search.txt";
inline constexpr const char* kSearchPlaceholder = "INSERTSEARCHHERE";

// What "Generate Search Term" reads from the window, as the window shows it.
struct SearchTermSource {
    std::string name;
    std::string foodPairing;  // the whole memo; its first line is used
    std::array<std::string, kDescriptionCount> descriptions;
    std::string detail0;
};
std::string BuildSearchTerm(const SearchTermSource& source);

// The term as the tail of a query string: blank "+", and %XX for the
// characters that would end or split the query.
std::string EncodeQueryTerm(std::string_view term);

// For text inside a double-quoted attribute: &, ", ', < and > become
// character references, so the browser reads back exactly text.
std::string EscapeHtmlAttribute(std::string_view text);
// For text between tags: &, < and >.
std::string EscapeHtmlText(std::string_view text);

struct SearchEngine {
    std::string name;          // as the "Search Engine" box lists it
    std::string queryAddress;  // the encoded term is appended
    bool operator==(const SearchEngine&) const = default;
};

struct WebSearchConfig {
    std::vector<SearchEngine> engines;  // in the box's order; the first is chosen at start
    std::string bookSearch;             // query addresses ending in "field="
    std::string magazineSearch;
    std::string banner = "about:blank";  // top frame of the search page
    // Open the framed search page rather than the engine's results. Most
    // engines refuse to be shown inside another site's frame.
    bool framedResults = false;
    bool operator==(const WebSearchConfig&) const = default;
};

// The addresses the program ships with.
WebSearchConfig DefaultWebSearchConfig();
// The data file's text: [engines] name=address lines (replacing the default
// list when the section has any), [retailers] Books= and Magazines=, and
// [pages] Banner= and Frames=yes|no. Lines starting with # or ; are notes.
// Anything the text leaves out keeps its default.
WebSearchConfig ParseWebSearchConfig(std::string_view text);

// The engine named exactly engine, with term encoded at its end; empty when
// no engine has that name.
std::string QueryAddress(const WebSearchConfig& config, std::string_view engine, std::string_view term);

// "SHTML.htm": a frameset with the banner on top and the results below.
std::string SearchPage(std::string_view term, std::string_view queryAddress, std::string_view banner);
// "go.htm" for "View URL": sends the browser on to address at once.
std::string RedirectPage(std::string_view address);

enum class Retailer { Books, Magazines };
// A page whose form searches the retailer on loading. The search text's
// line is the placeholder line.
std::vector<std::string> RetailerTemplate(Retailer retailer, std::string_view queryAddress);
// The template with each line holding the placeholder replaced by the value
// line for text.
std::string FillTemplate(const std::vector<std::string>& lines, std::string_view text);

// The shell's "open": a file in the program's folder, or an address (web
// page or "Mailto:"). What becomes of it is not reported back.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void OpenFile(const std::string& path) = 0;
    virtual void OpenAddress(const std::string& address) = 0;
};

// Writes the pages into one folder (the per-user data folder, whose copies
// are deleted at exit) and has the shell open them.
class WebPages {
public:
    WebPages(Dialogs& dialogs, Shell& shell, std::string folder);

    const std::string& folder() const { return folder_; }
    std::string PathOf(const char* fileName) const;

    // "Launch Browser" for an already generated term.
    void LaunchSearch(const WebSearchConfig& config, std::string_view engine, std::string_view term);
    void ViewUrl(std::string_view address);
    void SendEmail(std::string_view address);
    void RetailerSearch(const std::vector<std::string>& pageTemplate, std::string_view text);

private:
    bool write(const char* fileName, const std::string& text);

    Dialogs& dialogs_;
    Shell& shell_;
    std::string folder_;
};

}  // namespace vorlane
