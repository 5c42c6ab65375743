#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "editor/web_search.h"
#include "storage/safe_file.h"
#include "support/scripted_dialogs.h"
#include "support/temp_folder.h"

using namespace vorlane;
using vorlane::testing::ScriptedDialogs;
using vorlane::testing::Shown;
using vorlane::testing::TempFolder;

namespace {

std::vector<std::string> Lines(const std::string& page) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < page.size()) {
        auto end = page.find("\r\n", start);
        EXPECT_NE(end, std::string::npos) << "every line ends with CR LF";
        if (end == std::string::npos) break;
        lines.push_back(page.substr(start, end - start));
        start = end + 2;
    }
    return lines;
}

std::string ReadFile(const std::string& path) {
    std::string bytes;
    EXPECT_TRUE(ReadWholeFile(path, bytes).ok) << path;
    return bytes;
}

struct RecordingShell : Shell {
    void OpenFile(const std::string& path) override { opened.push_back("file:" + path); }
    void OpenAddress(const std::string& address) override { opened.push_back("address:" + address); }
    std::vector<std::string> opened;
};

}  // namespace

TEST(SearchTerm, NameFoodPairingDescriptionsAndDetailInOrder) {
    SearchTermSource source;
    source.name = "Chateau Margaux";
    source.foodPairing = "Lamb\r\nCheese";
    source.descriptions[0] = "Bordeaux : France";
    source.descriptions[1] = "Merlot : Red : Grape";
    source.descriptions[4] = "Rare";
    source.detail0 = "Chateau Margaux Estate";
    EXPECT_EQ(BuildSearchTerm(source),
              "\"Chateau Margaux\" Lamb \"Bordeaux \" \"Merlot \" \"Rare\" Chateau Margaux Estate");
}

TEST(SearchTerm, ARecordNamedEmptyGivesNoNameAndTheTermBeginsWithABlank) {
    SearchTermSource source;
    source.name = "Empty";
    source.descriptions[9] = "Dry";
    EXPECT_EQ(BuildSearchTerm(source), " \"Dry\"");
    source.name = "empty";  // only the exact word is left out
    EXPECT_EQ(BuildSearchTerm(source), "\"empty\" \"Dry\"");
    EXPECT_EQ(BuildSearchTerm(SearchTermSource{}), "");
}

TEST(SearchTerm, OnlyTheFirstLineOfFoodPairingCountsAndAnEmptyFirstLineNone) {
    SearchTermSource source;
    source.foodPairing = "Oysters\nSalmon";
    EXPECT_EQ(BuildSearchTerm(source), " Oysters");
    source.foodPairing = "\nSalmon";
    EXPECT_EQ(BuildSearchTerm(source), "");
    // A colon in a shown value that is the first character leaves empty quotes.
    source.descriptions[0] = ": Top";
    EXPECT_EQ(BuildSearchTerm(source), " \"\"");
}

TEST(QueryEncoding, EachListedCharacterAndNothingElse) {
    EXPECT_EQ(EncodeQueryTerm("a b\"c%d&e+f=g?h"), "a+b%22c%25d%26e%2bf%3dg%3fh");
    EXPECT_EQ(EncodeQueryTerm("\"Tom & Jerry\""), "%22Tom+%26+Jerry%22");
    // A hash would end the query at a fragment.
    EXPECT_EQ(EncodeQueryTerm("No #5"), "No+%235");
    const std::string untouched = "Ch\xE2teau/d'Yquem:1990,<>*";
    EXPECT_EQ(EncodeQueryTerm(untouched), untouched);
}

TEST(QueryAddress, ChosenByTheExactEngineName) {
    WebSearchConfig config = DefaultWebSearchConfig();
    EXPECT_EQ(QueryAddress(config, "Go", "\"Pinot\" & more"), "https://www.google.com/search?q=%22Pinot%22+%26+more");
    EXPECT_EQ(QueryAddress(config, "Northern Light", "x"), "https://duckduckgo.com/?q=x");
    EXPECT_EQ(QueryAddress(config, "go", "x"), "");
    EXPECT_EQ(QueryAddress(config, "Ask Jeeves", "x"), "");
    config.engines.push_back({"Nowhere", ""});
    EXPECT_EQ(QueryAddress(config, "Nowhere", "x"), "");
}

TEST(HtmlEscaping, MarkupCannotBreakOutOfAnAttribute) {
    EXPECT_EQ(EscapeHtmlAttribute("https://a.example/x?p=1"), "https://a.example/x?p=1");
    EXPECT_EQ(EscapeHtmlAttribute("x\"><script>alert('1')</script>&"),
              "x&quot;&gt;&lt;script&gt;alert(&#39;1&#39;)&lt;/script&gt;&amp;");
    EXPECT_EQ(EscapeHtmlText("a \"b\" <i> & c"), "a \"b\" &lt;i&gt; &amp; c");
    EXPECT_EQ(EscapeHtmlAttribute("Ch\xE2teau"), "Ch\xE2teau");
}

TEST(SearchPage, FramesetLinesInOrder) {
    auto lines = Lines(SearchPage("\"Merlot\"", "https://e.example/?q=%22Merlot%22&x=1", "about:blank"));
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[0], "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=iso-8859-1\">");
    EXPECT_EQ(lines[1], "<title> Searcg for \"Merlot\"</title></head>");
    EXPECT_EQ(lines[2], "<frameset rows=\"99,*\">");
    EXPECT_EQ(lines[3], "<frame name=\"header\" scrolling=\"yes\" target=\"main\" src=\"about:blank\">");
    // The browser reads &amp; back as &: the address arrives as it was.
    EXPECT_EQ(lines[4], "<frame name=\"main\" src=\"https://e.example/?q=%22Merlot%22&amp;x=1\">");
    EXPECT_EQ(lines[5], "<noframes>");
    EXPECT_EQ(lines[8], "<p>&nbsp;</p>;");
    EXPECT_EQ(lines[10], "<p>This page uses frames, but your browser does not support them.");
    EXPECT_EQ(lines[12], "</noframes></frameset></html>");
}

TEST(SearchPage, TermAndAddressCannotInjectMarkup) {
    std::string page = SearchPage("</title><script>x()</script>", "\"><script>y()</script>", "b\"><b>");
    EXPECT_EQ(page.find("<script"), std::string::npos);
    EXPECT_EQ(page.find("<b>"), std::string::npos);
    auto lines = Lines(page);
    ASSERT_EQ(lines.size(), 13u);
    EXPECT_EQ(lines[4], "<frame name=\"main\" src=\"&quot;&gt;&lt;script&gt;y()&lt;/script&gt;\">");
}

TEST(RedirectPage, FourLinesWithTheAddressInTheRefresh) {
    EXPECT_EQ(Lines(RedirectPage("http://w.example/a?b=1&c=2")),
              (std::vector<std::string>{"<html><head>", "<meta HTTP-EQUIV=\"Refresh\" CONTENT=\"0;",
                                        "URL=http://w.example/a?b=1&amp;c=2\">",
                                        "<title></title></head><body></body></html>"}));
    EXPECT_EQ(Lines(RedirectPage("x\"><script>"))[2], "URL=x&quot;&gt;&lt;script&gt;\">");
}

TEST(RetailerPages, BookFormCarriesTheQueryAddressApartAndTheSearchTextOnItsOwnLine) {
    auto lines = RetailerTemplate(Retailer::Books, "https://shop.example/s?i=stripbooks&x=a%20b&k=");
    std::string page = FillTemplate(lines, "Wine \"Atlas\"");
    EXPECT_NE(page.find("<h3>Book Search ... Please Wait</h3>"), std::string::npos);
    EXPECT_NE(page.find("Searching at shop.example"), std::string::npos);
    EXPECT_NE(page.find("action=\"https://shop.example/s\""), std::string::npos);
    EXPECT_NE(page.find("<input type=\"hidden\" name=\"i\" value=\"stripbooks\">"), std::string::npos);
    // Sent once more by the form, so kept decoded here.
    EXPECT_NE(page.find("<input type=\"hidden\" name=\"x\" value=\"a b\">"), std::string::npos);
    EXPECT_NE(page.find("<input type=\"text\" name=\"k\" size=\"30\"\r\nValue=\"Wine &quot;Atlas&quot;\"\r\n>"),
              std::string::npos);
    EXPECT_EQ(page.find(kSearchPlaceholder), std::string::npos);
    EXPECT_NE(page.find("onload=\"document.forms[0].submit()\""), std::string::npos);
}

TEST(RetailerPages, EveryPlaceholderLineIsReplacedWhole) {
    std::vector<std::string> lines = {"<p>", "  INSERTSEARCHHERE  trailing", "middle", "xINSERTSEARCHHEREx", "</p>"};
    EXPECT_EQ(FillTemplate(lines, "Vogue"), "<p>\r\nValue=\"Vogue\"\r\nmiddle\r\nValue=\"Vogue\"\r\n</p>\r\n");
}

TEST(RetailerPages, MagazineFormHasItsCaptionAndButton) {
    std::string page = FillTemplate(RetailerTemplate(Retailer::Magazines, DefaultWebSearchConfig().magazineSearch), "Decanter");
    EXPECT_NE(page.find("<h3>Magazine Search ... Please Wait</h3>"), std::string::npos);
    EXPECT_NE(page.find("value=\"FindMagazines\""), std::string::npos);
    EXPECT_NE(page.find("Type in a magazine\r\n<input type=\"text\" name=\"k\" size=\"12\"\r\nValue=\"Decanter\""),
              std::string::npos);
    EXPECT_NE(page.find("name=\"i\" value=\"magazines\""), std::string::npos);
    // An address without a query still gives a working form.
    std::string bare = FillTemplate(RetailerTemplate(Retailer::Books, "https://b.example/find"), "x");
    EXPECT_NE(bare.find("action=\"https://b.example/find\""), std::string::npos);
    EXPECT_NE(bare.find("name=\"q\""), std::string::npos);
}

TEST(WebSearchConfig, ShippedFileMatchesTheBuiltInAddresses) {
    std::string text = ReadFile(std::string(VORLANE_SOURCE_DIR) + "/data/web_search.txt");
    WebSearchConfig shipped = ParseWebSearchConfig(text);
    EXPECT_EQ(shipped, DefaultWebSearchConfig());
    std::vector<std::string> names;
    for (const auto& engine : shipped.engines) {
        names.push_back(engine.name);
        EXPECT_EQ(engine.queryAddress.rfind("https://", 0), 0u) << engine.name;
    }
    EXPECT_EQ(names, (std::vector<std::string>{"AltaVista", "Excite", "Lycos", "Go", "Hotbot", "Northern Light"}));
    EXPECT_FALSE(shipped.framedResults);
}

TEST(WebSearchConfig, UserFileOverridesWhatItNamesAndKeepsTheRest) {
    WebSearchConfig config = ParseWebSearchConfig(
        "# mine\r\n[retailers]\r\nbooks = https://books.example/find?title=\r\n[pages]\r\nFrames=yes\r\n"
        "Banner=https://banner.example/\r\nnot a setting\r\n");
    EXPECT_EQ(config.bookSearch, "https://books.example/find?title=");
    EXPECT_EQ(config.magazineSearch, DefaultWebSearchConfig().magazineSearch);
    EXPECT_EQ(config.engines, DefaultWebSearchConfig().engines);
    EXPECT_TRUE(config.framedResults);
    EXPECT_EQ(config.banner, "https://banner.example/");

    config = ParseWebSearchConfig("[engines]\nMine=https://m.example/?s=\nAlso = https://a.example/?q=\n");
    ASSERT_EQ(config.engines.size(), 2u);
    EXPECT_EQ(config.engines[1], (SearchEngine{"Also", "https://a.example/?q="}));
    EXPECT_EQ(QueryAddress(config, "Mine", "a b"), "https://m.example/?s=a+b");
}

TEST(WebPages, LaunchingWritesTheSearchPageAndOpensTheResults) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    WebPages pages(dialogs, shell, folder.path().string());
    WebSearchConfig config = DefaultWebSearchConfig();

    pages.LaunchSearch(config, "Lycos", "\"Rioja\"");
    const std::string address = "https://search.lycos.com/web/?q=%22Rioja%22";
    EXPECT_EQ(shell.opened, std::vector<std::string>{"address:" + address});
    EXPECT_EQ(Lines(ReadFile(folder.file("SHTML.htm")))[4], "<frame name=\"main\" src=\"" + address + "\">");

    // Framed results, or no engine of that name: the page itself is opened.
    config.framedResults = true;
    pages.LaunchSearch(config, "Lycos", "x");
    pages.LaunchSearch(DefaultWebSearchConfig(), "Gopher", "x");
    EXPECT_EQ(shell.opened[1], "file:" + folder.file("SHTML.htm"));
    EXPECT_EQ(shell.opened[2], "file:" + folder.file("SHTML.htm"));
    EXPECT_EQ(Lines(ReadFile(folder.file("SHTML.htm")))[4], "<frame name=\"main\" src=\"\">");
    EXPECT_TRUE(dialogs.shown().empty());
}

TEST(WebPages, ViewMailAndRetailerSearch) {
    TempFolder folder;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    WebPages pages(dialogs, shell, folder.path().string());

    pages.ViewUrl("http://v.example/");
    EXPECT_EQ(Lines(ReadFile(folder.file("go.htm")))[2], "URL=http://v.example/\">");
    pages.SendEmail("ann@cellar.example");
    pages.RetailerSearch(RetailerTemplate(Retailer::Books, "https://b.example/s?k="), "Atlas");
    EXPECT_NE(ReadFile(folder.file("go.htm")).find("\r\nValue=\"Atlas\"\r\n"), std::string::npos);
    EXPECT_EQ(shell.opened, (std::vector<std::string>{"file:" + folder.file("go.htm"), "address:Mailto:ann@cellar.example",
                                                      "file:" + folder.file("go.htm")}));

    // Header fields stored with the address are not handed on.
    shell.opened.clear();
    for (const char* stored : {"ann@cellar.example?attach=/etc/passwd", "ann@cellar.example#x",
                               "ann@cellar.example\r\nBcc: eve@x.example"})
        pages.SendEmail(stored);
    EXPECT_EQ(shell.opened, std::vector<std::string>(3, "address:Mailto:ann@cellar.example"));
}

TEST(WebPages, APageThatCannotBeWrittenIsReportedAndNotOpened) {
    TempFolder folder;
    // A folder where the page should be: the old page must not be shown instead.
    std::filesystem::create_directories(folder.path() / "go.htm");
    ScriptedDialogs dialogs;
    RecordingShell shell;
    WebPages pages(dialogs, shell, folder.path().string());
    pages.ViewUrl("http://v.example/");
    EXPECT_TRUE(shell.opened.empty());
    ASSERT_EQ(dialogs.shown().size(), 1u);
    EXPECT_EQ(dialogs.shown()[0].kind, Shown::Error);

    // The engine's results need no page, so they still open.
    std::filesystem::create_directories(folder.path() / "SHTML.htm");
    pages.LaunchSearch(DefaultWebSearchConfig(), "Go", "x");
    EXPECT_EQ(shell.opened, std::vector<std::string>{"address:https://www.google.com/search?q=x"});
}
